// The process hooks for appearance-calc: a fatal error goes to standard error, and the end
// pushes out the results first.
#pragma once

#include <string>

#include "app/platform.h"

namespace cli {

class ConsolePlatform final : public app::Platform {
 public:
  explicit ConsolePlatform(std::string programFilePath);

  // The fatal error text is GBK; it is written as UTF-8 unless the user works in GBK.
  void writeErrorsInGbk(bool gbk) { errorsInGbk_ = gbk; }

  std::string programFilePath() override { return programFilePath_; }
  char folderSeparator() const override;
  void changeCurrentDirectory(const std::string& folder) override;
  void showFatalError(const std::string& text) override;
  [[noreturn]] void exitProcess(int code) override;

 private:
  std::string programFilePath_;
  bool errorsInGbk_ = false;
};

}  // namespace cli
