#include "win32/edit_box_layout.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace win32 {
namespace {

constexpr UINT_PTR subclassId = 1;

// The height of one character in the box's current font.
int characterHeight(HWND editBox, const wchar_t* character) {
  HDC dc = GetDC(editBox);
  if (dc == nullptr) return 0;
  auto font = reinterpret_cast<HFONT>(SendMessageW(editBox, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  SIZE size{};
  GetTextExtentPoint32W(dc, character, 1, &size);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
  ReleaseDC(editBox, dc);
  return size.cy;
}

// The client rectangle in the coordinates of the window's own top-left corner.
RECT clientInWindow(HWND editBox) {
  RECT window;
  GetWindowRect(editBox, &window);
  RECT client;
  GetClientRect(editBox, &client);
  MapWindowPoints(editBox, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  return client;
}

void centreLineOfText(HWND editBox, RECT& client) {
  const int textHeight = characterHeight(editBox, L"W");
  const int oldHeight = client.bottom - client.top;
  // A font taller than the box keeps the whole inside: the line cannot grow past the border.
  if (textHeight <= 0 || textHeight >= oldHeight) return;
  client.top += (oldHeight - textHeight) / 2;
  client.bottom = client.top + textHeight;
}

// The bands above and below the line of text are white like the text's background; they are
// filled before the border is drawn over the window's edge.
void paintBands(HWND editBox) {
  HDC dc = GetWindowDC(editBox);
  if (dc == nullptr) return;
  RECT window;
  GetWindowRect(editBox, &window);
  RECT inside{0, 0, window.right - window.left, window.bottom - window.top};
  InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  RECT client = clientInWindow(editBox);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(editBox, dc);
}

bool inBands(HWND editBox, POINT screenPoint) {
  RECT window;
  GetWindowRect(editBox, &window);
  RECT client;
  GetClientRect(editBox, &client);
  MapWindowPoints(editBox, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return PtInRect(&window, screenPoint) && !PtInRect(&client, screenPoint);
}

LRESULT CALLBACK editBoxProc(HWND editBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  switch (message) {
    case WM_NCCALCSIZE: {
      LRESULT result = DefSubclassProc(editBox, message, wParam, lParam);
      RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(lParam);
      centreLineOfText(editBox, *client);
      return result;
    }
    case WM_NCPAINT:
      paintBands(editBox);
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(editBox, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      return 1;
    }
    case WM_NCHITTEST: {
      // A press in the bands must not move the caret.
      LRESULT hit = DefSubclassProc(editBox, message, wParam, lParam);
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      return hit == HTCLIENT || !inBands(editBox, point) ? hit : HTBORDER;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(editBox, editBoxProc, subclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(editBox, message, wParam, lParam);
}

}  // namespace

void layOutEditBox(HWND editBox) {
  RECT window;
  GetWindowRect(editBox, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int lineHeight = characterHeight(editBox, L"吴") + 2 * GetSystemMetrics(SM_CYEDGE);

  SetWindowSubclass(editBox, editBoxProc, subclassId, 0);
  // The client rectangle is computed anew with the centring in place, at the new height if
  // the box was too low.
  UINT flags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  if (height >= lineHeight) flags |= SWP_NOSIZE;
  SetWindowPos(editBox, nullptr, 0, 0, width, std::max(height, lineHeight), flags);
}

}  // namespace win32
