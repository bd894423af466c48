#include "encoding/unicode_forms.h"

namespace encoding::detail {

std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
  const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  std::size_t length;
  char32_t value;
  // The allowed range of the second byte narrows for the leads whose plain range would admit
  // overlong forms (E0, F0), surrogates (ED) or values past U+10FFFF (F4).
  unsigned char secondLow = 0x80, secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byteAt(pos + i);
    const unsigned char low = i == 1 ? secondLow : 0x80;
    const unsigned char high = i == 1 ? secondHigh : 0xBF;
    if (next < low || next > high) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  codePoint = value;
  return length;
}

void appendUtf8(char32_t codePoint, std::string& out) {
  const auto put = [&](char32_t byte) { out.push_back(static_cast<char>(byte)); };
  if (codePoint < 0x80) {
    put(codePoint);
  } else if (codePoint < 0x800) {
    put(0xC0 | (codePoint >> 6));
    put(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    put(0xE0 | (codePoint >> 12));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  } else {
    put(0xF0 | (codePoint >> 18));
    put(0x80 | ((codePoint >> 12) & 0x3F));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  }
}

std::size_t utf16CharacterLength(std::u16string_view text, std::size_t pos) {
  const bool pair =
      isHighSurrogate(text[pos]) && pos + 1 < text.size() && isLowSurrogate(text[pos + 1]);
  return pair ? 2 : 1;
}

void appendUtf16(char32_t codePoint, std::u16string& out) {
  if (codePoint < 0x10000) {
    out.push_back(static_cast<char16_t>(codePoint));
  } else {
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 | (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 | (codePoint & 0x3FF)));
  }
}

void appendUtf8FromUtf16(std::u16string_view text, std::string& out) {
  for (std::size_t pos = 0; pos < text.size();) {
    const char16_t unit = text[pos];
    if (utf16CharacterLength(text, pos) == 2) {
      appendUtf8(0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{text[pos + 1]} - 0xDC00),
                 out);
      pos += 2;
    } else {
      appendUtf8(isHighSurrogate(unit) || isLowSurrogate(unit) ? U'?' : char32_t{unit}, out);
      pos += 1;
    }
  }
}

}  // namespace encoding::detail
