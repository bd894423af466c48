// Drives the real Qt window as a person would, through Qt's window-system input (the same way
// the platform's own keys and clicks arrive), and reads back what it shows.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "launch_record.h"
#include "qt/qt_windowing.h"
#include "scenario_table.h"

namespace qttest {

// A u8"..." literal as the UTF-8 std::string the driver speaks (narrow literals are GBK here).
inline std::string utf8(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

class WindowDriver {
 public:
  // `browser`: the stand-in whose starts "expect browser" counts.
  WindowDriver(qtfront::QtWindowing& windowing,
               const launcher_testing::StandInBrowser* browser = nullptr)
      : windowing_(windowing), browser_(browser) {}

  // Waits until the main window is shown and active; false when it never gets there.
  bool waitUntilActive();

  // Runs one step of a scenario, or checks one expectation (failures go to GoogleTest).
  void perform(const scenarios::Action& action);

  void key(const scenarios::KeyChord& chord);
  void type(const QString& text);
  void clickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void doubleClickAt(QWidget* widget, QPoint at);
  void clickHeader(int page);
  void leaveAndReturn();

  // The control of that name (UTF-8), or nothing.
  QWidget* control(const std::string& name) const;
  // The focused control's name, UTF-8, or "none".
  std::string focusedName() const;
  // The core's view of a control's text, in UTF-8.
  std::string text(const std::string& name) const;
  // Every page member is shown exactly when its page is `page`, its children with it, and the
  // headers show `page` as selected. Empty when that holds, else what does not.
  std::string pageProblems(int page) const;

 private:
  QPoint inWindow(QWidget* widget, QPoint at) const;
  // The browser's starts so far, after a little wait for late ones.
  int browserStartsAfterWaiting(int expected) const;

  qtfront::QtWindowing& windowing_;
  const launcher_testing::StandInBrowser* browser_;
};

}  // namespace qttest
