// Front end -> core: every input of the main window, translated into the core's plain calls.
// One application event filter offers keys and left-button presses before Qt dispatches them
// and reports activation and close requests; the controls' own signals report clicks, the
// user's edits and page changes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "ui/windowing.h"

class QPushButton;

namespace qtfront {

class EditBox;
class TabControl;

class InputRouter final : public QObject {
 public:
  InputRouter();
  ~InputRouter() override;

  // From now on the window's input goes to `sink`.
  void attach(QWidget* window, ui::InputSink& sink);
  // The window is on its way out: nothing more reaches the sink until the next attach.
  void detach();

  void addControl(QWidget* widget, ui::ControlId id);
  void watchButton(QPushButton* button, ui::ControlId id);
  void watchEditBox(EditBox* editBox, ui::ControlId id);
  void watchTabControl(TabControl* tabControl, int selectedPage);

  // The control that `widget` is, or lies inside of (the header row belongs to the tab control).
  std::optional<ui::ControlId> controlOf(const QWidget* widget) const;
  // The page the tab control shows as far as the core knows: during pageSelectionChanging
  // still the old one.
  int selectedPage() const { return selectedPage_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool offerKey(QWidget* receiver, QEvent* event);
  bool offerPress(QWidget* receiver, QEvent* event);
  void pageChanged(TabControl* tabControl, int page);

  QPointer<QWidget> window_;
  ui::InputSink* sink_ = nullptr;
  std::unordered_map<const QWidget*, ui::ControlId> controls_;
  int selectedPage_ = 0;
};

}  // namespace qtfront
