// The process as a whole on Linux with Qt: the program's own file, the current directory, the
// fatal error box and the end of the process. It also starts Qt itself.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "app/platform.h"

namespace qtfront {

class QtPlatform final : public app::Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // Installs this platform for the fatal error report and starts Qt, which is shown only the
  // program's name. Where no window can be shown at all (no display), the program ends here
  // with the fatal error "载入启动窗口失败", its text on standard error.
  void startApplication();

  std::string programFilePath() override;
  char folderSeparator() const override { return '/'; }
  void changeCurrentDirectory(const std::string& folder) override;
  void showFatalError(const std::string& text) override;
  [[noreturn]] void exitProcess(int code) override;

 private:
  std::unique_ptr<QApplication> application_;
};

}  // namespace qtfront
