#include "launcher/show_command.h"

#include <algorithm>
#include <array>

namespace launcher {

ShowCommand showCommandFor(std::int32_t showMode) {
  constexpr std::array byMode{ShowCommand::hide,           ShowCommand::showNormal,
                              ShowCommand::showMinimized,  ShowCommand::showMaximized,
                              ShowCommand::showNoActivate, ShowCommand::minimize};
  return byMode[static_cast<std::size_t>(std::clamp(showMode, 1, 6) - 1)];
}

}  // namespace launcher
