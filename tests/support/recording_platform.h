// An app::Platform that records what the program asks of the process, keeps the fatal error
// text, and ends the program by throwing ProgramEnded, so that a test sees the end and its code.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/platform.h"
#include "call_log.h"

namespace testing_support {

// Thrown by RecordingPlatform::exitProcess in place of ending the process.
struct ProgramEnded {
  int code;
};

class RecordingPlatform final : public app::Platform {
 public:
  // Calls are recorded in `log` when given (shared with a FakeWindowing), else in its own.
  explicit RecordingPlatform(CallLog* log = nullptr);

  std::string programPath = "C:\\Games\\Quellmar\\appearance-calculator.exe";
  char separator = '\\';

  // Runs while the error box is open, as a user clicking the window behind it.
  std::function<void()> whileErrorShown;

  std::optional<std::string> fatalErrorText;  // the last box shown
  std::optional<std::string> currentDirectory;
  const CallLog& log() const { return *log_; }

  void initialiseOle() override;
  void releaseOle() override;
  void createServiceWindow() override;
  void destroyServiceWindow() override;
  std::string programFilePath() override;
  char folderSeparator() const override;
  void changeCurrentDirectory(const std::string& folder) override;
  void showFatalError(const std::string& text) override;
  [[noreturn]] void exitProcess(int code) override;

 private:
  CallLog ownLog_;
  CallLog* log_;
};

}  // namespace testing_support
