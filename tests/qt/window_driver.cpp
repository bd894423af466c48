#include "window_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <string>

#include "encoding/gbk_conversion.h"
#include "ui/window_definition.h"

namespace qttest {
namespace {

using scenarios::ActionKind;

const ui::WindowDefinition& definition() {
  return ui::mainWindowDefinition();
}

Qt::Key qtKey(const std::string& name, bool shift) {
  if (name == "Tab") return shift ? Qt::Key_Backtab : Qt::Key_Tab;  // as X11 reports it
  if (name == "Esc") return Qt::Key_Escape;
  if (name == "Enter") return Qt::Key_Return;
  if (name == "Space") return Qt::Key_Space;
  if (name == "Left") return Qt::Key_Left;
  if (name == "Right") return Qt::Key_Right;
  if (name == "Home") return Qt::Key_Home;
  if (name == "End") return Qt::Key_End;
  if (name == "Backspace") return Qt::Key_Backspace;
  return Qt::Key_Delete;
}

}  // namespace

bool WindowDriver::waitUntilActive() {
  return QTest::qWaitFor([this] {
    QWidget* window = windowing_.mainWindow();
    return window != nullptr && window->isActiveWindow() && window->windowHandle() != nullptr;
  });
}

QWidget* WindowDriver::control(const std::string& name) const {
  std::optional<ui::ControlId> id = ui::findControl(definition(), encoding::utf8ToGbk(name));
  return id ? windowing_.controlWidget(*id) : nullptr;
}

QPoint WindowDriver::inWindow(QWidget* widget, QPoint at) const {
  return widget->mapTo(windowing_.mainWindow(), at);
}

void WindowDriver::key(const scenarios::KeyChord& chord) {
  Qt::KeyboardModifiers modifiers;
  if (chord.ctrl) modifiers |= Qt::ControlModifier;
  if (chord.shift) modifiers |= Qt::ShiftModifier;
  if (chord.alt) modifiers |= Qt::AltModifier;
  QTest::keyClick(windowing_.mainWindow()->windowHandle(), qtKey(chord.key, chord.shift),
                  modifiers);
}

void WindowDriver::type(const QString& text) {
  for (char32_t character : text.toUcs4()) {
    QString one = QString::fromUcs4(&character, 1);
    QTest::sendKeyEvent(QTest::Click, windowing_.mainWindow()->windowHandle(), Qt::Key_unknown, one,
                        Qt::NoModifier);
  }
}

void WindowDriver::clickAt(QWidget* widget, QPoint at, Qt::MouseButton button) {
  QTest::mouseClick(windowing_.mainWindow()->windowHandle(), button, Qt::NoModifier,
                    inWindow(widget, at));
}

void WindowDriver::doubleClickAt(QWidget* widget, QPoint at) {
  QTest::mouseDClick(windowing_.mainWindow()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                     inWindow(widget, at));
}

void WindowDriver::clickHeader(int page) {
  auto* tabs = static_cast<QTabWidget*>(windowing_.controlWidget(ui::tabControlOf(definition())));
  QTabBar* headers = tabs->tabBar();
  clickAt(headers, headers->tabRect(page).center());
}

void WindowDriver::leaveAndReturn() {
  QWidget other;
  other.setWindowTitle(QStringLiteral("another program"));
  other.resize(100, 50);
  other.show();
  other.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_FALSE(windowing_.mainWindow()->isActiveWindow());
  other.hide();
  windowing_.mainWindow()->activateWindow();
  EXPECT_TRUE(waitUntilActive());
}

std::string WindowDriver::focusedName() const {
  std::optional<ui::ControlId> focused = windowing_.focusedControl();
  if (!focused) return "none";
  return encoding::gbkToUtf8(definition().controls[*focused].name);
}

std::string WindowDriver::text(const std::string& name) const {
  std::optional<ui::ControlId> id = ui::findControl(definition(), encoding::utf8ToGbk(name));
  return id ? encoding::gbkToUtf8(windowing_.controlText(*id)) : std::string("(no control)");
}

std::string WindowDriver::pageProblems(int page) const {
  std::string problems;
  const ui::ControlDefinition& tab = definition().controls[ui::tabControlOf(definition())];
  auto* tabs = static_cast<QTabWidget*>(windowing_.controlWidget(ui::tabControlOf(definition())));
  if (tabs->currentIndex() != page) problems += "the headers select another page; ";
  for (ui::ControlId id = 0; id < definition().controls.size(); ++id) {
    const ui::ControlDefinition& member = definition().controls[id];
    std::optional<std::int32_t> memberPage = ui::pageOf(definition(), id);
    // A nested control (标签5) goes with the page member that holds it.
    if (!memberPage && member.kind != ui::ControlKind::tabControl && !member.parent.empty() &&
        member.parent != tab.name)
      memberPage = ui::pageOf(definition(), *ui::findControl(definition(), member.parent));
    if (!memberPage) continue;
    bool shown = windowing_.controlWidget(id)->isVisible();
    if (shown != (*memberPage == page))
      problems += encoding::gbkToUtf8(member.name) + (shown ? " shown; " : " hidden; ");
  }
  return problems;
}

void WindowDriver::perform(const scenarios::Action& action) {
  SCOPED_TRACE(scenarios::describe(action));
  QWidget* named = action.control.empty() ? nullptr : control(action.control);
  switch (action.kind) {
    case ActionKind::key:
      key(action.chord);
      break;
    case ActionKind::type:
      type(QString::fromStdString(action.text));
      break;
    case ActionKind::click:
      ASSERT_NE(named, nullptr);
      clickAt(named, named->rect().center());
      break;
    case ActionKind::header:
      clickHeader(action.number);
      break;
    case ActionKind::press:
      ASSERT_NE(named, nullptr);
      clickAt(named, QPoint(action.x, action.y));
      break;
    case ActionKind::doubleClick:
      ASSERT_NE(named, nullptr);
      doubleClickAt(named, QPoint(action.x, action.y));
      break;
    case ActionKind::rightClick:
      ASSERT_NE(named, nullptr);
      clickAt(named, QPoint(action.x, action.y), Qt::RightButton);
      break;
    case ActionKind::leaveAndReturn:
      leaveAndReturn();
      break;
    case ActionKind::expectFocus:
      EXPECT_EQ(focusedName(), action.control.empty() ? "none" : action.control);
      break;
    case ActionKind::expectPage:
      EXPECT_EQ(pageProblems(action.number), "");
      break;
    case ActionKind::expectText:
      EXPECT_EQ(text(action.control), action.text);
      break;
    case ActionKind::expectClosed:
      EXPECT_TRUE(QTest::qWaitFor([this] { return windowing_.mainWindow() == nullptr; }));
      EXPECT_EQ(windowing_.quitCode(), std::optional<int>(action.number));
      break;
    case ActionKind::expectBrowser:
      ASSERT_NE(browser_, nullptr);
      EXPECT_EQ(browserStartsAfterWaiting(action.number), action.number);
      break;
  }
  // Let whatever the step set off (repaints, deferred deletion) happen before the next one.
  QTest::qWait(1);
}

int WindowDriver::browserStartsAfterWaiting(int expected) const {
  const launcher_testing::RecordFile& record = browser_->record;
  // Fewer starts than expected show in the count itself.
  static_cast<void>(QTest::qWaitFor([&] { return record.starts() >= expected; }, 3000));
  QTest::qWait(100);
  return record.starts();
}

}  // namespace qttest
