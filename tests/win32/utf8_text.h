// UTF-8 <-> UTF-16 for the tests of the Windows program, whose tables and output are UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32_testing {

inline std::string utf8FromWide(std::wstring_view wide) {
  std::string bytes(wide.size() * 4, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

inline std::wstring wideFromUtf8(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return wide;
}

}  // namespace win32_testing
