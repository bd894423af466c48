// The program's real Win32 window, built by the window model over the real windowing layer,
// and a user who drives it with real window messages.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/window_model.h"
#include "win32/windowing.h"

namespace win32_testing {

// What the About lines' handler does: count the presses, or open the web site for real.
enum class AboutPresses { counted, openTheSite };

class RealWindow {
 public:
  explicit RealWindow(AboutPresses presses = AboutPresses::counted);
  ~RealWindow();
  RealWindow(const RealWindow&) = delete;
  RealWindow& operator=(const RealWindow&) = delete;

  // --- The user. Each action is followed by handling every message it caused.
  // A key press and release on the focused window, with Ctrl, Shift and Alt as held.
  void pressKey(UINT virtualKey, ui::Modifiers held = 0);
  // Characters typed into the focused window.
  void type(std::wstring_view text);
  // The left button pressed and released in the middle of a control.
  void click(std::string_view control);
  void clickHeader(int page);
  // A left-button press and release at x, y in the control; twice in a row makes the second
  // press a double click, as the system reports it.
  void pressOn(std::string_view control, int x, int y, bool twice = false);
  void rightPressOn(std::string_view control, int x, int y);
  // Another window of the desktop becomes active, then this one again.
  void switchAwayAndBack();

  // --- What the window shows.
  bool exists() const { return windowing.mainWindow() != nullptr; }
  std::string focusName();  // "" when no control has the focus
  bool isVisible(std::string_view control);
  std::wstring text(std::string_view control);
  int selectedPage();
  HWND window(std::string_view control) const;
  std::optional<int> quitCode() const { return quitCode_; }
  int webSiteOpenings() const { return webSiteOpenings_; }

  win32::Win32Windowing windowing;
  ui::MainWindow model;

 private:
  void handleMessages();
  void postMouse(HWND target, UINT message, int x, int y);

  std::optional<int> quitCode_;
  int webSiteOpenings_ = 0;
};

}  // namespace win32_testing
