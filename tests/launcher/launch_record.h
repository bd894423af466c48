// Recording the programs that the launcher starts, for the launcher's and the front ends' tests:
// the helper program launch_recorder, the file it records each start into, and the stand-in web
// browser made of it.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace launcher_testing {

// A UTF-8 literal as the bytes the helper records.
inline std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

// The helper's path, in double quotes, ready to head a command line.
std::string quotedRecorder();
// The helper's path as it is.
std::string recorderPath();

// Sets an environment variable for its lifetime (nullopt: removes it), then restores it.
class ScopedVariable {
 public:
  ScopedVariable(std::string name, std::optional<std::string> value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// A fresh record file that every helper started meanwhile appends to (LAUNCH_RECORDER_FILE).
class RecordFile {
 public:
  RecordFile();
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  bool exists() const;
  // The values of the lines with this key, in order ("arg", "cwd", "show", ...).
  std::vector<std::string> values(const std::string& key) const;
  int starts() const { return static_cast<int>(values("start").size()); }
  int ends() const;
  // Waits until `count` helpers have recorded their end, or the limit has passed.
  bool waitForEnds(int count, std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

 private:
  std::vector<std::string> lines() const;
  std::string path_;
  ScopedVariable variable_;
};

// A folder of its own for a test, removed with everything in it afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Makes launch_recorder the web browser that a press on the About page starts, recording into
// `record`. Linux: it is linked as xdg-open into a folder put first in PATH. Windows: the test
// must name the fixture that has put it at Internet Explorer's path in the Wine prefix
// (FIXTURES_REQUIRED stand_in_browser).
class StandInBrowser {
 public:
  StandInBrowser();
  RecordFile record;

 private:
  TemporaryFolder folder_;
  std::optional<ScopedVariable> path_;
};

// Milliseconds that `action` took.
template <typename Action>
long long millisecondsTaken(Action&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start)
      .count();
}

}  // namespace launcher_testing
