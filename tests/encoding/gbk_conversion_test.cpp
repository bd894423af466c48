#include "encoding/gbk_conversion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using encoding::gbkToUtf16;
using encoding::gbkToUtf8;
using encoding::utf16ToGbk;
using encoding::utf8ToGbk;

// u8"" literals are char8_t in C++20; the conversions take plain bytes.
std::string utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

std::string bytes(std::initializer_list<unsigned char> values) {
  return {values.begin(), values.end()};
}

// Shows bytes in a failure message: ASCII as it is, every other byte as \xHH.
std::string shown(std::string_view text) {
  std::string out;
  for (char byte : text) {
    const auto value = static_cast<unsigned char>(byte);
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", value);
    out += value >= 0x20 && value < 0x7F && value != '\\' ? std::string(1, byte) : escape;
  }
  return out;
}

std::string repeated(std::string_view piece, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += piece;
  return out;
}

TEST(GbkConversion, AsciiAndEmbeddedNulPassUnchangedEveryWay) {
  std::string ascii;
  for (int byte = 0; byte < 0x80; ++byte) ascii.push_back(static_cast<char>(byte));
  const std::u16string asciiUnits(ascii.begin(), ascii.end());

  EXPECT_EQ(utf8ToGbk(ascii), ascii);
  EXPECT_EQ(gbkToUtf8(ascii), ascii);
  EXPECT_EQ(gbkToUtf16(ascii), asciiUnits);
  EXPECT_EQ(utf16ToGbk(asciiUnits), ascii);
  EXPECT_EQ(utf8ToGbk(""), "");
  EXPECT_EQ(utf16ToGbk(u""), "");
}

// Narrow literals are GBK bytes, u8 literals UTF-8, u literals UTF-16: the same texts three ways.
struct SameText {
  std::string_view gbk;
  std::u8string_view utf8;
  std::u16string_view utf16;
};

class RoundTrip : public testing::TestWithParam<SameText> {};

TEST_P(RoundTrip, GbkUtf8AndUtf16Agree) {
  const SameText& text = GetParam();
  const std::string gbk(text.gbk);
  EXPECT_EQ(shown(utf8ToGbk(utf8(text.utf8))), shown(gbk));
  EXPECT_EQ(shown(gbkToUtf8(gbk)), shown(utf8(text.utf8)));
  EXPECT_EQ(gbkToUtf16(gbk), text.utf16);
  EXPECT_EQ(shown(utf16ToGbk(text.utf16)), shown(gbk));
}

INSTANTIATE_TEST_SUITE_P(
    ChineseTexts, RoundTrip,
    testing::Values(SameText{"Quellmar装备怪物外观计算器1.0", u8"Quellmar装备怪物外观计算器1.0",
                             u"Quellmar装备怪物外观计算器1.0"},
                    SameText{"　２４００", u8"　２４００", u"　２４００"},
                    SameText{"－１２．５＋８", u8"－１２．５＋８", u"－１２．５＋８"},
                    SameText{"拼音 é", u8"拼音 é", u"拼音 é"},
                    SameText{std::string_view("中\0文", 5), std::u8string_view(u8"中\0文", 7),
                             std::u16string_view(u"中\0文", 3)}));

TEST(GbkConversion, CharactersGbkLacksBecomeOneQuestionMarkEach) {
  // An emoji (outside the BMP, a surrogate pair in UTF-16) and a Hangul syllable.
  EXPECT_EQ(utf8ToGbk(utf8(u8"a😀b가c")), "a?b?c");
  EXPECT_EQ(utf16ToGbk(u"a😀b가c"), "a?b?c");
  EXPECT_EQ(utf8ToGbk(utf8(u8"数😀😀值")), "数??值");
}

TEST(GbkConversion, InvalidUtf8BecomesOneQuestionMarkPerByte) {
  struct Case {
    std::string input;
    std::string_view expected;
  };
  const Case cases[] = {
      {bytes({0xFF}), "?"},
      {bytes({0x80, 'a'}), "?a"},                       // a stray continuation byte
      {bytes({0xC0, 0x80}), "??"},                      // an overlong NUL
      {bytes({0xE0, 0x80, 0xAF}), "???"},               // an overlong "/"
      {bytes({0xED, 0xA0, 0x80}), "???"},               // a surrogate written as UTF-8
      {bytes({0xF4, 0x90, 0x80, 0x80}), "????"},        // past U+10FFFF
      {bytes({0xE4, 0xB8}), "??"},                      // cut short at the end
      {bytes({0xE4, 0xB8, '1'}), "??1"},                // cut short before ASCII
      {bytes({0xF0, 0x9F, 0x98}), "???"},               // an emoji cut short
      {bytes({0xE4, 0xB8, 0xE4, 0xB8, 0xAD}), "??中"},  // cut short before a whole character
      {bytes({'1', 0xFE, '2'}), "1?2"},
  };
  for (const Case& test : cases)
    EXPECT_EQ(shown(utf8ToGbk(test.input)), shown(test.expected)) << shown(test.input);
}

TEST(GbkConversion, UnpairedSurrogatesBecomeQuestionMarks) {
  EXPECT_EQ(utf16ToGbk(std::u16string{0xD83D, u'a'}), "?a");
  EXPECT_EQ(utf16ToGbk(std::u16string{u'a', 0xDE00}), "a?");
  EXPECT_EQ(utf16ToGbk(std::u16string{u'中', 0xD83D}), "中?");
  EXPECT_EQ(utf16ToGbk(std::u16string{0xDE00, 0xD83D}), "??");
}

TEST(GbkConversion, BytesThatStartNoGbkCharacterBecomeQuestionMarks) {
  struct Case {
    std::string input;
    std::u8string_view expected;
  };
  const Case cases[] = {
      {"1" + bytes({0xA3}), u8"1?"},           // a lone lead byte at the end
      {bytes({0xA3, '1'}), u8"?1"},            // a lead byte before an ASCII digit
      {bytes({0xA3, 0x7F, 'x'}), u8"?\x7Fx"},  // 7F is no trail byte
      {bytes({0xA3, 0xFF}) + "中", u8"??中"},  // nor is FF
      {bytes({0xFF}) + "文", u8"?文"},
      {std::string("\xA3\0\xA3\xB1", 4), std::u8string_view(u8"?\0１", 5)},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(shown(gbkToUtf8(test.input)), shown(utf8(test.expected))) << shown(test.input);
    const std::u16string utf16 = gbkToUtf16(test.input);
    EXPECT_EQ(shown(utf16ToGbk(utf16)), shown(utf8ToGbk(utf8(test.expected))));
  }
}

// Long texts go to the code page in runs; no character may be split or lost where one run ends
// and the next begins, whether a run converts at once or falls back to one character at a time.
TEST(GbkConversion, LongTextsSurviveEveryRunBoundary) {
  for (std::string_view lead : {"", "a", "ab", "abc"}) {
    const std::string gbk = std::string(lead) + repeated("中文", 5000);
    const std::string text = utf8(u8"中文");
    const std::string utf8Text = std::string(lead) + repeated(text, 5000);
    EXPECT_EQ(utf8ToGbk(utf8Text), gbk);
    EXPECT_EQ(gbkToUtf8(gbk), utf8Text);
    EXPECT_EQ(utf16ToGbk(gbkToUtf16(gbk)), gbk);

    // A bad character every 3001 characters leaves some runs whole and breaks others.
    std::string mixed = std::string(lead), expected = std::string(lead);
    for (int i = 0; i < 10000; ++i) {
      const bool bad = i % 3001 == 3000;
      mixed += bad ? utf8(u8"😀") : utf8(u8"外");
      expected += bad ? "?" : "外";
    }
    EXPECT_EQ(utf8ToGbk(mixed), expected);
    EXPECT_EQ(utf8ToGbk(mixed + "\xE4"), expected + "?");
  }
  // Long ASCII stretches between other characters, short and long, next to invalid bytes.
  const std::string ascii4096(4096, '1'), ascii4095(4095, '2');
  EXPECT_EQ(utf8ToGbk(utf8(u8"中") + ascii4096 + "\xFF" + ascii4095 + utf8(u8"é") + ascii4096),
            "中" + ascii4096 + "?" + ascii4095 + "é" + ascii4096);
  EXPECT_EQ(gbkToUtf8("中" + ascii4096 + "\xFF" + ascii4095 + "é"),
            utf8(u8"中") + ascii4096 + "?" + ascii4095 + utf8(u8"é"));
}

}  // namespace
