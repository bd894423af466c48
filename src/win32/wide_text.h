// The GBK <-> UTF-16 edge of the Windows program: the core's texts are GBK bytes, the Win32
// W functions take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

std::wstring toWide(std::string_view gbk);
// A character that GBK lacks becomes "?".
std::string fromWide(std::wstring_view wide);

}  // namespace win32
