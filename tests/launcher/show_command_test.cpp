// The show mode, clamped to 1..6, as the Windows show command.
#include "launcher/show_command.h"

#include <gtest/gtest.h>

#include <climits>

namespace launcher {
namespace {

TEST(ShowCommand, ClampsTheModeAndMapsItToTheWindowsCommand) {
  struct Case {
    std::int32_t mode;
    int command;
  };
  const Case cases[] = {
      {INT_MIN, 0}, {-1, 0}, {0, 0}, {1, 0}, {2, 1},       {3, 2},
      {4, 3},       {5, 4},  {6, 6}, {7, 6}, {INT_MAX, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(static_cast<int>(showCommandFor(c.mode)), c.command);
  }
}

}  // namespace
}  // namespace launcher
