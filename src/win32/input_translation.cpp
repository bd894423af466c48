#include "win32/input_translation.h"

#include "win32/windowing.h"

namespace win32 {
namespace {

std::optional<ui::Key> keyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB:
      return ui::Key::tab;
    case VK_ESCAPE:
      return ui::Key::escape;
    case VK_RETURN:
      return ui::Key::enter;
    default:
      return std::nullopt;
  }
}

bool isKeyHeld(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

bool isInMainWindow(HWND target, HWND mainWindow) {
  return mainWindow != nullptr && (target == mainWindow || IsChild(mainWindow, target));
}

}  // namespace

ui::Modifiers heldModifiers() {
  ui::Modifiers held = 0;
  if (isKeyHeld(VK_CONTROL)) held |= ui::ctrlKey;
  if (isKeyHeld(VK_SHIFT)) held |= ui::shiftKey;
  if (isKeyHeld(VK_MENU)) held |= ui::altKey;
  return held;
}

bool offerInputToCore(const MSG& message, const Win32Windowing& windowing, ui::InputSink& sink) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      // Alt turns key presses into system keys; they are offered all the same.
      std::optional<ui::Key> key = keyOf(message.wParam);
      if (!key || !isInMainWindow(message.hwnd, windowing.mainWindow())) return false;
      return sink.offerKeyPress(*key, heldModifiers());
    }
    case WM_LBUTTONDOWN: {
      // A second press that the system reports as a double click is not offered.
      std::optional<ui::ControlId> control = windowing.controlOf(message.hwnd);
      if (!control) return false;
      return sink.offerLeftButtonPress(*control, LOWORD(message.lParam), HIWORD(message.lParam),
                                       heldModifiers());
    }
    default:
      return false;
  }
}

}  // namespace win32
