// Code page 936: the Windows side of the code page.
#include <windows.h>

#include "encoding/gbk_code_page.h"

namespace encoding::detail {
namespace {
constexpr UINT kGbkCodePage = 936;
}

bool decodeGbkRun(std::string_view gbk, std::u16string& out) {
  const int inputBytes = static_cast<int>(gbk.size());
  // Invalid sequences must fail the run instead of turning silently into the default char.
  const int units =
      MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), inputBytes, nullptr, 0);
  if (units <= 0) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(units));
  MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), inputBytes,
                      reinterpret_cast<wchar_t*>(&out[start]), units);
  return true;
}

bool encodeGbkRun(std::u16string_view utf16, std::string& out) {
  const auto* input = reinterpret_cast<const wchar_t*>(utf16.data());
  const int inputUnits = static_cast<int>(utf16.size());
  // No best fit: a character GBK lacks must not pass for a look-alike (é for e, say).
  BOOL usedDefault = FALSE;
  const int bytes = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, input, inputUnits,
                                        nullptr, 0, "?", &usedDefault);
  if (bytes <= 0 || usedDefault) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(bytes));
  WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, input, inputUnits, &out[start], bytes,
                      "?", &usedDefault);
  return true;
}

}  // namespace encoding::detail
