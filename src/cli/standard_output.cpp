#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace cli {

void writeOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void writeOutputLine(std::string_view text) {
  writeOutput(text);
  std::fputc('\n', stdout);
}

bool flushOutput() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  reportProblem(std::string("cannot write to standard output: ") + std::strerror(errno));
  return false;
}

void reportProblem(std::string_view message) {
  std::fprintf(stderr, "appearance-calc: %.*s\n", static_cast<int>(message.size()), message.data());
  std::fflush(stderr);
}

}  // namespace cli
