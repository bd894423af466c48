#include "cli/console_platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "encoding/gbk_conversion.h"

namespace cli {

ConsolePlatform::ConsolePlatform(std::string programFilePath)
    : programFilePath_(std::move(programFilePath)) {}

char ConsolePlatform::folderSeparator() const {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

void ConsolePlatform::changeCurrentDirectory(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::current_path(folder, ignored);
}

void ConsolePlatform::showFatalError(const std::string& text) {
  const std::string shown = errorsInGbk_ ? text : encoding::gbkToUtf8(text);
  std::fwrite(shown.data(), 1, shown.size(), stderr);
  std::fflush(stderr);
}

void ConsolePlatform::exitProcess(int code) {
  // The results computed before the end are still the user's.
  std::fflush(stdout);
  if (code == -1) std::_Exit(-1);
  std::exit(code);
}

}  // namespace cli
