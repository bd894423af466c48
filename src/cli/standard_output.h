// Standard output for the results: buffered, pushed out in large writes and whenever the
// program is about to wait for more input.
#pragma once

#include <string_view>

namespace cli {

void writeOutput(std::string_view text);
void writeOutputLine(std::string_view text);
// Pushes out what is buffered. Returns false, after saying so on standard error, once any
// write to standard output has failed.
bool flushOutput();

// "appearance-calc: " and the message, as one line on standard error.
void reportProblem(std::string_view message);

}  // namespace cli
