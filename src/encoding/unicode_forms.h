// UTF-8 and UTF-16, one character at a time, for the conversions at the front-end edge.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace encoding::detail {

// The length of the well-formed UTF-8 sequence that starts at `pos` (1 to 4) with its code
// point in `codePoint`, or 0 when the byte at `pos` starts none: a stray continuation byte,
// an overlong form, a surrogate, a value above U+10FFFF or a sequence cut short.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint);
void appendUtf8(char32_t codePoint, std::string& out);

constexpr bool isHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool isLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// 2 for a surrogate pair at `pos`, 1 for anything else (an unpaired surrogate included).
std::size_t utf16CharacterLength(std::u16string_view text, std::size_t pos);
void appendUtf16(char32_t codePoint, std::u16string& out);
// Unpaired surrogates become "?".
void appendUtf8FromUtf16(std::u16string_view text, std::string& out);

}  // namespace encoding::detail
