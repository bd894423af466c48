// The fatal error box, byte for byte, and the end it leads to.
#include "app/fatal_error.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "recording_platform.h"

namespace app {
namespace {

TEST(FatalErrorText, CodeAndMessageLinesAppearOnlyWhenGiven) {
  struct Case {
    const char* message;
    int code;
    const char* text;
  };
  const Case cases[] = {
      {"载入启动窗口失败", 0, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {"x", 5, "运行时出错!\r\n\r\n错误代码：5\r\n\r\n错误信息：x\r\n"},
      {"", -2147483647 - 1, "运行时出错!\r\n\r\n错误代码：-2147483648\r\n\r\n"},
      {"", 0, "运行时出错!\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(fatalErrorText(c.message, c.code), c.text);
  }
}

TEST(FatalErrorReport, AFailedMemoryRequestShowsItsSizeAndEndsWithMinusOne) {
  resetProgramStateForTesting();
  testing_support::RecordingPlatform platform;
  installPlatform(&platform);
  int code = 0;
  try {
    reportAllocationFailure(64);
  } catch (const testing_support::ProgramEnded& ended) {
    code = ended.code;
  }
  EXPECT_EQ(code, -1);
  EXPECT_EQ(platform.fatalErrorText, "运行时出错!\r\n\r\n错误信息：分配 64 字节内存失败!\r\n");
  EXPECT_GT(endCounter(), 0);
  resetProgramStateForTesting();
}

}  // namespace
}  // namespace app
