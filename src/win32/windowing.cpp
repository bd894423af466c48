#include "win32/windowing.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "win32/edit_box_layout.h"
#include "win32/group_box.h"
#include "win32/input_translation.h"
#include "win32/label_window.h"
#include "win32/resource_ids.h"
#include "win32/wide_text.h"

namespace win32 {
namespace {

constexpr const wchar_t* mainWindowClassName = L"QuellmarAppearanceCalculator";
constexpr UINT_PTR tabControlSubclassId = 1;

// The child identifier of a control: its place in the definition, counted from 1.
int childIdOf(ui::ControlId id) {
  return static_cast<int>(id) + 1;
}

HMENU asChildId(ui::ControlId id) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(childIdOf(id)));
}

HFONT defaultGuiFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

struct FrameStyle {
  DWORD style = 0;
  DWORD extendedStyle = 0;
};

FrameStyle frameStyleOf(const ui::MainWindowProperties& properties) {
  using enum ui::BorderStyle;
  FrameStyle frame;
  switch (properties.borderStyle) {
    case none:
      frame.style = WS_POPUP;
      break;
    case sizable:
    case sizableSunken:
    case sizableToolWindow:
      frame.style = WS_CAPTION | WS_THICKFRAME;
      break;
    case fixed:
    case fixedSunken:
    case fixedToolWindow:
      frame.style = WS_CAPTION;  // the fixed dialog frame and a caption
      break;
  }
  if (properties.borderStyle == sizableToolWindow || properties.borderStyle == fixedToolWindow)
    frame.extendedStyle |= WS_EX_TOOLWINDOW;
  if (properties.borderStyle == sizableSunken || properties.borderStyle == fixedSunken)
    frame.extendedStyle |= WS_EX_CLIENTEDGE;
  if (properties.borderStyle != none && properties.controlBox) {
    frame.style |= WS_SYSMENU;
    if (properties.minimizeBox) frame.style |= WS_MINIMIZEBOX;
    if (properties.maximizeBox) frame.style |= WS_MAXIMIZEBOX;
  }
  if (properties.alwaysOnTop) frame.extendedStyle |= WS_EX_TOPMOST;
  if (!properties.enabled) frame.style |= WS_DISABLED;
  return frame;
}

DWORD tabControlStyleOf(const ui::TabControlProperties& tab) {
  DWORD style = 0;
  switch (tab.tabPlacement) {
    case 1:
      style |= TCS_BOTTOM;
      break;
    case 2:
      style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case 3:
      style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
    default:
      break;
  }
  if (tab.multiLineTabs) style |= TCS_MULTILINE;
  return style;
}

// Only the selected header counts as pressed. Wine's tab control leaves the mark on the header
// that the mouse selected last when the keyboard changes the page, and then takes the next
// click on a header for a deselection; Windows' own control ignores the mark without
// TCS_BUTTONS.
void markOnlySelectedHeaderPressed(HWND tabs) {
  const auto selected = SendMessageW(tabs, TCM_GETCURSEL, 0, 0);
  const auto headers = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
  for (LRESULT header = 0; header < headers; ++header) {
    TCITEMW item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = TCIS_BUTTONPRESSED;
    item.dwState = header == selected ? TCIS_BUTTONPRESSED : 0;
    SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(header), reinterpret_cast<LPARAM>(&item));
  }
}

bool registerMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, mainWindowClassName, &existing)) return true;
  WNDCLASSEXW frameClass{};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = procedure;
  frameClass.hInstance = instance;
  frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  frameClass.lpszClassName = mainWindowClassName;
  return RegisterClassExW(&frameClass) != 0;
}

}  // namespace

Win32Windowing::Win32Windowing(HINSTANCE instance) : instance_(instance) {
  // Only the tab control comes from the common controls; edit boxes and buttons are the
  // system's own.
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
}

Win32Windowing::~Win32Windowing() {
  if (main_ != nullptr) DestroyWindow(main_);
}

ui::ScreenSize Win32Windowing::primaryScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32Windowing::createMainWindow(const ui::MainWindowProperties& properties, ui::Rect outer,
                                      ui::InputSink& sink) {
  if (main_ != nullptr) return false;
  if (!registerMainWindowClass(instance_, mainWindowProc) || !registerLabelClass(instance_))
    return false;
  sink_ = &sink;
  const FrameStyle frame = frameStyleOf(properties);
  const std::wstring title = toWide(properties.title);
  main_ = CreateWindowExW(frame.extendedStyle, mainWindowClassName, title.c_str(), frame.style,
                          outer.left, outer.top, outer.width, outer.height, nullptr, nullptr,
                          instance_, this);
  if (main_ == nullptr) {
    sink_ = nullptr;
    return false;
  }

  RECT made;
  GetWindowRect(main_, &made);
  if (made.right - made.left != outer.width || made.bottom - made.top != outer.height)
    SetWindowPos(main_, nullptr, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

  icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(APPEARANCE_ICON), IMAGE_ICON,
                                        48, 48, LR_DEFAULTCOLOR));
  if (icon_ != nullptr) {
    SendMessageW(main_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(main_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  }
  SendMessageW(main_, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
  return true;
}

// The window a new control is made in. Controls are made in reverse definition order, so a
// control's own parent (the tab control, the group box) is already there, and the control is
// made in it directly rather than in the main window and moved with SetParent afterwards: the
// result is the same (hidden, at the same numbers in the same parent), and under Wine each
// SetParent costs about a millisecond of start-up, fifteen of them a tenth of the whole.
HWND Win32Windowing::parentWindowFor(const ui::ControlDefinition& control) const {
  for (ui::ControlId id = 0; id < controls_.size(); ++id)
    if (controls_[id] != nullptr && !control.parent.empty() && names_[id] == control.parent)
      return controls_[id];
  return main_;
}

HWND Win32Windowing::createControlWindow(ui::ControlId id, const ui::ControlDefinition& control) {
  HWND parent = parentWindowFor(control);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (!control.enabled) style |= WS_DISABLED;
  if (control.tabStop) style |= WS_TABSTOP;
  const std::wstring text = toWide(control.text);
  auto make = [&](DWORD extendedStyle, const wchar_t* windowClass, DWORD kindStyle) {
    return CreateWindowExW(extendedStyle, windowClass, text.c_str(), style | kindStyle,
                           control.rect.left, control.rect.top, control.rect.width,
                           control.rect.height, parent, asChildId(id), instance_, nullptr);
  };

  switch (control.kind) {
    case ui::ControlKind::label:
      return createLabel(instance_, parent, style, control.rect, text.c_str(), control.lineLayout,
                         childIdOf(id));
    case ui::ControlKind::editBox: {
      HWND editBox = make(WS_EX_CLIENTEDGE, L"EDIT", ES_LEFT | ES_AUTOHSCROLL);
      if (editBox == nullptr) return nullptr;
      SendMessageW(editBox, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
      SendMessageW(editBox, EM_LIMITTEXT, 0, 0);
      layOutEditBox(editBox);
      SendMessageW(editBox, EM_SETSEL, 0, 0);
      SendMessageW(editBox, EM_SCROLLCARET, 0, 0);
      return editBox;
    }
    case ui::ControlKind::button: {
      const DWORD kind = control.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      HWND button = make(0, L"BUTTON", kind | BS_CENTER | BS_VCENTER | BS_MULTILINE);
      if (button != nullptr)
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
      return button;
    }
    case ui::ControlKind::groupBox: {
      HWND groupBox = make(0, L"BUTTON", BS_GROUPBOX | BS_LEFT);
      if (groupBox == nullptr) return nullptr;
      SendMessageW(groupBox, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
      fillGroupBoxBackground(groupBox);
      return groupBox;
    }
    case ui::ControlKind::tabControl: {
      if (control.tabControl == nullptr) return nullptr;
      HWND tabs = make(0, WC_TABCONTROLW, tabControlStyleOf(*control.tabControl));
      if (tabs == nullptr) return nullptr;
      SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);
      int page = 0;
      for (std::string_view caption : control.tabControl->pageCaptions) {
        std::wstring header = toWide(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = header.data();
        SendMessageW(tabs, TCM_INSERTITEMW, page++, reinterpret_cast<LPARAM>(&item));
      }
      SetWindowSubclass(tabs, tabControlProc, tabControlSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
      return tabs;
    }
  }
  return nullptr;
}

bool Win32Windowing::createControl(ui::ControlId id, const ui::ControlDefinition& control,
                                   std::int32_t selectedPage) {
  if (main_ == nullptr) return false;
  if (controls_.size() <= id) {
    controls_.resize(id + 1, nullptr);
    kinds_.resize(id + 1, ui::ControlKind::label);
    names_.resize(id + 1);
  }
  kinds_[id] = control.kind;
  names_[id] = control.name;
  HWND window = createControlWindow(id, control);
  if (window == nullptr) return false;
  controls_[id] = window;
  if (control.kind == ui::ControlKind::tabControl)
    SendMessageW(window, TCM_SETCURSEL, static_cast<WPARAM>(selectedPage), 0);
  return true;
}

void Win32Windowing::reparentControl(ui::ControlId child, ui::ControlId parent) {
  HWND childWindow = controlWindow(child);
  HWND parentWindow = controlWindow(parent);
  // Made in its parent already (see parentWindowFor); moved only where that was not possible.
  if (childWindow != nullptr && parentWindow != nullptr && GetParent(childWindow) != parentWindow)
    SetParent(childWindow, parentWindow);
}

void Win32Windowing::setControlShown(ui::ControlId id, bool shown) {
  if (HWND window = controlWindow(id)) ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}

void Win32Windowing::showMainWindow() {
  if (main_ == nullptr) return;
  // Painting waits for the message loop, as in any Win32 program: the window maps sooner.
  ShowWindow(main_, SW_SHOWNORMAL);
}

void Win32Windowing::destroyMainWindow() {
  if (main_ != nullptr) DestroyWindow(main_);
}

void Win32Windowing::setFocus(ui::ControlId id) {
  if (HWND window = controlWindow(id)) SetFocus(window);
}

std::optional<ui::ControlId> Win32Windowing::focusedControl() {
  return controlOf(GetFocus());
}

std::string Win32Windowing::controlText(ui::ControlId id) {
  HWND window = controlWindow(id);
  if (window == nullptr) return {};
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return fromWide(text);
}

void Win32Windowing::setControlText(ui::ControlId id, std::string_view text) {
  HWND window = controlWindow(id);
  if (window == nullptr) return;
  const std::wstring wide = toWide(text);
  // The edit box's own EN_CHANGE for this replacement is not the user's change.
  replacingText_ = true;
  SetWindowTextW(window, wide.c_str());
  replacingText_ = false;
  UpdateWindow(window);
}

std::int32_t Win32Windowing::selectedPage(ui::ControlId tabControl) {
  HWND window = controlWindow(tabControl);
  return window != nullptr ? static_cast<std::int32_t>(SendMessageW(window, TCM_GETCURSEL, 0, 0))
                           : 0;
}

void Win32Windowing::postQuit(int code) {
  PostQuitMessage(code);
}

int Win32Windowing::runMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    // Only an invalid window handle makes GetMessage fail, and none is passed.
    if (got == -1) return 0;
    deliver(message);
  }
}

std::optional<int> Win32Windowing::handleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    deliver(message);
  }
  return std::nullopt;
}

void Win32Windowing::deliver(MSG& message) {
  if (sink_ != nullptr && offerInputToCore(message, *this, *sink_)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

HWND Win32Windowing::controlWindow(ui::ControlId id) const {
  return id < controls_.size() ? controls_[id] : nullptr;
}

std::optional<ui::ControlId> Win32Windowing::controlOf(HWND window) const {
  if (window == nullptr) return std::nullopt;
  for (ui::ControlId id = 0; id < controls_.size(); ++id)
    if (controls_[id] == window) return id;
  return std::nullopt;
}

LRESULT CALLBACK Win32Windowing::mainWindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Win32Windowing*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    // Messages of creation come before CreateWindowEx hands the window back.
    created->main_ = window;
  }
  auto* self = reinterpret_cast<Win32Windowing*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMainWindowMessage(window, message, wParam, lParam);
}

LRESULT Win32Windowing::handleMainWindowMessage(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  if (std::optional<LRESULT> handled = handleControlNotification(message, wParam, lParam))
    return *handled;
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        // The control that has the focus still has it here: the model remembers it.
        if (sink_ != nullptr) sink_->activationLost();
        break;
      }
      if (HIWORD(wParam) == 0) {
        // The system gives the focus to the window itself; the model passes it on.
        DefWindowProcW(window, message, wParam, lParam);
        if (sink_ != nullptr) sink_->activationGained();
        return 0;
      }
      break;
    case WM_CLOSE:
      // Closing is the model's decision: it calls destroyMainWindow when it proceeds.
      if (sink_ != nullptr) sink_->closeRequested();
      return 0;
    case WM_NOTIFY: {
      const auto* notification = reinterpret_cast<const NMHDR*>(lParam);
      if (sink_ == nullptr || !controlOf(notification->hwndFrom)) break;
      if (notification->code == TCN_SELCHANGING)
        return sink_->pageSelectionChanging() ? FALSE : TRUE;
      if (notification->code == TCN_SELCHANGE) {
        markOnlySelectedHeaderPressed(notification->hwndFrom);
        sink_->pageSelectionChanged();
      }
      return 0;
    }
    case WM_NCDESTROY: {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      windowEnded();
      return result;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> Win32Windowing::handleControlNotification(UINT message, WPARAM wParam,
                                                                 LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      std::optional<ui::ControlId> control = controlOf(reinterpret_cast<HWND>(lParam));
      if (!control || sink_ == nullptr) return std::nullopt;
      const ui::ControlKind kind = kinds_[*control];
      if (HIWORD(wParam) == BN_CLICKED && kind == ui::ControlKind::button)
        sink_->buttonClicked(*control);
      else if (HIWORD(wParam) == EN_CHANGE && kind == ui::ControlKind::editBox && !replacingText_)
        sink_->contentChangedByUser(*control);
      return 0;
    }
    case WM_CTLCOLOREDIT: {
      auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      return std::nullopt;
  }
}

LRESULT CALLBACK Win32Windowing::tabControlProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY)
    RemoveWindowSubclass(window, tabControlProc, tabControlSubclassId);
  else if (std::optional<LRESULT> handled =
               reinterpret_cast<Win32Windowing*>(self)->handleControlNotification(message, wParam,
                                                                                  lParam))
    return *handled;
  return DefSubclassProc(window, message, wParam, lParam);
}

void Win32Windowing::windowEnded() {
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = nullptr;
  main_ = nullptr;
  controls_.clear();
  kinds_.clear();
  // No call on the sink follows this one.
  if (ui::InputSink* sink = std::exchange(sink_, nullptr)) sink->windowDestroyed();
}

}  // namespace win32
