// A press on an About line of the real window starts the web browser on the site: the tests'
// stand-in browser (launch_recorder at Internet Explorer's path in the window tests' prefix)
// records how it was started.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch_record.h"
#include "real_window.h"

namespace win32_testing {
namespace {

TEST(RealWindowAboutPage, APressStartsTheBrowserOnceOnTheSite) {
  launcher_testing::RecordFile record;
  RealWindow window(AboutPresses::openTheSite);
  window.clickHeader(2);
  window.pressOn("标签8", 150, 20);
  ASSERT_TRUE(record.waitForEnds(1));
  EXPECT_EQ(record.starts(), 1);
  EXPECT_EQ(record.values("arg"), std::vector<std::string>{"http://www.example.com"});
}

TEST(RealWindowAboutPage, ADoubleClickStartsItOnceAndTheRightButtonNot) {
  launcher_testing::RecordFile record;
  RealWindow window(AboutPresses::openTheSite);
  window.clickHeader(2);
  window.pressOn("标签6", 5, 5, true);
  window.rightPressOn("标签7", 5, 5);
  ASSERT_TRUE(record.waitForEnds(1));
  Sleep(300);
  EXPECT_EQ(record.starts(), 1);
}

}  // namespace
}  // namespace win32_testing
