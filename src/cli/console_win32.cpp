// <windows.h> first: <shellapi.h> builds on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <climits>
#include <cstdio>

#include "cli/console.h"

namespace cli {
namespace {

std::string utf8FromWide(const wchar_t* text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1) return {};
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
  out.pop_back();  // the terminating NUL
  return out;
}

}  // namespace

const bool kArgumentsAreUtf8 = true;

// The narrow argv holds the arguments in the ANSI code page, which loses every character that
// page lacks; the Unicode command line keeps them all.
std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

void prepareStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::setvbuf(stdout, nullptr, _IOFBF, 64 * 1024);
}

std::ptrdiff_t readStandardInput(char* buffer, std::size_t size) {
  const unsigned chunk = size > INT_MAX ? INT_MAX : static_cast<unsigned>(size);
  return _read(_fileno(stdin), buffer, chunk);
}

}  // namespace cli
