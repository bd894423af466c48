#include "calc/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "printable.h"

namespace {

struct TextCase {
  std::string text;
  std::int32_t expected;
};

void expectTextToInteger(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases)
    EXPECT_EQ(calc::textToInteger(c.text), c.expected) << "text: " << printable(c.text);
}

TEST(TextToInteger, ReadsTheNumberAtTheStart) {
  expectTextToInteger({
      {"", 0},        {"   ", 0},    {"42", 42},  {"  42", 42}, {"\t-7", -7},
      {"\r\n12", 12}, {"\v\f+3", 3}, {"+5", 5},   {"- 5", 0},   {"--5", 0},
      {"+-5", 0},     {"5abc", 5},   {"abc5", 0}, {"12.9", 12}, {"1e3", 1},
      {"0x10", 0},    {"0042", 42},  {"-0", 0},   {"1,200", 1}, {"12 34", 12},
  });
}

TEST(TextToInteger, OnlyTheSixAsciiBlanksAreWhitespace) {
  expectTextToInteger({
      {"\x08-7", 0},
      {"\x0E-7", 0},
      {"\x1F-7", 0},
      {"\x7F-7", 0},
      // Bytes 0x80 and above are lead bytes, never blanks.
      {"\x85 7", 0},
      {"\xA0 7", 0},
  });
}

TEST(TextToInteger, FoldsFullWidthForms) {
  expectTextToInteger({
      {"１２３", 123},
      {"－１２", -12},
      {"＋８", 8},
      {"　１２", 12},
      {"１２．５", 12},
      {"1２3", 123},
      {"1２3４", 1234},
      {"１　２", 1},
      {"一二三", 0},
      {"—5", 0},
      {"＄5", 0},
      {"～5", 0},
      {"－ 5", 0},
  });
}

TEST(TextToInteger, FormsPairsStrictlyFromTheLeft) {
  expectTextToInteger({
      // A3 A3 is a full-width '#', and the B5 after it is a lone lead byte.
      {"\xA3\xA3\xB5", 0},
      {"１\xA3", 1},
      {"12\xA3", 12},
      {"\xA3", 0},
      // The digit 5 (0x35) is the trail of the pair that A3 starts.
      {"\xA3\x35", 0},
  });
}

std::string withNul(std::string_view before, std::string_view after) {
  return std::string(before) + '\0' + std::string(after);
}

TEST(TextToInteger, EndsAtTheFirstNul) {
  expectTextToInteger({
      {withNul("12", "34"), 12},
      {withNul("", "5"), 0},
      {withNul(" ", "5"), 0},
      {withNul("-", "5"), 0},
      // A lead byte followed by NUL is dropped and ends the text.
      {withNul("1\xA3", "\xB2"), 1},
  });
}

TEST(TextToInteger, WrapsModulo2To32) {
  expectTextToInteger({
      {"2147483647", 2147483647},
      {"2147483648", INT32_MIN},
      {"4294967295", -1},
      {"4294967296", 0},
      {"9999999999", 1410065407},
      {"-2147483648", INT32_MIN},
      {"-2147483649", 2147483647},
      {"99999999999999999999", 1661992959},
      // 10^31 is 2^31 modulo 2^32; from 10^32 on the leading digits drop out.
      {"1" + std::string(31, '0'), INT32_MIN},
      {"1" + std::string(32, '0'), 0},
      {"1" + std::string(32, '0') + "7", 7},
      {std::string(1000, '0') + "42", 42},
      {"－４２９４９６７２９７", -1},
  });
}

TEST(TextToInteger, LongDigitRunsEndAtTheFirstNonDigit) {
  // The bytes just below '0' and just above '9', in both widths, at every place of a run that
  // is read eight bytes at a time.
  for (const char* one : {"1", "１"}) {
    std::string digits;
    std::int32_t expected = 0;
    for (int length = 1; length <= 17; ++length) {
      digits += one;
      expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(expected) * 10u + 1u);
      for (const char* end : {"/", ":", "／", "："}) {
        std::string text = digits + end + "99";
        EXPECT_EQ(calc::textToInteger(text), expected) << "text: " << printable(text);
      }
    }
  }
}

TEST(IntegerToText, WritesPlainSignedDecimal) {
  struct Case {
    std::int32_t value;
    const char* expected;
  };
  for (Case c : std::vector<Case>{{0, "0"},
                                  {7, "7"},
                                  {-10, "-10"},
                                  {1789569, "1789569"},
                                  {2147483647, "2147483647"},
                                  {INT32_MIN, "-2147483648"}})
    EXPECT_EQ(calc::integerToText(c.value), c.expected);
}

TEST(FoldFullWidth, FoldsOnlyTheTablePairs) {
  struct Case {
    std::string text;
    std::string expected;
  };
  std::vector<Case> cases = {
      {"", ""},
      {"abc 12", "abc 12"},
      {"１２３－＋．，", "123-+.,"},
      {"ａｚＡＺ！｝", "azAZ!}"},
      {"　～☆★", " ~**"},
      {"￥￣", "$~"},
      // Other full-width characters stay two-byte characters.
      {"＄—一", "＄—一"},
      {"\xA1\xA2\xA1\xAC\xA1\xED\xA1\xF0", "\xA1\xA2\xA1\xAC\xA1\xED\xA1\xF0"},
      {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},
      // A trail byte below 0x80 is still a trail: the pair is copied, digit included.
      {"\xA3\x35", "\xA3\x35"},
      {"12\xA3", "12"},
      {"\xA3\xA3\xB5", "#"},
      {withNul("a", "b"), "a"},
      {withNul("\xA3", "\xB1"), ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(calc::foldFullWidth(c.text), c.expected) << "text: " << printable(c.text);
}

}  // namespace
