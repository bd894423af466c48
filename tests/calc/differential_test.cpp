// textToInteger and both calculations against a deliberately plain model, over generated GBK
// texts of every shape that the reading cares about.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculations.h"
#include "calc/conversions.h"
#include "main_window_boxes.h"
#include "printable.h"

namespace {

// --- The model: fold the whole text, then read it with 64-bit arithmetic. ---

std::string modelFold(std::string_view text) {
  static const std::map<std::pair<unsigned char, unsigned char>, char> table = [] {
    std::map<std::pair<unsigned char, unsigned char>, char> pairs = {
        {{0xA1, 0xA1}, ' '}, {{0xA1, 0xAB}, '~'}, {{0xA1, 0xEE}, '*'}, {{0xA1, 0xEF}, '*'}};
    for (int trail = 0xA1; trail <= 0xFE; ++trail)
      pairs[{0xA3, static_cast<unsigned char>(trail)}] = static_cast<char>(trail - 0x80);
    return pairs;
  }();
  std::string folded;
  for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded += text[i];
      continue;
    }
    if (i + 1 == text.size() || text[i + 1] == '\0') break;
    auto found = table.find({lead, static_cast<unsigned char>(text[i + 1])});
    if (found != table.end()) {
      folded += found->second;
    } else {
      folded += text[i];
      folded += text[i + 1];
    }
    ++i;
  }
  return folded;
}

constexpr std::int64_t kModulus = std::int64_t{1} << 32;

std::int32_t toInt32(std::int64_t value) {
  std::int64_t reduced = ((value % kModulus) + kModulus) % kModulus;
  return static_cast<std::int32_t>(reduced >= kModulus / 2 ? reduced - kModulus : reduced);
}

std::int32_t modelTextToInteger(std::string_view text) {
  std::string folded = modelFold(text);
  std::size_t i = 0;
  while (i < folded.size() && std::string_view("\t\n\v\f\r ").find(folded[i]) != std::string::npos)
    ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  std::int64_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i)
    value = (value * 10 + (folded[i] - '0')) % kModulus;
  return toInt32(negative ? -value : value);
}

std::string modelMonster(std::int32_t value) {
  return std::to_string(toInt32(10 * std::int64_t{value} - 10));
}
std::string modelEquipment(std::int32_t value) {
  return std::to_string(value / 1200);
}

// --- The texts. ---

class TextGenerator {
 public:
  explicit TextGenerator(std::uint32_t seed) : random_(seed) {}

  std::string next() {
    if (chance(8)) return randomBytes();
    std::string text;
    for (int n = below(4); n > 0; --n) text += pick(chance(12) ? notBlanks_ : blanks_);
    if (chance(2)) text += pick(signs_);
    if (chance(10)) text += pick(chance(2) ? blanks_ : signs_);
    text += digits();
    for (int n = below(3); n > 0; --n) text += chance(3) ? digits() : pick(interruptions_);
    if (chance(20)) text += std::string(1, '\0') + digits();  // the text ends at the NUL
    if (chance(6)) text += pick(leadBytes_);
    return text;
  }

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool chance(int oneIn) { return below(oneIn) == 0; }
  const std::string& pick(const std::vector<std::string>& from) {
    return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
  }

  // A digit run in ASCII, full width, or both mixed: an edge value, or random digits of any
  // length, often with leading zeros.
  std::string digits() {
    std::string ascii;
    if (chance(3)) {
      ascii = pick(edgeValues_);
    } else {
      int length = chance(10) ? below(120) : below(12);
      if (chance(4)) ascii.assign(static_cast<std::size_t>(below(40)), '0');
      for (int i = 0; i < length; ++i) ascii += static_cast<char>('0' + below(10));
    }
    int style = below(3);  // 0 ASCII, 1 full width, 2 mixed
    std::string run;
    for (char digit : ascii) {
      if (style == 0 || (style == 2 && chance(2))) {
        run += digit;
      } else {
        run += '\xA3';
        run += static_cast<char>(0xB0 + (digit - '0'));
      }
    }
    return run;
  }

  static std::vector<std::string> words(std::string_view spaced) {
    std::vector<std::string> result;
    for (std::size_t start = 0, end = 0; start < spaced.size(); start = end + 1) {
      end = std::min(spaced.find(' ', start), spaced.size());
      result.emplace_back(spaced.substr(start, end - start));
    }
    return result;
  }

  // Short texts from a few bytes that pair up in surprising ways.
  std::string randomBytes() {
    static const std::string alphabet =
        std::string("0159 \t+-a\0", 10) + "\x80\xA1\xA3\xAB\xAD\xB0\xB5\xB9\xEE\xFE\xFF";
    std::string text;
    for (int n = below(16); n > 0; --n)
      text += alphabet[static_cast<std::size_t>(below(static_cast<int>(alphabet.size())))];
    return text;
  }

  std::mt19937 random_;
  const std::vector<std::string> blanks_ = {"\t", "\n", "\v", "\f", "\r", " ", "　"};
  const std::vector<std::string> notBlanks_ = {"\x08", "\x0E", "\x1F", "\x85", "\xA0"};
  const std::vector<std::string> signs_ = {"+", "-", "＋", "－"};
  // The values at the edges of the calculations and of the 32-bit range, and beyond it.
  const std::vector<std::string> edgeValues_ = words(
      "0 1 1199 1200 214748363 214748364 214748365 214748366 429496730 2147483646 2147483647 "
      "2147483648 2147483649 4294967295 4294967296 4294967297 9999999999 18446744073709551616 "
      "99999999999999999999999999999999999");
  // What may end a number, or stand in the middle of one; the digit 5 (0x35) after A3 is the
  // pair's trail.
  const std::vector<std::string> interruptions_ = {
      ".",  ",",  "/",  ":",        "e",        "x",        "a",        " ",  "\x7F",
      "．", "，", "＋", "－",       "　",       "～",       "☆",        "★",  "—",
      "＄", "一", "ｅ", "\xA3\xA0", "\xA3\xFF", "\xA1\xA2", "\xA3\x35", "／", "："};
  const std::vector<std::string> leadBytes_ = {"\x80", "\xA1", "\xA3", "\xFE", "\xFF"};
};

using DifferentialTest = MainWindowBoxes;

TEST_F(DifferentialTest, ConversionsAndCalculationsAgreeWithThePlainModel) {
  TextGenerator generator(20240531);
  for (int round = 0; round < 20000; ++round) {
    std::string text = generator.next();
    std::int32_t value = modelTextToInteger(text);
    ASSERT_EQ(calc::foldFullWidth(text), modelFold(text)) << "text: " << printable(text);
    ASSERT_EQ(calc::textToInteger(text), value) << "text: " << printable(text);
    ASSERT_EQ(calc::integerToText(value), std::to_string(value));

    type("编辑框1", text);
    type("编辑框3", text);
    calc::calculateMonster();
    calc::calculateEquipment();
    ASSERT_EQ(shown("编辑框2"), modelMonster(value)) << "text: " << printable(text);
    ASSERT_EQ(shown("编辑框4"), modelEquipment(value)) << "text: " << printable(text);
  }
}

}  // namespace
