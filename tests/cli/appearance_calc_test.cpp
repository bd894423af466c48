// Drives the real appearance-calc binary: arguments, standard input, encodings, exit codes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"

namespace {

using namespace std::chrono_literals;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizers' shadow memory defeats both memory measurements and address-space limits.
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

constexpr std::size_t kMiB = 1024 * 1024;

std::vector<std::string> command(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), APPEARANCE_CALC_PATH);
  return arguments;
}

std::string utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

struct Case {
  const char* name;
  std::vector<std::string> arguments;
  std::string input;
  std::string expected;
};

void PrintTo(const Case& test, std::ostream* out) {
  *out << test.name;
}

class Calculates : public testing::TestWithParam<Case> {};

TEST_P(Calculates, PrintsOneResultPerText) {
  const Case& test = GetParam();
  const FinishedProcess run = runProcess(command(test.arguments), test.input);
  EXPECT_EQ(run.out, test.expected);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
}

// GBK bytes of ２４００ and of ５ (full-width).
const std::string kGbk2400 = "\xA3\xB2\xA3\xB4\xA3\xB0\xA3\xB0";
const std::string kGbk5 = "\xA3\xB5";

INSTANTIATE_TEST_SUITE_P(
    Texts, Calculates,
    testing::Values(
        Case{"ArgumentsInOrder",
             {"equipment", utf8(u8"２４００"), "2400.9", "-2401"},
             "",
             "2\n2\n-2\n"},
        Case{"MonsterArguments",
             {"monster", "214748366", "-2147483648", utf8(u8"１００")},
             "",
             "-2147483646\n-10\n990\n"},
        Case{"EmptyArgumentIsAnEmptyBox", {"monster", ""}, "", "-10\n"},
        Case{"ArgumentsLeaveStandardInputAlone", {"equipment", "1200"}, "2400\n", "1\n"},
        Case{"DoubleDashBeforeThePage", {"--", "monster", "2"}, "", "10\n"},
        Case{"CrLfAndEmptyLines", {"monster"}, "214748366\r\n\n", "-2147483646\n-10\n"},
        Case{"LastLineWithoutLf", {"monster"}, "2\n3", "10\n20\n"},
        Case{"NoInputNoOutput", {"monster"}, "", ""},
        Case{"OnlyLfEndsALine", {"monster"}, "1\r2\n\r\n", "0\n-10\n"},
        Case{"FullWidthUtf8Line", {"equipment"}, utf8(u8"　２４００\r\n"), "2\n"},
        Case{"GbkLine", {"--encoding=gbk", "equipment"}, kGbk2400 + "\n", "2\n"},
        Case{"GbkArgument", {"--encoding=GBK", "monster", kGbk5}, "", "40\n"},
        // As UTF-8, the GBK bytes are invalid: each becomes "?", and "????" holds no number.
        Case{"GbkBytesReadAsUtf8", {"monster"}, kGbk5 + "\n" + kGbk5 + "7\n", "-10\n-10\n"},
        Case{"GbkArgumentReadAsUtf8", {"--encoding=utf-8", "monster", "5" + kGbk5}, "", "40\n"}));

TEST(AppearanceCalc, HelpAndVersionGoToStandardOutput) {
  const FinishedProcess help = runProcess(command({"--help"}));
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(
      help.out.starts_with("Usage: appearance-calc [--encoding=utf-8|gbk] "
                           "equipment|monster [TEXT...]\n"))
      << help.out;
  EXPECT_EQ(help.err, "");

  const FinishedProcess version = runProcess(command({"--version"}));
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "appearance-calc 1.0\n");
}

TEST(AppearanceCalc, UsageErrorsSayWhatIsWrongThenShowTheUsage) {
  const FinishedProcess help = runProcess(command({"--help"}));
  const struct {
    std::vector<std::string> arguments;
    std::string_view problem;
  } cases[] = {
      {{}, "missing the page: equipment or monster"},
      {{"--encoding=gbk"}, "missing the page: equipment or monster"},
      {{"weapon", "5"}, "unknown page 'weapon': use equipment or monster"},
      {{"--encoding=latin1", "monster"}, "unknown encoding 'latin1': use utf-8 or gbk"},
      {{"--encoding", "gbk", "monster"},
       "--encoding needs its value after '=': --encoding=utf-8 or --encoding=gbk"},
      {{"-x", "monster"}, "unknown option '-x'"},
  };
  for (const auto& test : cases) {
    const FinishedProcess run = runProcess(command(test.arguments));
    EXPECT_EQ(run.exitCode, 2) << test.problem;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "appearance-calc: " + std::string(test.problem) + "\n" + help.out);
  }
}

TEST(AppearanceCalc, EachResultComesOutBeforeTheInputEnds) {
  ChildProcess child(command({"monster"}));
  child.send("2\n");
  EXPECT_EQ(child.nextLine(20s), "10");
  child.send("3\r");
  EXPECT_EQ(child.nextLine(300ms), std::nullopt);  // no result for a line not yet ended
  child.send("\n4");                               // and a last line that the input's end ends
  EXPECT_EQ(child.nextLine(20s), "20");
  const FinishedProcess finished = child.finish();
  EXPECT_EQ(finished.out, "30\n");
  EXPECT_EQ(finished.exitCode, 0);
}

// The peak is read while the program waits for more input, after the big lines are done.
TEST(AppearanceCalc, A64MiBLineWorksInMemoryOfAFewTimesItsSize) {
  ChildProcess child(command({"equipment"}));
  // Leading zeros change nothing, so only a line kept whole gives 1200's result.
  child.send(std::string(64 * kMiB, '0') + utf8(u8"１２００") + "\r\n");
  EXPECT_EQ(child.nextLine(60s), "1");
  if (kMemoryIsMeasurable) {
    EXPECT_LT(child.peakResidentBytes(), 4 * 64 * kMiB);
  }
  child.send("2400\n");
  const FinishedProcess finished = child.finish();
  EXPECT_EQ(finished.out, "2\n");
  EXPECT_EQ(finished.exitCode, 0);
}

TEST(AppearanceCalc, MemoryIsBoundedByTheLongestLineNotTheInput) {
  ChildProcess child(command({"monster"}));
  for (int i = 0; i < 64; ++i) child.send(std::string(kMiB, '0') + std::to_string(i + 1) + "\n");
  for (int i = 0; i < 64; ++i) ASSERT_EQ(child.nextLine(60s), std::to_string(i * 10));
  if (kMemoryIsMeasurable) {
    EXPECT_LT(child.peakResidentBytes(), 16 * kMiB);
  }
  EXPECT_EQ(child.finish().exitCode, 0);
}

TEST(AppearanceCalc, AFailedMemoryRequestEndsWithTheFatalErrorText) {
  if (!kMemoryIsMeasurable) GTEST_SKIP() << "address-space limits break the sanitizers";
  const std::string hugeLine = std::string(160 * kMiB, '7') + "\n";
  for (const bool gbk : {false, true}) {
    std::vector<std::string> arguments = {"monster"};
    if (gbk) arguments.insert(arguments.begin(), "--encoding=gbk");
    const FinishedProcess run = runProcess(command(arguments), "2\n" + hugeLine, 96 * kMiB);
    // The result computed before the failure still reaches the output.
    EXPECT_EQ(run.out, "10\n");
    EXPECT_EQ(run.exitCode, 255);
    const std::string head = gbk ? std::string("运行时出错!\r\n\r\n错误信息：分配 ")
                                 : utf8(u8"运行时出错!\r\n\r\n错误信息：分配 ");
    const std::string tail = gbk ? std::string(" 字节内存失败!\r\n") : utf8(u8" 字节内存失败!\r\n");
    ASSERT_TRUE(run.err.starts_with(head) && run.err.ends_with(tail)) << run.err;
    const std::string bytes =
        run.err.substr(head.size(), run.err.size() - head.size() - tail.size());
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find_first_not_of("0123456789"), std::string::npos) << bytes;
  }
}

}  // namespace
