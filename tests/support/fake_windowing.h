// An in-memory windowing layer: it records every call the window model makes, keeps what a
// real front end would show (per control: shown flag, parent, text; the focus; the selected
// page), and drives the model's InputSink the way a user would, by control NAME.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "call_log.h"
#include "ui/windowing.h"

namespace testing_support {

class FakeWindowing final : public ui::Windowing {
 public:
  // Calls are recorded in `log` when given (shared with a RecordingPlatform), else in its own.
  explicit FakeWindowing(CallLog* log = nullptr);

  // --- What a test sets up before building.
  ui::ScreenSize screen{1024, 768};
  bool failMainWindow = false;
  std::optional<std::string> failControl;  // the name of a control that cannot be created
  bool activateOnShow = true;              // showMainWindow reports activationGained
  // Input the platform delivers inside showMainWindow, while the window is still being built.
  std::function<void(FakeWindowing&)> whileShowing;
  // Inputs that runMessageLoop delivers in order, until one of them leads to a quit request.
  std::vector<std::function<void(FakeWindowing&)>> script;

  // --- The user, through the sink. Each returns whether the model consumed the input.
  bool pressKey(ui::Key key, ui::Modifiers modifiers = 0);
  void clickButton(std::string_view name);
  // A click on a page header: the tab control takes the focus, then the page changes (if it
  // is another one) through pageSelectionChanging / pageSelectionChanged.
  void clickHeader(std::int32_t page);
  // The user's change of page without moving the focus (as the keyboard on the tab control).
  void selectPage(std::int32_t page);
  // Appends `text` to the box's text, as typing does, and reports the change.
  void typeInto(std::string_view name, std::string_view text);
  bool pressOn(std::string_view name, std::uint16_t x = 1, std::uint16_t y = 1,
               ui::Modifiers modifiers = 0);
  // The focus put on a control, or on the window itself, by the platform.
  void focusOn(std::string_view name) { focus_ = id(name); }
  void focusWindowItself() { focus_.reset(); }
  // Switching to another application and back.
  void deactivate();
  void activate();
  // The close button of the title bar.
  void requestClose();

  // --- What the window shows.
  bool windowExists() const { return windowCreated_ && !windowDestroyed_; }
  bool windowShown() const { return windowShown_; }
  std::optional<ui::Rect> windowRect() const { return windowRect_; }
  // Shown on screen: the window, the control and every parent of it are shown.
  bool isOnScreen(std::string_view name) const;
  // The names of the controls shown on screen.
  std::set<std::string> controlsOnScreen() const;
  // The name of the focused control, "" when none has the focus.
  std::string focusName() const;
  std::string text(std::string_view name) const;
  std::int32_t page() const { return selectedPage_; }
  std::optional<int> quitCode() const { return quitCode_; }
  const CallLog& log() const { return *log_; }
  ui::ControlId id(std::string_view name) const;

  // --- ui::Windowing
  ui::ScreenSize primaryScreenSize() override;
  bool createMainWindow(const ui::MainWindowProperties& properties, ui::Rect outer,
                        ui::InputSink& sink) override;
  bool createControl(ui::ControlId id, const ui::ControlDefinition& control,
                     std::int32_t selectedPage) override;
  void reparentControl(ui::ControlId child, ui::ControlId parent) override;
  void setControlShown(ui::ControlId id, bool shown) override;
  void showMainWindow() override;
  void destroyMainWindow() override;
  void setFocus(ui::ControlId id) override;
  std::optional<ui::ControlId> focusedControl() override;
  std::string controlText(ui::ControlId id) override;
  void setControlText(ui::ControlId id, std::string_view text) override;
  std::int32_t selectedPage(ui::ControlId tabControl) override;
  void postQuit(int code) override;
  int runMessageLoop() override;

 private:
  struct Control {
    std::string name{};
    std::optional<ui::ControlId> parent{};
    std::string text{};
    bool shown = false;
  };
  const Control& control(ui::ControlId id) const;
  std::string nameOf(ui::ControlId id) const;
  ui::InputSink& sink() const;

  CallLog ownLog_;
  CallLog* log_;
  ui::InputSink* sink_ = nullptr;
  std::map<ui::ControlId, Control> controls_;
  std::optional<ui::Rect> windowRect_;
  bool windowCreated_ = false;
  bool windowShown_ = false;
  bool windowDestroyed_ = false;
  std::optional<ui::ControlId> focus_;
  std::optional<ui::ControlId> tabControl_;
  std::int32_t selectedPage_ = 0;
  std::optional<int> quitCode_;
};

}  // namespace testing_support
