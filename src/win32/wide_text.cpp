#include "win32/wide_text.h"

#include "encoding/gbk_conversion.h"

namespace win32 {

// wchar_t is UTF-16 on Windows, so the units carry over one to one.
std::wstring toWide(std::string_view gbk) {
  std::u16string utf16 = encoding::gbkToUtf16(gbk);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string fromWide(std::wstring_view wide) {
  return encoding::utf16ToGbk(std::u16string(wide.begin(), wide.end()));
}

}  // namespace win32
