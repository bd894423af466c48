// The main window described as data: its own properties and its controls in definition order.
// Front ends render it; nothing else in the program restates a rectangle, a text or the order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class ControlKind { label, editBox, button, groupBox, tabControl };
enum class LineLayout { singleLine, wordWrapped };  // labels
enum class MousePointer { standard };               // the kind's own pointer

enum class Event {
  clicked,
  leftButtonPressed,
  contentChanged,
  closeQuery,
  pageSelectionChanging,
  pageSelectionChanged,
};

// A binding names its handler; start-up resolves the names to routines.
struct EventBinding {
  Event event;
  std::string_view handler{};
};

struct PageDefinition {
  std::span<const std::string_view> members{};  // stored order
};

// Properties only a tab control has.
struct TabControlProperties {
  std::int32_t tabPlacement = 0;  // 0 top, 1 bottom, 2 left, 3 right
  bool multiLineTabs = false;
  bool headerless = false;
  std::span<const std::string_view> pageCaptions{};
  std::span<const PageDefinition> pages{};  // one member list per caption
  std::int32_t currentPage = 0;
};

struct ControlDefinition {
  std::string_view name{};
  ControlKind kind = ControlKind::label;
  std::string_view parent{};  // empty: directly on the main window
  Rect rect{};              // in the parent's client area
  std::string_view text{};    // GBK
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  std::int32_t focusOrder = 0;
  std::string_view tag{};
  MousePointer mousePointer = MousePointer::standard;
  LineLayout lineLayout = LineLayout::singleLine;  // labels
  bool defaultButton = false;                      // buttons
  const TabControlProperties* tabControl = nullptr;
  std::span<const EventBinding> bindings{};
};

enum class BorderStyle : std::int32_t {
  none = 0,
  sizable = 1,
  fixed = 2,
  sizableToolWindow = 3,
  fixedToolWindow = 4,
  sizableSunken = 5,
  fixedSunken = 6,
};
enum class StartPosition : std::int32_t { stored = 0, centred = 1, minimised = 2, maximised = 3 };

struct MainWindowProperties {
  std::string_view title{};  // GBK
  Rect rect{};             // outer rectangle; left and top apply only at StartPosition::stored
  BorderStyle borderStyle = BorderStyle::fixed;
  bool controlBox = true;
  bool maximizeBox = false;
  bool minimizeBox = false;
  StartPosition startPosition = StartPosition::centred;
  bool movable = true;
  bool escCloses = true;
  bool enterMovesFocus = false;
  bool showInTaskbar = true;
  bool alwaysOnTop = false;
  bool visible = true;
  bool enabled = true;
  // One 48 x 48, 32-bit image, the large and the small icon; the client area is filled with
  // the system's button-face colour and the font is the default GUI font.
};

struct WindowDefinition {
  MainWindowProperties window;
  std::span<const ControlDefinition> controls{};  // definition order
};

// A control's place in definition order, counted from 0.
using ControlId = std::size_t;

// The program's window.
const WindowDefinition& mainWindowDefinition();

// Whether the definition keeps the rules the window model relies on: unique names, parents
// that exist, exactly one tab control, as many member lists as captions, every page member a
// child of the tab control, every other control (but the tab control and the children of
// page members) on exactly one page.
bool isValidDefinition(const WindowDefinition& definition);

std::optional<ControlId> findControl(const WindowDefinition& definition, std::string_view name);
// The tab control's place; only for a valid definition.
ControlId tabControlOf(const WindowDefinition& definition);
// The page whose member list holds the control, if any.
std::optional<std::int32_t> pageOf(const WindowDefinition& definition, ControlId control);

}  // namespace ui
