// What the process needs of Windows: OLE, the hidden service window, the program's own path,
// the current directory, the fatal error box and the end of the process.
#pragma once

#include <windows.h>

#include <string>

#include "app/platform.h"

namespace win32 {

class Win32Platform final : public app::Platform {
 public:
  explicit Win32Platform(HINSTANCE instance) : instance_(instance) {}

  void initialiseOle() override;
  void releaseOle() override;
  void createServiceWindow() override;
  void destroyServiceWindow() override;
  std::string programFilePath() override;
  char folderSeparator() const override { return '\\'; }
  void changeCurrentDirectory(const std::string& folder) override;
  void showFatalError(const std::string& text) override;
  [[noreturn]] void exitProcess(int code) override;

  HWND serviceWindow() const { return serviceWindow_; }

 private:
  HINSTANCE instance_;
  HWND serviceWindow_ = nullptr;
  // The program's path as Windows gives it, and as GBK for the core.
  std::wstring widePath_;
  std::string gbkPath_;
};

}  // namespace win32
