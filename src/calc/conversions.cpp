// First, simple version; to be tuned and tested.
#include "calc/conversions.h"

#include <cstdio>

namespace calc {

std::string foldFullWidth(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) { out += text[i]; continue; }
    if (i + 1 >= text.size() || text[i + 1] == '\0') break;
    unsigned char trail = static_cast<unsigned char>(text[++i]);
    if (lead == 0xA1 && trail == 0xA1) out += ' ';
    else if (lead == 0xA1 && trail == 0xAB) out += '~';
    else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) out += '*';
    else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) out += static_cast<char>(trail - 0x80);
    else { out += static_cast<char>(lead); out += static_cast<char>(trail); }
  }
  return out;
}

std::int32_t textToInteger(std::string_view text) {
  std::string folded = foldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= 9 && folded[i] <= 13))) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::uint32_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
    value = value * 10u + static_cast<std::uint32_t>(folded[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::string integerToText(std::int32_t value) {
  char text[12];
  int length = std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace calc
