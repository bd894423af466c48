// Runs the program from start-up to its end against the test doubles.
#pragma once

#include <functional>

#include "fake_windowing.h"
#include "recording_platform.h"
#include "ui/window_definition.h"

namespace testing_support {

// Starts the program from a fresh program state, runs windowing.script in the event loop, runs
// the end procedure with the loop's code, and gives back the exit code (every way of ending
// passes through platform.exitProcess).
int runWholeProgram(
    RecordingPlatform& platform, FakeWindowing& windowing,
    const ui::WindowDefinition& definition = ui::mainWindowDefinition(),
    std::function<void()> endOfProgramRoutine = [] {});

}  // namespace testing_support
