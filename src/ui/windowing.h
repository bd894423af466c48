// The seam between the window model and a front end.
//
// Core -> front end: `Windowing`, one method per thing the model asks of the platform. The
// model decides every creation, show, hide, focus move and text change; the front end only
// applies them and never restates a rule.
// Front end -> core: `InputSink`, plain calls for the input the platform delivers. Calls that
// return bool say whether the input is consumed (the platform must then drop it).
//
// Texts cross this seam as GBK bytes; the front end converts at its own edge. Controls are
// named by their ControlId, their place in the window definition.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/window_definition.h"

namespace ui {

struct ScreenSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

enum class Key { tab, escape, enter };

// Modifier keys held with an input, as the `keys` of leftButtonPressed adds them up.
enum ModifierKey : std::uint8_t { ctrlKey = 1, shiftKey = 2, altKey = 4 };
using Modifiers = std::uint8_t;

class InputSink {
 public:
  virtual ~InputSink() = default;

  // A key press offered before the focused control sees it (each press once; Shift+Tab as
  // Key::tab with shiftKey). True: the window handled it, drop it.
  virtual bool offerKeyPress(Key key, Modifiers modifiers) = 0;
  // A left-button press (not a double click) aimed at `control`, offered before the control
  // sees it; x and y as the platform's unsigned 16-bit client coordinates. True: drop it.
  virtual bool offerLeftButtonPress(ControlId control, std::uint16_t x, std::uint16_t y,
                                    Modifiers modifiers) = 0;
  // A button reported its click (mouse released over it, or the space bar).
  virtual void buttonClicked(ControlId button) = 0;
  // The user's change of page is about to happen; false keeps the old page.
  virtual bool pageSelectionChanging() = 0;
  // The tab control has selected another page at the user's request.
  virtual void pageSelectionChanged() = 0;
  // The user changed an edit box's text (typing, pasting, deleting).
  virtual void contentChangedByUser(ControlId editBox) = 0;
  // The main window was activated and now holds the keyboard focus itself, or lost activation.
  virtual void activationGained() = 0;
  virtual void activationLost() = 0;
  // The user asked the window to close (close button, Alt+F4, system menu). The model decides
  // and, when closing proceeds, calls destroyMainWindow. The platform never closes on its own.
  virtual void closeRequested() = 0;
  // The main window and all its controls are gone; no call on this sink follows.
  virtual void windowDestroyed() = 0;
};

class Windowing {
 public:
  virtual ~Windowing() = default;

  // The full size of the primary display, in pixels.
  virtual ScreenSize primaryScreenSize() = 0;

  // Creates the main window hidden, with its outer rectangle exactly `outer` (screen
  // coordinates, frame and caption included): the title, a fixed dialog frame, system menu and
  // close button, no minimise or maximise button, the program's icon as large and small icon,
  // the default GUI font, the button-face background. From now until windowDestroyed the
  // front end reports the window's input to `sink`. False when the window cannot be created.
  virtual bool createMainWindow(const MainWindowProperties& properties, Rect outer,
                                InputSink& sink) = 0;

  // Creates control `id` hidden, as a child of the main window, at its stored rectangle, with
  // the look, text and kind properties of its definition, `enabled` and `tabStop` applied.
  // A tab control gets its page headers and selects `selectedPage` (already clamped).
  // Called in reverse definition order, so a control's parent is always built before it: a front
  // end may make the control directly in that parent (the same hidden child at the same numbers),
  // and reparentControl then has nothing left to move. False when it cannot be created.
  virtual bool createControl(ControlId id, const ControlDefinition& control,
                             std::int32_t selectedPage) = 0;

  // Moves `child` into `parent`, keeping its rectangle's numbers (now relative to the parent).
  virtual void reparentControl(ControlId child, ControlId parent) = 0;

  // Shows the control without activating anything, or hides it. A hidden control keeps its
  // text; a shown control appears only while its parent is shown.
  virtual void setControlShown(ControlId id, bool shown) = 0;

  // Shows the main window normally and activates it. The platform reports the activation
  // through activationGained, at once or later.
  virtual void showMainWindow() = 0;

  // Destroys the main window with all its controls and their resources; then (at once, or
  // as soon as the current input has been handled) reports windowDestroyed.
  virtual void destroyMainWindow() = 0;

  // Gives the keyboard focus to the control.
  virtual void setFocus(ControlId id) = 0;
  // The control of the main window that has the keyboard focus, or nothing when the focus is
  // on the main window itself or outside it.
  virtual std::optional<ControlId> focusedControl() = 0;

  // The control's whole current text (an edit box: what it holds; others: their caption).
  virtual std::string controlText(ControlId id) = 0;
  // Replaces the control's text and shows it at once. The platform's own change notification
  // for this replacement must not reach contentChangedByUser.
  virtual void setControlText(ControlId id, std::string_view text) = 0;

  // The tab control's selected page.
  virtual std::int32_t selectedPage(ControlId tabControl) = 0;

  // Asks the message loop to end with `code`.
  virtual void postQuit(int code) = 0;
  // Runs the message loop, offering input to the sink before it is dispatched, until the quit
  // request; returns its code.
  virtual int runMessageLoop() = 0;
};

}  // namespace ui
