#include "launch_record.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace launcher_testing {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> variable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
}

void setVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  // Both the C runtime's copy and the process's own block, which new processes get.
  _putenv_s(name.c_str(), value.value_or("").c_str());
  SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
#else
  if (value)
    setenv(name.c_str(), value->c_str(), 1);
  else
    unsetenv(name.c_str());
#endif
}

// A name no other test program running at the same time picks.
std::string uniqueName(const std::string& stem) {
  static std::atomic<int> counter{0};
#ifdef _WIN32
  const unsigned long process = GetCurrentProcessId();
#else
  const unsigned long process = static_cast<unsigned long>(getpid());
#endif
  return stem + "-" + std::to_string(process) + "-" + std::to_string(counter++);
}

}  // namespace

std::string recorderPath() {
#ifdef _WIN32
  // The tests run under Wine, whose drive Z: is the root of the build machine's files.
  std::string path = "Z:" LAUNCH_RECORDER_PATH;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
#else
  return LAUNCH_RECORDER_PATH;
#endif
}

std::string quotedRecorder() {
  return "\"" + recorderPath() + "\"";
}

ScopedVariable::ScopedVariable(std::string name, std::optional<std::string> value)
    : name_(std::move(name)), old_(variable(name_)) {
  setVariable(name_, value);
}

ScopedVariable::~ScopedVariable() {
  setVariable(name_, old_);
}

RecordFile::RecordFile()
    : path_((fs::temp_directory_path() / uniqueName("launch-record")).string()),
      variable_("LAUNCH_RECORDER_FILE", path_) {}

RecordFile::~RecordFile() {
  std::error_code ignored;
  fs::remove(path_, ignored);
}

bool RecordFile::exists() const {
  return fs::exists(path_);
}

std::vector<std::string> RecordFile::lines() const {
  std::vector<std::string> lines;
  std::ifstream in(path_, std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> RecordFile::values(const std::string& key) const {
  std::vector<std::string> values;
  for (const std::string& line : lines())
    if (line.starts_with(key + " ")) values.push_back(line.substr(key.size() + 1));
  return values;
}

int RecordFile::ends() const {
  int ends = 0;
  for (const std::string& line : lines()) ends += line == "end";
  return ends;
}

bool RecordFile::waitForEnds(int count, std::chrono::milliseconds limit) const {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (ends() < count) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

TemporaryFolder::TemporaryFolder()
    : path_((fs::temp_directory_path() / uniqueName("launch-folder")).string()) {
  fs::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

StandInBrowser::StandInBrowser() {
#ifndef _WIN32
  fs::create_symlink(recorderPath(), fs::path(folder_.path()) / "xdg-open");
  const std::optional<std::string> path = variable("PATH");
  path_.emplace("PATH", folder_.path() + (path ? ":" + *path : ""));
#endif
}

}  // namespace launcher_testing
