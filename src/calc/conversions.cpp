// ASCII only in this file: the fuzz build compiles it with clang, which cannot produce GBK.
#include "calc/conversions.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>

namespace calc {
namespace {

constexpr int kNotFolded = -1;

// The ASCII byte that a GBK pair folds to, or kNotFolded for a pair that stays as it is.
int foldedPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1:  // ideographic space
        return ' ';
      case 0xAB:  // full-width tilde
        return '~';
      case 0xEE:  // white star
      case 0xEF:  // black star
        return '*';
      default:
        return kNotFolded;
    }
  }
  // Row A3 holds the full-width forms of 0x21..0x7E in ASCII order.
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;
  return kNotFolded;
}

unsigned char byteAt(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

// One character of the folded text, read straight from the unfolded one: the byte it folds
// to and the count of unfolded bytes it takes. The end of the text (its size, a NUL, or a
// lead byte with nothing after it) has width 0. A pair that does not fold reads as its lead
// byte (0x80 or above), which is never whitespace, a sign or a digit.
struct FoldedChar {
  unsigned char byte;
  std::size_t width;
};

FoldedChar foldedCharAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size() || text[pos] == '\0') return {0, 0};
  unsigned char lead = byteAt(text, pos);
  if (lead < 0x80) return {lead, 1};
  if (pos + 1 >= text.size() || text[pos + 1] == '\0') return {0, 0};
  int folded = foldedPair(lead, byteAt(text, pos + 1));
  return {folded == kNotFolded ? lead : static_cast<unsigned char>(folded), 2};
}

bool isWhitespace(unsigned char byte) {
  return byte == ' ' || (byte >= 0x09 && byte <= 0x0D);
}

bool isAsciiDigit(unsigned char byte) {
  return byte >= '0' && byte <= '9';
}

bool isFullWidthDigitAt(std::string_view text, std::size_t pos) {
  return pos + 1 < text.size() && byteAt(text, pos) == 0xA3 && byteAt(text, pos + 1) >= 0xB0 &&
         byteAt(text, pos + 1) <= 0xB9;
}

constexpr std::uint64_t wordOf(unsigned char even, unsigned char odd) {
  return std::bit_cast<std::uint64_t>(
      std::array<unsigned char, 8>{even, odd, even, odd, even, odd, even, odd});
}

// Tests eight bytes at once: true when each byte, masked, equals its part of `expected`, and
// still does once its part of `added` is added to it. After the first check no byte can carry
// into the next, so the test works byte by byte and the byte order of the word does not matter.
bool everyByteMatches(const char* bytes, std::uint64_t mask, std::uint64_t expected,
                      std::uint64_t added) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & mask) == expected && ((word + added) & mask) == expected;
}

// A digit 0x30..0x39 has the high nibble 3 and keeps it when 6 is added; 0x3A..0x3F carry
// into 4.
bool eightAsciiDigits(const char* bytes) {
  constexpr std::uint64_t highNibbles = wordOf(0xF0, 0xF0);
  constexpr std::uint64_t digits = wordOf(0x30, 0x30);
  constexpr std::uint64_t sixes = wordOf(0x06, 0x06);
  return everyByteMatches(bytes, highNibbles, digits, sixes);
}

// Four pairs A3 B0..B9: the lead bytes must be A3 exactly, the trails pass the test above.
bool fourFullWidthDigits(const char* bytes) {
  constexpr std::uint64_t leadAndHighNibble = wordOf(0xFF, 0xF0);
  constexpr std::uint64_t digits = wordOf(0xA3, 0xB0);
  constexpr std::uint64_t sixes = wordOf(0x00, 0x06);
  return everyByteMatches(bytes, leadAndHighNibble, digits, sixes);
}

// Where the run of digits, ASCII or full-width (A3 B0..B9), that starts at `pos` ends. Eight
// bytes at a time while they are all of one width, then one digit at a time.
std::size_t endOfDigitRun(std::string_view text, std::size_t pos) {
  for (;;) {
    if (text.size() - pos >= 8 &&
        (eightAsciiDigits(text.data() + pos) || fourFullWidthDigits(text.data() + pos))) {
      pos += 8;
    } else if (pos < text.size() && isAsciiDigit(byteAt(text, pos))) {
      pos += 1;
    } else if (isFullWidthDigitAt(text, pos)) {
      pos += 2;
    } else {
      return pos;
    }
  }
}

// The value of the digit run text[start, end) modulo 2^32, the same as value = value * 10 +
// digit at every step. As 10^k = 2^k * 5^k, a digit 32 or more places from the right is
// multiplied by a multiple of 2^32 and drops out, so only the last 32 digits are read, from
// the right. Inside the run a byte 0x30..0x39 is an ASCII digit and a byte B0..B9 is the trail
// of a full-width digit whose lead A3 stands before it, so the run reads backwards unambiguously.
std::uint32_t valueOfDigitRun(std::string_view text, std::size_t start, std::size_t end) {
  std::uint32_t value = 0;
  std::uint32_t placeValue = 1;
  for (int digits = 0; digits < 32 && end > start; ++digits) {
    unsigned char last = byteAt(text, end - 1);
    bool ascii = isAsciiDigit(last);
    std::uint32_t digit = ascii ? last - std::uint32_t{'0'} : last - std::uint32_t{0xB0};
    value += digit * placeValue;
    placeValue *= 10;
    end -= ascii ? 1 : 2;
  }
  return value;
}

}  // namespace

std::string foldFullWidth(std::string_view text) {
  std::string folded;
  for (std::size_t pos = 0;;) {
    FoldedChar next = foldedCharAt(text, pos);
    if (next.width == 0) break;
    // Only a pair that does not fold reads as a byte of 0x80 or above: copy it whole.
    if (next.byte < 0x80) {
      folded += static_cast<char>(next.byte);
    } else {
      folded.append(text.substr(pos, 2));
    }
    pos += next.width;
  }
  return folded;
}

// Reads the folded text without building it: folding is a left-to-right stream, and the number
// usually ends long before the text does.
std::int32_t textToInteger(std::string_view text) {
  std::size_t pos = 0;
  FoldedChar next = foldedCharAt(text, pos);
  while (isWhitespace(next.byte)) {
    pos += next.width;
    next = foldedCharAt(text, pos);
  }
  bool negative = next.byte == '-';
  if (next.byte == '+' || next.byte == '-') pos += next.width;
  std::uint32_t magnitude = valueOfDigitRun(text, pos, endOfDigitRun(text, pos));
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::string integerToText(std::int32_t value) {
  char digits[11];  // "-2147483648"
  char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

}  // namespace calc
