// A program for the launcher's tests to start. It appends what it was started with to the file
// that LAUNCH_RECORDER_FILE names (nothing at all without it, so that it can stand in for the
// web browser harmlessly), in UTF-8 lines:
//   start <process id>
//   line <the command line as the process got it>      (Windows)
//   show <wShowWindow> <1 if STARTF_USESHOWWINDOW>      (Windows)
//   cwd <current directory>
//   arg <argument>                                      (one per argument after the program)
//   fd <descriptor>                                     (Linux: each one it inherited)
//   signals <blocked> <ignored>                         (Linux: as /proc/self/status has them)
// and, after waiting LAUNCH_RECORDER_SLEEP_MS milliseconds (0 without it), "end".
// On Windows it is a GUI program, as WaitForInputIdle returns at once for a console program; it
// counts as ready only with LAUNCH_RECORDER_IDLE, which makes it wait for input while it waits; and
// LAUNCH_RECORDER_INSTALL_AT=<path> copies the program to <path> instead (a test fixture makes it
// the stand-in browser so).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

namespace {

struct Record {
  std::vector<std::string> lines;
  void add(const std::string& key, const std::string& value) { lines.push_back(key + " " + value); }
};

#ifdef _WIN32
std::string utf8(const wchar_t* wide) {
  int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  return text;
}

std::wstring environmentVariable(const wchar_t* name) {
  wchar_t value[32768];
  DWORD length = GetEnvironmentVariableW(name, value, 32768);
  return length > 0 && length < 32768 ? std::wstring(value, length) : std::wstring();
}

std::string contents(const wchar_t* path) {
  std::string bytes;
  if (std::FILE* in = _wfopen(path, L"rb")) {
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
      bytes.append(buffer, got);
    std::fclose(in);
  }
  return bytes;
}

std::string describeStart(Record& record) {
  record.add("start", std::to_string(GetCurrentProcessId()));
  record.add("line", utf8(GetCommandLineW()));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  record.add("show", std::to_string(startup.wShowWindow) + " " +
                         ((startup.dwFlags & STARTF_USESHOWWINDOW) ? "1" : "0"));
  wchar_t folder[32768];
  GetCurrentDirectoryW(32768, folder);
  record.add("cwd", utf8(folder));
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) record.add("arg", utf8(arguments[i]));
  LocalFree(arguments);
  return utf8(environmentVariable(L"LAUNCH_RECORDER_FILE").c_str());
}

void waitAfterStart(int milliseconds) {
  if (environmentVariable(L"LAUNCH_RECORDER_IDLE").empty()) {
    Sleep(static_cast<DWORD>(milliseconds));
    return;
  }
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // makes the message queue
  const DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (DWORD now = GetTickCount(); static_cast<int>(until - now) > 0; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}
#else
std::string describeStart(Record& record, int argc, char** argv) {
  record.add("start", std::to_string(getpid()));
  char folder[4096];
  record.add("cwd", getcwd(folder, sizeof folder) ? folder : "?");
  for (int i = 1; i < argc; ++i) record.add("arg", argv[i]);
  if (DIR* descriptors = opendir("/proc/self/fd")) {
    while (dirent* entry = readdir(descriptors))
      if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != dirfd(descriptors))
        record.add("fd", entry->d_name);
    closedir(descriptors);
  }
  std::string blocked, ignored;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("SigBlk:")) blocked = line.substr(line.find_last_of(" \t") + 1);
    if (line.starts_with("SigIgn:")) ignored = line.substr(line.find_last_of(" \t") + 1);
  }
  record.add("signals", blocked + " " + ignored);
  const char* file = std::getenv("LAUNCH_RECORDER_FILE");
  return file ? file : "";
}

void waitAfterStart(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
#endif

void append(const std::string& file, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  if (std::FILE* out = std::fopen(file.c_str(), "ab")) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
  }
}

}  // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
  Record record;
#ifdef _WIN32
  const std::wstring installAt = environmentVariable(L"LAUNCH_RECORDER_INSTALL_AT");
  if (!installAt.empty()) {
    wchar_t self[32768];
    GetModuleFileNameW(nullptr, self, 32768);
    // Another test run may be starting the copy already there: leave an identical one alone.
    return contents(self) == contents(installAt.c_str()) ||
                   CopyFileW(self, installAt.c_str(), FALSE)
               ? 0
               : 1;
  }
  const std::string file = describeStart(record);
#else
  const std::string file = describeStart(record, argc, argv);
#endif
  if (file.empty()) return 0;
  append(file, record.lines);
  const char* sleep = std::getenv("LAUNCH_RECORDER_SLEEP_MS");
  waitAfterStart(sleep ? std::atoi(sleep) : 0);
  append(file, {"end"});
  return 0;
}
