// A program that starts like the Windows program but with a window definition that cannot
// be read: start-up reports the fatal error. Before the box shows, it prints its current
// directory (UTF-8) on standard output, so that a test sees where start-up put it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/program.h"
#include "win32/platform.h"
#include "win32/windowing.h"

namespace {

class ReportingPlatform final : public app::Platform {
 public:
  explicit ReportingPlatform(HINSTANCE instance) : real_(instance) {}
  void initialiseOle() override { real_.initialiseOle(); }
  void releaseOle() override { real_.releaseOle(); }
  void createServiceWindow() override { real_.createServiceWindow(); }
  void destroyServiceWindow() override { real_.destroyServiceWindow(); }
  std::string programFilePath() override { return real_.programFilePath(); }
  char folderSeparator() const override { return real_.folderSeparator(); }
  void changeCurrentDirectory(const std::string& folder) override {
    real_.changeCurrentDirectory(folder);
  }
  void showFatalError(const std::string& text) override {
    wchar_t folder[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH * 4, folder);
    char utf8[MAX_PATH * 16];
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, folder, static_cast<int>(length), utf8,
                                          sizeof utf8, nullptr, nullptr);
    std::fwrite(utf8, 1, static_cast<std::size_t>(bytes), stdout);
    std::fflush(stdout);
    real_.showFatalError(text);
  }
  [[noreturn]] void exitProcess(int code) override { real_.exitProcess(code); }

 private:
  win32::Win32Platform real_;
};

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  ReportingPlatform platform(instance);
  win32::Win32Windowing windowing(instance);
  static const ui::WindowDefinition unreadable{};
  app::endProgram(app::startProgram(platform, windowing, unreadable));
}
