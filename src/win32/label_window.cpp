#include "win32/label_window.h"

#include <string>

namespace win32 {
namespace {

// The label keeps its line layout in its one window extra.
constexpr int layoutSlot = 0;

UINT drawTextFlags(ui::LineLayout layout) {
  // Without DT_SINGLELINE, DT_VCENTER does nothing: a wrapped text starts at the top.
  return layout == ui::LineLayout::wordWrapped ? DT_LEFT | DT_NOCLIP | DT_WORDBREAK | DT_VCENTER
                                               : DT_LEFT | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;
}

void paint(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT client;
  GetClientRect(label, &client);
  RECT area;
  if (dc != nullptr && IntersectRect(&area, &paint.rcPaint, &client)) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    int length = GetWindowTextLengthW(label);
    if (length > 0) {
      std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
      length = GetWindowTextW(label, text.data(), length + 1);
      HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkMode(dc, TRANSPARENT);
      auto layout = static_cast<ui::LineLayout>(GetWindowLongPtrW(label, layoutSlot));
      DrawTextW(dc, text.c_str(), length, &client, drawTextFlags(layout));
      SelectObject(dc, oldFont);
    }
  }
  EndPaint(label, &paint);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(label, layoutSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT:
      paint(label);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
    default:
      break;
  }
  return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, labelClassName, &existing)) return true;

  WNDCLASSEXW labelClass{};
  labelClass.cbSize = sizeof labelClass;
  labelClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  labelClass.lpfnWndProc = labelProc;
  labelClass.cbWndExtra = sizeof(LONG_PTR);
  labelClass.hInstance = instance;
  labelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // Erasing paints nothing: the label paints its whole background itself.
  labelClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  labelClass.lpszClassName = labelClassName;
  return RegisterClassExW(&labelClass) != 0;
}

HWND createLabel(HINSTANCE instance, HWND parent, DWORD style, const ui::Rect& rect,
                 const wchar_t* text, ui::LineLayout layout, int childId) {
  return CreateWindowExW(0, labelClassName, text, style, rect.left, rect.top, rect.width,
                         rect.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), instance,
                         reinterpret_cast<void*>(static_cast<INT_PTR>(layout)));
}

}  // namespace win32
