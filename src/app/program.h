// Start-up, the event loop and the end of the program.
#pragma once

#include <functional>
#include <string>

#include "app/platform.h"
#include "ui/window_definition.h"
#include "ui/windowing.h"

namespace app {

// The program's entry: start-up in its fixed order, then the event loop. Returns the code of
// the quit request (always 0) once the loop has ended; the caller then runs endProgram with it:
//   app::endProgram(app::startProgram(platform, windowing));
// A failure on the way is reported through reportFatalError and does not return. The window
// definition and the end-of-program routine (empty in this program) are the program's own;
// tests pass others.
int startProgram(
    Platform& platform, ui::Windowing& windowing,
    const ui::WindowDefinition& definition = ui::mainWindowDefinition(),
    std::function<void()> endOfProgramRoutine = [] {});

// Runs the platform's message loop until the quit request; returns at once when no loaded
// window is live. Returns the quit request's code.
int runEventLoop();

// The end procedure: raises the end counter, releases the window (destroying it if it still
// exists), runs the end-of-program routine once, releases the platform's parts, and ends the
// process with `exitCode`. Never returns.
[[noreturn]] void endProgram(int exitCode);

// The folder of the program's own file, set at start-up (empty when its path has no folder).
const std::string& programFolder();

// While the end counter is above 0 no event handler runs.
int endCounter();
void raiseEndCounter();
bool loopEntered();

// The routine run once at the end; empty in this program. Registered by start-up.
void registerEndOfProgramRoutine(std::function<void()> routine);

// Puts the process-wide state back to its start, for tests that run the program many times
// in one process.
void resetProgramStateForTesting();

}  // namespace app
