// Starting another program from a command line, and the program that opens web addresses.
// Each platform has its own definitions (run_program_posix.cpp, run_program_win32.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

// Starts the program that heads `commandLine` (GBK, up to its first NUL byte) with the rest of
// the line as its arguments, in the caller's environment and current directory, and shows its
// first window as `showMode` asks (see showCommandFor). With `waitForExit` it returns once the
// program has ended, however long that takes; otherwise once the program is ready for input or
// 1000 ms have passed. False, at once and with nothing shown, when the program could not be
// started. The started program runs on by itself; nothing about it is kept.
bool runProgram(const std::string& commandLine, bool waitForExit = false,
                std::int32_t showMode = 2);

// The head of a command line that opens a web address given after it: `preferredBrowser` (GBK)
// in double quotes where the platform can run that program file, else the user's default web
// browser, quoted where needed.
std::string webBrowserCommand(std::string_view preferredBrowser);

}  // namespace launcher
