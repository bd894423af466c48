#include "win32/group_box.h"

#include <commctrl.h>

namespace win32 {
namespace {

constexpr UINT_PTR subclassId = 1;

// Only the area about to be painted is filled: the system draws the frame only there.
void fillUpdateArea(HWND groupBox) {
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  if (update == nullptr) return;
  if (GetUpdateRgn(groupBox, update, FALSE) > NULLREGION) {
    // 标签5 lives inside the box and paints itself: the fill leaves it alone.
    if (HDC dc = GetDCEx(groupBox, nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS)) {
      SelectClipRgn(dc, update);
      RECT client;
      GetClientRect(groupBox, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      ReleaseDC(groupBox, dc);
    }
  }
  DeleteObject(update);
}

LRESULT CALLBACK groupBoxProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_PAINT) fillUpdateArea(groupBox);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(groupBox, groupBoxProc, subclassId);
  return DefSubclassProc(groupBox, message, wParam, lParam);
}

}  // namespace

void fillGroupBoxBackground(HWND groupBox) {
  SetWindowSubclass(groupBox, groupBoxProc, subclassId, 0);
}

}  // namespace win32
