#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "cli/console.h"

namespace cli {

const bool kArgumentsAreUtf8 = false;

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  if (argc < 1) return {};
  return {argv + 1, argv + argc};
}

void prepareStandardStreams() {
  std::setvbuf(stdout, nullptr, _IOFBF, 64 * 1024);
}

std::ptrdiff_t readStandardInput(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

}  // namespace cli
