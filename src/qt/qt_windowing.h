// Core -> front end: the windowing layer on Qt 6 Widgets. It builds exactly what the core asks
// for, from the window definition, and applies the core's decisions; input goes back to the
// core through the InputRouter.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "qt/input_router.h"
#include "ui/windowing.h"

namespace qtfront {

class TabControl;

class QtWindowing final : public ui::Windowing {
 public:
  // Needs the QApplication to exist.
  QtWindowing();
  ~QtWindowing() override;
  QtWindowing(const QtWindowing&) = delete;
  QtWindowing& operator=(const QtWindowing&) = delete;

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

  // For the tests that drive the real window: the main window while it exists, a control's
  // widget, and the code of the last quit request.
  QWidget* mainWindow() const { return window_; }
  QWidget* controlWidget(ui::ControlId id) const;
  std::optional<int> quitCode() const { return quitCode_; }

 private:
  QWidget* createWidget(const ui::ControlDefinition& control, std::int32_t selectedPage);
  void windowGone();

  InputRouter router_;
  ui::InputSink* sink_ = nullptr;
  QPointer<QWidget> window_;
  TabControl* tabControl_ = nullptr;
  std::vector<QPointer<QWidget>> controls_;
  std::vector<std::string> captions_;  // the texts of the controls that are not edit boxes
  bool destroying_ = false;
  std::optional<int> quitCode_;
  std::optional<int> pendingQuit_;  // asked for before the loop ran
};

}  // namespace qtfront
