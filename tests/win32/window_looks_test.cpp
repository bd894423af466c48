// How the real window is built: its frame, place and icons, and each kind of control with
// its classes, styles, parents, rectangles and painting.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "real_window.h"

namespace win32_testing {
namespace {

const ui::WindowDefinition& definition() {
  return ui::mainWindowDefinition();
}

LONG styleOf(HWND window) {
  return GetWindowLongW(window, GWL_STYLE);
}
LONG extendedStyleOf(HWND window) {
  return GetWindowLongW(window, GWL_EXSTYLE);
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT rectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int characterHeight(HWND window, const wchar_t* character) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, character, 1, &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cy;
}

// What the window shows at a point of its client area, as painted.
COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

class RealWindowLooks : public testing::Test {
 protected:
  RealWindow window;
  HWND main = window.windowing.mainWindow();
};

TEST_F(RealWindowLooks, FixedDialogFrameWithCloseButtonOnly) {
  const LONG style = styleOf(main);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  wchar_t title[64] = {};
  GetWindowTextW(main, title, 64);
  EXPECT_STREQ(title, L"Quellmar装备怪物外观计算器1.0");
}

TEST_F(RealWindowLooks, CentredOnTheScreenAtExactly260By202) {
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 260);
  EXPECT_EQ(outer.bottom - outer.top, 202);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 260) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 202) / 2);
}

TEST_F(RealWindowLooks, OneIconForLargeAndSmall) {
  auto big = reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_BIG, 0));
  auto small = reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_SMALL, 0));
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(big, small);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(big, &info));
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, 48);
  EXPECT_EQ(colour.bmHeight, 48);
  EXPECT_EQ(colour.bmBitsPixel, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST_F(RealWindowLooks, EveryControlAtItsRectangleInItsParent) {
  for (ui::ControlId id = 0; id < definition().controls.size(); ++id) {
    const ui::ControlDefinition& control = definition().controls[id];
    HWND handle = window.window(control.name);
    ASSERT_NE(handle, nullptr);
    HWND expectedParent = control.parent.empty() ? main : window.window(control.parent);
    EXPECT_EQ(GetParent(handle), expectedParent) << id;
    RECT rect = rectInParent(handle);
    EXPECT_EQ(rect.left, control.rect.left) << id;
    EXPECT_EQ(rect.top, control.rect.top) << id;
    EXPECT_EQ(rect.right - rect.left, control.rect.width) << id;
    // An edit box may grow to hold a line of its font.
    if (control.kind != ui::ControlKind::editBox) {
      EXPECT_EQ(rect.bottom - rect.top, control.rect.height) << id;
    }
    EXPECT_TRUE(styleOf(handle) & WS_CLIPSIBLINGS) << id;
    EXPECT_EQ((styleOf(handle) & WS_TABSTOP) != 0, control.tabStop) << id;
    if (control.kind != ui::ControlKind::label) {
      EXPECT_EQ(SendMessageW(handle, WM_GETFONT, 0, 0),
                reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)))
          << id;
    }
  }
}

TEST_F(RealWindowLooks, TabControlHeadersAndFirstPage) {
  HWND tabs = window.window("选择夹1");
  EXPECT_EQ(classOf(tabs), WC_TABCONTROLW);
  ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  const wchar_t* captions[] = {L"装备外观计算", L"怪物外观计算", L"关于"};
  for (int page = 0; page < 3; ++page) {
    wchar_t caption[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 32;
    SendMessageW(tabs, TCM_GETITEMW, page, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(caption, captions[page]);
  }
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(RealWindowLooks, LabelsAreSelfPaintedOnTheButtonFace) {
  HWND label = window.window("标签4");
  EXPECT_EQ(classOf(label), L"QuellmarLabel");
  EXPECT_EQ(GetClassLongW(label, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(label, GCLP_HBRBACKGROUND)),
            GetStockObject(NULL_BRUSH));
  EXPECT_EQ(extendedStyleOf(label), 0);
  EXPECT_FALSE(styleOf(label) & WS_BORDER);
  // The right end of "数值：" is blank: there the background shows.
  EXPECT_EQ(pixelAt(label, 31, 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(RealWindowLooks, GroupBoxIsFilledWithTheButtonFace) {
  HWND groupBox = window.window("分组框1");
  EXPECT_EQ(styleOf(groupBox) & BS_TYPEMASK, BS_GROUPBOX);
  // Inside the frame, beside the label that it holds.
  EXPECT_EQ(pixelAt(groupBox, 12, 40), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(pixelAt(groupBox, 228, 40), GetSysColor(COLOR_BTNFACE));
}

TEST_F(RealWindowLooks, ButtonsArePlainPushButtons) {
  for (const char* name : {"按钮1", "按钮2"}) {
    HWND button = window.window(name);
    EXPECT_EQ(classOf(button), L"Button");
    EXPECT_EQ(styleOf(button) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(styleOf(button) & (BS_CENTER | BS_VCENTER | BS_MULTILINE),
              BS_CENTER | BS_VCENTER | BS_MULTILINE);
    EXPECT_STREQ(window.text(name).c_str(), L"计  算");
  }
}

class RealEditBox : public RealWindowLooks, public testing::WithParamInterface<const char*> {
 protected:
  HWND box = window.window(GetParam());
};

TEST_P(RealEditBox, SunkenSingleLineWithoutLimit) {
  EXPECT_EQ(classOf(box), L"Edit");
  EXPECT_TRUE(extendedStyleOf(box) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(styleOf(box) & ES_AUTOHSCROLL);
  EXPECT_FALSE(styleOf(box) & (ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_NUMBER | ES_NOHIDESEL |
                               ES_UPPERCASE | ES_LOWERCASE));
  EXPECT_GT(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFF0);
}

TEST_P(RealEditBox, HighEnoughForALineOfItsFont) {
  RECT outer;
  GetWindowRect(box, &outer);
  const int needed = characterHeight(box, L"吴") + 2 * GetSystemMetrics(SM_CYEDGE);
  EXPECT_EQ(outer.bottom - outer.top, std::max(16, needed));
}

// The client rectangle's height and its distance from the top of the window.
struct LineOfText {
  int height;
  int top;
};

LineOfText lineOfText(HWND box) {
  RECT outer;
  GetWindowRect(box, &outer);
  RECT client;
  GetClientRect(box, &client);
  POINT origin{0, 0};
  ClientToScreen(box, &origin);
  return {client.bottom, origin.y - outer.top};
}

TEST_P(RealEditBox, LineOfTextAsHighAsTheLetterW) {
  RECT outer;
  GetWindowRect(box, &outer);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int inside = outer.bottom - outer.top - 2 * edge;
  const LineOfText line = lineOfText(box);
  EXPECT_EQ(line.height, std::min(characterHeight(box, L"W"), inside));
  EXPECT_EQ(line.top, edge + (inside - line.height) / 2);
}

TEST_P(RealEditBox, SmallerFontLeavesWhiteBandsThatCountAsBorder) {
  // Wine's GUI font fills the box; a smaller one makes room for the bands.
  HFONT small = CreateFontW(-8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                            0, L"MS Shell Dlg");
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(small), FALSE);
  SetWindowPos(box, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

  RECT outer;
  GetWindowRect(box, &outer);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int inside = outer.bottom - outer.top - 2 * edge;
  const LineOfText line = lineOfText(box);
  const int textHeight = characterHeight(box, L"W");
  ASSERT_LT(textHeight, inside);
  EXPECT_EQ(line.height, textHeight);
  EXPECT_EQ(line.top, edge + (inside - textHeight) / 2);
  ASSERT_GT(line.top, edge);

  const int bandY = edge;  // the first row inside the border
  EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(outer.left + 10, outer.top + bandY)),
            HTBORDER);
  EXPECT_EQ(
      SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(outer.left + 10, outer.top + line.top + 1)),
      HTCLIENT);
  HDC dc = GetWindowDC(box);
  EXPECT_EQ(GetPixel(dc, 10, bandY), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 10, outer.bottom - outer.top - edge - 1), RGB(255, 255, 255));
  ReleaseDC(box, dc);
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  DeleteObject(small);
}

INSTANTIATE_TEST_SUITE_P(AllFour, RealEditBox,
                         testing::Values("编辑框1", "编辑框2", "编辑框3", "编辑框4"));

TEST_F(RealWindowLooks, ALongTextScrollsInsideTheBox) {
  window.pressKey(VK_TAB);
  const std::wstring longText(2000, L'9');
  window.type(longText);
  EXPECT_EQ(window.text("编辑框3"), longText);
  // The caret is at the end, so the start has scrolled out of view.
  EXPECT_GT(LOWORD(SendMessageW(window.window("编辑框3"), EM_CHARFROMPOS, 0, MAKELPARAM(2, 2))),
            100);
}

// A sink that only counts what the layer reports.
struct CountingSink final : ui::InputSink {
  int userChanges = 0;
  int clicks = 0;
  bool offerKeyPress(ui::Key, ui::Modifiers) override { return false; }
  bool offerLeftButtonPress(ui::ControlId, std::uint16_t, std::uint16_t, ui::Modifiers) override {
    return false;
  }
  void buttonClicked(ui::ControlId) override { ++clicks; }
  bool pageSelectionChanging() override { return true; }
  void pageSelectionChanged() override {}
  void contentChangedByUser(ui::ControlId) override { ++userChanges; }
  void activationGained() override {}
  void activationLost() override {}
  void closeRequested() override {}
  void windowDestroyed() override {}
};

TEST(Win32Windowing, ReportsTheUsersEditsButNotTheTextsItWrites) {
  CountingSink sink;
  win32::Win32Windowing windowing(GetModuleHandleW(nullptr));
  ASSERT_TRUE(windowing.createMainWindow(definition().window, {0, 0, 260, 202}, sink));
  const ui::ControlId box = *ui::findControl(definition(), "编辑框3");
  ASSERT_TRUE(windowing.createControl(box, definition().controls[box], 0));
  HWND edit = windowing.controlWindow(box);

  SendMessageW(edit, WM_CHAR, L'1', 1);
  SendMessageW(edit, WM_CHAR, L'2', 1);
  EXPECT_EQ(sink.userChanges, 2);
  windowing.setControlText(box, "３");
  windowing.setControlText(box, "３");
  EXPECT_EQ(sink.userChanges, 2);
  EXPECT_EQ(windowing.controlText(box), "３");
  windowing.destroyMainWindow();
}

}  // namespace
}  // namespace win32_testing
