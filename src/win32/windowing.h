// The windowing layer on the raw Win32 API: the main window, its controls and the message
// loop, as the window model asks for them.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "ui/windowing.h"

namespace win32 {

class Win32Windowing final : public ui::Windowing {
 public:
  explicit Win32Windowing(HINSTANCE instance);
  ~Win32Windowing() override;
  Win32Windowing(const Win32Windowing&) = delete;
  Win32Windowing& operator=(const Win32Windowing&) = delete;

  ui::ScreenSize primaryScreenSize() override;
  bool createMainWindow(const ui::MainWindowProperties& properties, ui::Rect outer,
                        ui::InputSink& sink) override;
  bool createControl(ui::ControlId id, const ui::ControlDefinition& control,
                     std::int32_t selectedPage) override;
  void reparentControl(ui::ControlId child, ui::ControlId parent) override;
  void setControlShown(ui::ControlId id, bool shown) override;
  void showMainWindow() override;
  void destroyMainWindow() override;
  void setFocus(ui::ControlId id) override;
  std::optional<ui::ControlId> focusedControl() override;
  std::string controlText(ui::ControlId id) override;
  void setControlText(ui::ControlId id, std::string_view text) override;
  std::int32_t selectedPage(ui::ControlId tabControl) override;
  void postQuit(int code) override;
  int runMessageLoop() override;

  // Handles every message already waiting, each as the loop does; returns the quit code if
  // the quit request was among them. For tests that drive the window step by step.
  std::optional<int> handleWaitingMessages();

  HWND mainWindow() const { return main_; }
  // The control's window, or null when it has not been created.
  HWND controlWindow(ui::ControlId id) const;
  // The control whose window this is, if it is one of the main window's controls.
  std::optional<ui::ControlId> controlOf(HWND window) const;

 private:
  static LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK tabControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self);
  LRESULT handleMainWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // WM_COMMAND and the colour requests of the controls, which reach the main window or the
  // tab control depending on whom the control takes for its parent.
  std::optional<LRESULT> handleControlNotification(UINT message, WPARAM wParam, LPARAM lParam);
  // Offers the message to the core, then translates and dispatches it unless consumed.
  void deliver(MSG& message);
  HWND createControlWindow(ui::ControlId id, const ui::ControlDefinition& control);
  HWND parentWindowFor(const ui::ControlDefinition& control) const;
  void windowEnded();

  HINSTANCE instance_;
  HWND main_ = nullptr;
  HICON icon_ = nullptr;
  ui::InputSink* sink_ = nullptr;
  std::vector<HWND> controls_;
  std::vector<ui::ControlKind> kinds_;
  std::vector<std::string_view> names_;
  bool replacingText_ = false;
};

}  // namespace win32
