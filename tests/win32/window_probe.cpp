// Looks at the running program's window from outside, as a test of real X input needs:
// prints the selected page, the focused control, every edit box's text and the screen
// positions of the buttons and page headers, one "key=value" line each, in UTF-8.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "encoding/gbk_conversion.h"
#include "ui/window_definition.h"
#include "utf8_text.h"

namespace {

const ui::WindowDefinition& definition() {
  return ui::mainWindowDefinition();
}

std::string nameOf(HWND control) {
  const int id = control != nullptr ? GetDlgCtrlID(control) - 1 : -1;
  if (id < 0 || static_cast<std::size_t>(id) >= definition().controls.size()) return "";
  return encoding::gbkToUtf8(definition().controls[static_cast<std::size_t>(id)].name);
}

void printCentre(const std::string& what, RECT rect, HWND relativeTo) {
  MapWindowPoints(relativeTo, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  std::printf("centre %s=%ld,%ld\n", what.c_str(), (rect.left + rect.right) / 2,
              (rect.top + rect.bottom) / 2);
}

// TCM_GETITEMRECT carries a pointer, which cannot cross into the program's process: a tab
// control of the same size, font and captions made here has its headers at the same places.
void printHeaderCentres(HWND programTabs) {
  const ui::ControlDefinition& tabs = definition().controls[ui::tabControlOf(definition())];
  HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                               nullptr, nullptr);
  HWND copy = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD, 0, 0, tabs.rect.width,
                              tabs.rect.height, frame, nullptr, nullptr, nullptr);
  SendMessageW(copy, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  int page = 0;
  for (std::string_view caption : tabs.tabControl->pageCaptions) {
    std::u16string text = encoding::gbkToUtf16(caption);
    std::wstring wide(text.begin(), text.end());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    SendMessageW(copy, TCM_INSERTITEMW, page++, reinterpret_cast<LPARAM>(&item));
  }
  for (int header = 0; header < page; ++header) {
    RECT rect{};
    SendMessageW(copy, TCM_GETITEMRECT, header, reinterpret_cast<LPARAM>(&rect));
    printCentre("header" + std::to_string(header), rect, programTabs);
  }
  DestroyWindow(frame);
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
  const std::string name = nameOf(control);
  wchar_t className[32] = {};
  GetClassNameW(control, className, 32);
  if (lstrcmpiW(className, L"Edit") == 0) {
    // WM_GETTEXT crosses the process boundary; GetWindowText would not ask the box.
    std::wstring text(65536, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    std::printf("text %s=%s\n", name.c_str(), win32_testing::utf8FromWide(text).c_str());
  } else if (lstrcmpiW(className, L"Button") == 0) {
    RECT rect;
    GetClientRect(control, &rect);
    printCentre(name, rect, control);
  } else if (lstrcmpiW(className, WC_TABCONTROLW) == 0) {
    std::printf("page=%ld\n", static_cast<long>(SendMessageW(control, TCM_GETCURSEL, 0, 0)));
    printHeaderCentres(control);
  }
  return TRUE;
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  HWND main = FindWindowW(L"QuellmarAppearanceCalculator", nullptr);
  if (main == nullptr) {
    std::printf("window=none\n");
    return 1;
  }
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &thread);
  std::printf("window=%s\n", IsWindowVisible(main) ? "shown" : "hidden");
  std::printf("active=%s\n", thread.hwndActive == main ? "yes" : "no");
  std::printf("focus=%s\n", nameOf(thread.hwndFocus).c_str());
  EnumChildWindows(main, printControl, 0);
  return 0;
}
