// Starting programs on Windows: CreateProcessW with the command line as it is, so Windows itself
// splits off the program.
#include <windows.h>
// after windows.h, which it needs; only its declarations
#include <shlwapi.h>

#include "encoding/gbk_conversion.h"
#include "launcher/run_program.h"
#include "launcher/show_command.h"

namespace launcher {
namespace {

constexpr DWORD readyWaitMilliseconds = 1000;

// wchar_t is UTF-16 on Windows: the edge's conversions carry over unit for unit.
std::wstring gbkToWide(std::string_view gbk) {
  const std::u16string utf16 = encoding::gbkToUtf16(gbk);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string wideToGbk(std::wstring_view wide) {
  return encoding::utf16ToGbk(std::u16string(wide.begin(), wide.end()));
}

bool isFile(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(gbkToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The program that the user's system opens http addresses with, if it names one. Shlwapi is
// loaded only here, from the system folder, so that the program's start-up does not pay for it.
std::string defaultWebBrowser() {
  using AssocQueryString = HRESULT(WINAPI*)(ASSOCF, ASSOCSTR, LPCWSTR, LPCWSTR, LPWSTR, DWORD*);
  HMODULE shlwapi = LoadLibraryExW(L"shlwapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!shlwapi) return {};
  const auto query = reinterpret_cast<AssocQueryString>(
      reinterpret_cast<void*>(GetProcAddress(shlwapi, "AssocQueryStringW")));
  std::wstring path(32768, L'\0');  // the longest path Windows has
  DWORD size = static_cast<DWORD>(path.size());
  const bool found =
      query && query(0, ASSOCSTR_EXECUTABLE, L"http", L"open", path.data(), &size) == S_OK;
  FreeLibrary(shlwapi);
  if (!found) return {};
  path.resize(path.find(L'\0'));
  return wideToGbk(path);
}

// In double quotes a path with blanks names exactly one program: unquoted, CreateProcess would
// try "C:\Program.exe" and "C:\Program Files\Internet.exe" first.
std::string quoted(std::string_view path) {
  return "\"" + std::string(path) + "\"";
}

}  // namespace

bool runProgram(const std::string& commandLine, bool waitForExit, std::int32_t showMode) {
  // CreateProcessW may write into the line it is given.
  std::wstring line = gbkToWide(std::string_view(commandLine).substr(0, commandLine.find('\0')));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommandFor(showMode));
  PROCESS_INFORMATION process{};
  if (line.empty() || !CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process))
    return false;
  // What the wait ends with makes no difference.
  if (waitForExit)
    WaitForSingleObject(process.hProcess, INFINITE);
  else
    WaitForInputIdle(process.hProcess, readyWaitMilliseconds);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::string webBrowserCommand(std::string_view preferredBrowser) {
  if (isFile(preferredBrowser)) return quoted(preferredBrowser);
  const std::string fallback = defaultWebBrowser();
  return quoted(fallback.empty() ? preferredBrowser : fallback);
}

}  // namespace launcher
