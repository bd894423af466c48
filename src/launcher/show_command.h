// Which show command a started program gets for its first window.
#pragma once

#include <cstdint>

namespace launcher {

// The Windows show commands (their SW_ values) that runProgram can hand on.
enum class ShowCommand : std::uint16_t {
  hide = 0,            // SW_HIDE
  showNormal = 1,      // SW_SHOWNORMAL: normal size, activated
  showMinimized = 2,   // SW_SHOWMINIMIZED: minimised, activated
  showMaximized = 3,   // SW_SHOWMAXIMIZED: maximised, activated
  showNoActivate = 4,  // SW_SHOWNOACTIVATE: normal size, not activated
  minimize = 6,        // SW_MINIMIZE: minimised, not activated
};

// runProgram's show mode as its show command: 1 hide, 2 normal, 3 minimised, 4 maximised,
// 5 not activated, 6 minimise; below 1 counts as 1 and above 6 as 6. Mode 6 is SW_MINIMIZE,
// not SW_SHOWMINNOACTIVE.
ShowCommand showCommandFor(std::int32_t showMode);

}  // namespace launcher
