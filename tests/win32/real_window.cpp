#include "real_window.h"

#include <commctrl.h>

#include "app/handlers.h"

namespace win32_testing {
namespace {

const ui::WindowDefinition& definition() {
  return ui::mainWindowDefinition();
}

ui::ControlId idOf(std::string_view name) {
  return ui::findControl(definition(), name).value();
}

// The program's own handlers; unless the site is to be opened, the About lines count their
// presses instead.
ui::HandlerTable handlers(AboutPresses presses, int& webSiteOpenings) {
  ui::HandlerTable handlers = app::resolveBindings(definition());
  if (presses == AboutPresses::openTheSite) return handlers;
  for (auto& [binding, handler] : handlers)
    if (binding.second == ui::Event::leftButtonPressed)
      handler = [&webSiteOpenings](const ui::EventArgs&) -> std::optional<bool> {
        ++webSiteOpenings;
        return std::nullopt;
      };
  return handlers;
}

// Holds Ctrl, Shift and Alt for the thread while a key message is handled.
class HeldModifiers {
 public:
  explicit HeldModifiers(ui::Modifiers held) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    auto hold = [&](int key, bool down) { state[key] = down ? 0x80 : 0; };
    hold(VK_CONTROL, held & ui::ctrlKey);
    hold(VK_LCONTROL, held & ui::ctrlKey);
    hold(VK_SHIFT, held & ui::shiftKey);
    hold(VK_LSHIFT, held & ui::shiftKey);
    hold(VK_MENU, held & ui::altKey);
    hold(VK_LMENU, held & ui::altKey);
    SetKeyboardState(state);
  }
  ~HeldModifiers() { SetKeyboardState(saved_); }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  BYTE saved_[256];
};

LPARAM keyParameter(UINT virtualKey, bool release, bool altHeld) {
  LPARAM scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM parameter = 1 | (scanCode << 16);
  if (altHeld) parameter |= LPARAM{1} << 29;
  if (release) parameter |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return parameter;
}

}  // namespace

RealWindow::RealWindow(AboutPresses presses)
    : windowing(GetModuleHandleW(nullptr)),
      model(definition(), windowing, handlers(presses, webSiteOpenings_),
            ui::ModelHooks{.windowEnded = [this] { windowing.postQuit(0); }}) {
  ui::loadWindow(ui::WindowId::mainWindow);
  if (model.loadMainWindow()) handleMessages();
}

RealWindow::~RealWindow() {
  model.destroy();
  ui::unloadWindow(ui::WindowId::mainWindow);
  // The quit request of the end must not reach the next test.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void RealWindow::handleMessages() {
  // Some messages (paint, activation from the X server) are produced by others: wait a
  // moment for them after the queue runs dry.
  for (int quiet = 0; quiet < 2;) {
    if (std::optional<int> code = windowing.handleWaitingMessages()) quitCode_ = code;
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT) == WAIT_TIMEOUT) ++quiet;
  }
}

void RealWindow::pressKey(UINT virtualKey, ui::Modifiers held) {
  HWND target = GetFocus() != nullptr ? GetFocus() : windowing.mainWindow();
  HeldModifiers modifiers(held);
  const bool system = (held & ui::altKey) != 0;
  PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey,
               keyParameter(virtualKey, false, system));
  PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
               keyParameter(virtualKey, true, system));
  handleMessages();
}

void RealWindow::type(std::wstring_view text) {
  HWND target = GetFocus();
  for (wchar_t unit : text) PostMessageW(target, WM_CHAR, unit, 1);
  handleMessages();
}

void RealWindow::postMouse(HWND target, UINT message, int x, int y) {
  const WPARAM buttons = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? MK_LBUTTON
                         : message == WM_RBUTTONDOWN                              ? MK_RBUTTON
                                                                                  : 0;
  PostMessageW(target, message, buttons, MAKELPARAM(x, y));
}

void RealWindow::click(std::string_view control) {
  HWND target = window(control);
  RECT client;
  GetClientRect(target, &client);
  postMouse(target, WM_LBUTTONDOWN, client.right / 2, client.bottom / 2);
  postMouse(target, WM_LBUTTONUP, client.right / 2, client.bottom / 2);
  handleMessages();
}

void RealWindow::clickHeader(int page) {
  HWND tabs = window("选择夹1");
  RECT header{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&header));
  const int x = (header.left + header.right) / 2;
  const int y = (header.top + header.bottom) / 2;
  postMouse(tabs, WM_LBUTTONDOWN, x, y);
  postMouse(tabs, WM_LBUTTONUP, x, y);
  handleMessages();
}

void RealWindow::pressOn(std::string_view control, int x, int y, bool twice) {
  HWND target = window(control);
  postMouse(target, WM_LBUTTONDOWN, x, y);
  postMouse(target, WM_LBUTTONUP, x, y);
  if (twice) {
    postMouse(target, WM_LBUTTONDBLCLK, x, y);
    postMouse(target, WM_LBUTTONUP, x, y);
  }
  handleMessages();
}

void RealWindow::rightPressOn(std::string_view control, int x, int y) {
  HWND target = window(control);
  postMouse(target, WM_RBUTTONDOWN, x, y);
  postMouse(target, WM_RBUTTONUP, x, y);
  handleMessages();
}

void RealWindow::switchAwayAndBack() {
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(other);
  handleMessages();
  SetActiveWindow(windowing.mainWindow());
  handleMessages();
  DestroyWindow(other);
  handleMessages();
}

std::string RealWindow::focusName() {
  std::optional<ui::ControlId> focused = windowing.focusedControl();
  return focused ? std::string(definition().controls[*focused].name) : std::string();
}

bool RealWindow::isVisible(std::string_view control) {
  return IsWindowVisible(window(control)) != FALSE;
}

std::wstring RealWindow::text(std::string_view control) {
  HWND target = window(control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(target)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(target, text.data(), static_cast<int>(text.size()))));
  return text;
}

int RealWindow::selectedPage() {
  return static_cast<int>(SendMessageW(window("选择夹1"), TCM_GETCURSEL, 0, 0));
}

HWND RealWindow::window(std::string_view control) const {
  return windowing.controlWindow(idOf(control));
}

}  // namespace win32_testing
