// Opening the author's web site from the About page.
#pragma once

#include <cstdint>
#include <string>

#include "ui/windowing.h"

namespace launcher {

// The command line that opens the site that 标签8 shows after "官网：", in double quotes where
// the browser's path needs them: the Internet Explorer of Windows where it exists, else the
// user's default browser; xdg-open on Linux. Worked out on first use and kept from then on: the
// file check and the look-up of the default browser cost start-up nothing, and only the
// pressing of the link pays for them, once.
const std::string& siteCommandLine();

// The handler of leftButtonPressed on the About page's three lines: starts the browser on the
// site without waiting for more than 1000 ms for it to become ready. The press position and
// the keys held make no difference, and a browser that cannot be started is not reported.
void openWebSite(std::uint16_t x, std::uint16_t y, ui::Modifiers keys);

}  // namespace launcher
