// Runs the whole program (start-up, the event loop, the end) against the real Qt window, with
// a test body inside the loop where a person's input would come.
#pragma once

#include <functional>

#include "qt/qt_windowing.h"
#include "window_driver.h"

namespace qttest {

// Starts the program from a fresh state, waits until its window is active, runs `body` in the
// event loop, and ends the program once the body is done (or the body closed the window). The
// program's folder is "/opt/appearance"; the end's exit code must be 0.
void runProgramWith(const std::function<void(qtfront::QtWindowing&, WindowDriver&)>& body,
                    const launcher_testing::StandInBrowser* browser = nullptr);

}  // namespace qttest
