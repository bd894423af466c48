// Conversions between GBK, the program's own text encoding, and the Unicode encodings of the
// toolkits and terminals at the front-end edge. They never fail: whatever cannot be carried
// over becomes "?".
#pragma once

#include <string>
#include <string_view>

namespace encoding {

// One "?" per character that GBK lacks and one per byte that is not part of well-formed UTF-8.
std::string utf8ToGbk(std::string_view utf8);
// One "?" (U+003F) per character that the GBK code page does not define and one per byte that
// starts no GBK character (a lone lead byte, a lead byte before a byte that cannot follow it).
std::string gbkToUtf8(std::string_view gbk);
std::u16string gbkToUtf16(std::string_view gbk);
// One "?" per character that GBK lacks and one per unpaired surrogate.
std::string utf16ToGbk(std::u16string_view utf16);

}  // namespace encoding
