// The main window's behaviour over any windowing layer: building it from the definition,
// pages, keyboard focus, keys, events, closing.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "ui/control_text.h"
#include "ui/focus_rules.h"
#include "ui/window_definition.h"
#include "ui/windowing.h"

namespace ui {

// The arguments an event hands its handler (leftButtonPressed uses all three).
struct EventArgs {
  std::uint16_t x = 0;
  std::uint16_t y = 0;
  Modifiers keys = 0;
};

// A handler gives back a boolean or nothing; for an input event false consumes the input.
using Handler = std::function<std::optional<bool>(const EventArgs&)>;

// The bindings resolved to routines: (control, event) -> handler. The main window's own
// events use std::nullopt as control.
using HandlerTable = std::map<std::pair<std::optional<ControlId>, Event>, Handler>;

// What the model needs of the program around it.
struct ModelHooks {
  // False once the end has begun: then no handler runs.
  std::function<bool()> handlersMayRun = [] { return true; };
  // The window has been destroyed (the program then posts the quit request).
  std::function<void()> windowEnded = [] {};
};

class MainWindow final : public InputSink, public NamedControls {
 public:
  MainWindow(const WindowDefinition& definition, Windowing& windowing, HandlerTable handlers,
             ModelHooks hooks);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Builds the window hidden, creates the controls in reverse definition order, moves them into
  // their parents, decides their first visibility, shows the window and runs showPage; then
  // attaches itself as the main window's controls. False when the window or a control cannot
  // be created (a half-built window stays live, for destroy). Called once.
  bool loadMainWindow();
  // Applies the tab control's selected page; with `userChange` the focus moves to the page's
  // enabled edit box or button with the lowest focusOrder (none: it stays).
  void showPage(bool userChange);
  // Asks the window to close as its close button does: closeQuery, then destruction.
  void close();
  // Destroys the window if it still exists, without asking (the end procedure). Call it before
  // the object goes: the destructor only detaches the controls.
  void destroy();
  // The platform window exists: from its creation until windowDestroyed.
  bool isLive() const;

  // InputSink
  bool offerKeyPress(Key key, Modifiers modifiers) override;
  bool offerLeftButtonPress(ControlId control, std::uint16_t x, std::uint16_t y,
                            Modifiers modifiers) override;
  void buttonClicked(ControlId button) override;
  bool pageSelectionChanging() override;
  void pageSelectionChanged() override;
  void contentChangedByUser(ControlId editBox) override;
  void activationGained() override;
  void activationLost() override;
  void closeRequested() override;
  void windowDestroyed() override;

  // NamedControls
  bool hasControl(std::string_view name) const override;
  std::string controlText(std::string_view name) const override;
  void replaceControlText(std::string_view name, std::string_view text) override;

 private:
  // Runs the handler bound to (control, event), unless the window is being built or the end
  // has begun; nothing when there is none.
  std::optional<bool> raise(std::optional<ControlId> control, Event event, EventArgs args = {});
  // Each control's shown-on-screen state: its own flag and every parent's, in a shown window.
  std::vector<bool> shownOnScreen() const;
  void setShown(ControlId id, bool shown);
  void moveFocusAlongRing(TabDirection direction);
  bool handleEnter();
  std::optional<ControlId> builtControl(std::string_view name) const;

  const WindowDefinition& definition_;
  Windowing& windowing_;
  HandlerTable handlers_;
  ModelHooks hooks_;
  ControlId tabControl_;
  std::vector<std::optional<ControlId>> parentOf_;
  std::vector<bool> shown_;  // each control's own shown flag, as last applied
  bool windowShown_ = false;
  bool live_ = false;
  bool building_ = false;
  bool attached_ = false;                // registered for readControlText/writeControlText
  std::optional<ControlId> remembered_;  // the focus when activation was lost
};

}  // namespace ui
