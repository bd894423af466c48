// The edit box's commands on the real widget: undo, cut, copy, paste, delete and select all
// from their keys and from the context menu, what each leaves in the box and on the clipboard,
// and that each change by the user is reported as the user's edit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "program_run.h"
#include "qt/edit_box.h"
#include "qt/gbk_text.h"
#include "qt_test_application.h"

namespace qttest {
namespace {

QString unicode(std::u8string_view text) {
  return QString::fromUtf8(reinterpret_cast<const char*>(text.data()),
                           static_cast<qsizetype>(text.size()));
}

// The menu that the box shows, once it has opened.
QMenu* openMenu() {
  static_cast<void>(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The mnemonic letters of the menu's enabled entries, in order.
std::string enabledEntries(const QMenu& menu) {
  std::string letters;
  for (const QAction* action : menu.actions())
    if (!action->isSeparator() && action->isEnabled())
      letters += QKeySequence::mnemonic(action->text()).toString().right(1).toStdString();
  return letters;
}

enum class StepKind { key, type, menuEntry, programWrites, clipboardHolds };

struct Step {
  StepKind kind;
  QKeyCombination chord = {};
  std::u8string_view text = {};  // typed, written or put on the clipboard; the menu entry's letter
};

Step key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return {StepKind::key, QKeyCombination(modifiers, key)};
}
Step typed(std::u8string_view text) {
  return {StepKind::type, {}, text};
}
// Opens the menu with the right button and chooses the entry by its letter.
Step menuEntry(std::u8string_view letter) {
  return {StepKind::menuEntry, {}, letter};
}
Step programWrites(std::u8string_view text) {
  return {StepKind::programWrites, {}, text};
}
Step clipboardHolds(std::u8string_view text) {
  return {StepKind::clipboardHolds, {}, text};
}

const Step undoKey = key(Qt::Key_Z, Qt::ControlModifier);
const Step selectAllKey = key(Qt::Key_A, Qt::ControlModifier);

// One edit box alone in an active window with the keyboard focus, an empty clipboard, and a
// count of the edits it reports as the user's.
class EditBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    QGuiApplication::clipboard()->clear();
    window_.resize(120, 40);
    box_ = new qtfront::EditBox(&window_);
    box_->setGeometry(10, 12, 80, 16);
    box_->onEditedByUser([this] { ++userEdits_; });
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    box_->setFocus();
  }

  void run(const Step& step) {
    QWindow* window = window_.windowHandle();
    switch (step.kind) {
      case StepKind::key:
        QTest::keyClick(window, step.chord.key(), step.chord.keyboardModifiers());
        break;
      case StepKind::type:
        for (char32_t character : unicode(step.text).toUcs4())
          QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown,
                              QString::fromUcs4(&character, 1), Qt::NoModifier);
        break;
      case StepKind::menuEntry: {
        rightClick();
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(window, Qt::Key(unicode(step.text).at(0).toUpper().unicode()));
        EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
        break;
      }
      case StepKind::programWrites:
        box_->setText(unicode(step.text));
        break;
      case StepKind::clipboardHolds:
        QGuiApplication::clipboard()->setText(unicode(step.text));
        break;
    }
  }

  void rightClick(QPoint inBox = {40, 8}) {
    QTest::mouseClick(window_.windowHandle(), Qt::RightButton, Qt::NoModifier,
                      box_->mapTo(&window_, inBox));
  }

  qtfront::QtPlatform& application_ = testApplication();  // before any widget
  QWidget window_;
  qtfront::EditBox* box_ = nullptr;
  int userEdits_ = 0;
};

struct Outcome {
  std::u8string_view text;
  std::u8string_view selected;
  int caret;
  std::u8string_view clipboard;
  int userEdits;  // reported as the user's
};

struct EditCase {
  const char* title;
  std::vector<Step> steps;
  Outcome after;
};

// Each case starts from an empty box and an empty clipboard.
const EditCase editCases[] = {
    {"one undo takes a whole run of typing back",
     {typed(u8"123"), undoKey},
     {u8"", u8"", 0, u8"", 4}},
    {"a second undo puts it back, selected",
     {typed(u8"123"), undoKey, undoKey},
     {u8"123", u8"123", 3, u8"", 5}},
    {"undo after a paste over a selection puts the selection back",
     {typed(u8"12"), selectAllKey, clipboardHolds(u8"３４"), key(Qt::Key_V, Qt::ControlModifier),
      undoKey},
     {u8"12", u8"12", 2, u8"３４", 4}},
    {"Alt+Backspace undoes a run of Backspace",
     {typed(u8"12345"), key(Qt::Key_Backspace), key(Qt::Key_Backspace),
      key(Qt::Key_Backspace, Qt::AltModifier)},
     {u8"12345", u8"45", 5, u8"", 8}},
    {"a run of Delete is one edit as well",
     {typed(u8"12345"), key(Qt::Key_Home), key(Qt::Key_Delete), key(Qt::Key_Delete), undoKey},
     {u8"12345", u8"12", 2, u8"", 8}},
    {"Backspace after typing starts a new edit, and typing there joins it",
     {typed(u8"123"), key(Qt::Key_Backspace), typed(u8"9"), undoKey},
     {u8"123", u8"3", 3, u8"", 6}},
    {"nothing to undo: Ctrl+Z changes nothing", {undoKey}, {u8"", u8"", 0, u8"", 0}},
    {"a text the program wrote cannot be undone into the one before",
     {typed(u8"abc"), programWrites(u8"2"), undoKey, key(Qt::Key_Backspace, Qt::AltModifier)},
     {u8"2", u8"", 0, u8"", 3}},
    {"Shift+Delete cuts the selection",
     {typed(u8"abc"), key(Qt::Key_Left, Qt::ShiftModifier), key(Qt::Key_Left, Qt::ShiftModifier),
      key(Qt::Key_Delete, Qt::ShiftModifier)},
     {u8"a", u8"", 1, u8"bc", 4}},
    {"Shift+Delete without a selection does nothing",
     {typed(u8"abc"), key(Qt::Key_Left), key(Qt::Key_Delete, Qt::ShiftModifier)},
     {u8"abc", u8"", 2, u8"", 3}},
    {"Ctrl+Insert copies and leaves the box as it is",
     {typed(u8"abc"), selectAllKey, key(Qt::Key_Insert, Qt::ControlModifier)},
     {u8"abc", u8"abc", 3, u8"abc", 3}},
    {"Shift+Insert pastes the clipboard's first line",
     {clipboardHolds(u8"7\r\n8"), typed(u8"1"), key(Qt::Key_Insert, Qt::ShiftModifier)},
     {u8"17", u8"", 2, u8"7\r\n8", 2}},
    {"the menu's Delete removes the selection and its Undo brings it back",
     {typed(u8"abc"), selectAllKey, menuEntry(u8"d"), menuEntry(u8"u")},
     {u8"abc", u8"abc", 3, u8"", 5}},
    {"the menu's Cut and Paste",
     {typed(u8"abc"), selectAllKey, menuEntry(u8"t"), menuEntry(u8"p")},
     {u8"abc", u8"", 3, u8"abc", 5}},
    {"the menu's Select All and Copy",
     {typed(u8"abc"), menuEntry(u8"a"), menuEntry(u8"c")},
     {u8"abc", u8"abc", 3, u8"abc", 3}},
};

TEST_F(EditBoxTest, EachEditCommandLeavesTheBoxAndTheClipboardAsItShould) {
  for (const EditCase& edit : editCases) {
    SCOPED_TRACE(edit.title);
    box_->setText(QString());
    QGuiApplication::clipboard()->clear();
    userEdits_ = 0;
    for (const Step& step : edit.steps) {
      run(step);
      if (HasFatalFailure()) return;
    }
    EXPECT_EQ(box_->text(), unicode(edit.after.text));
    EXPECT_EQ(box_->selectedText(), unicode(edit.after.selected));
    EXPECT_EQ(box_->cursorPosition(), edit.after.caret);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), unicode(edit.after.clipboard));
    EXPECT_EQ(userEdits_, edit.after.userEdits);
  }
}

TEST_F(EditBoxTest, TheMenuHasTheEditControlsEntriesEnabledAsTheyFit) {
  struct State {
    const char* title;
    std::vector<Step> steps;
    std::string enabled;
  } states[] = {
      {"an empty box and an empty clipboard", {}, ""},
      {"typed text, the caret at its end, text on the clipboard",
       {typed(u8"ab"), clipboardHolds(u8"x")},
       "UPA"},
      {"the whole text selected", {typed(u8"ab"), selectAllKey}, "UTCD"},
      {"part of it selected", {typed(u8"ab"), key(Qt::Key_Left, Qt::ShiftModifier)}, "UTCDA"},
      {"a text the program wrote", {typed(u8"ab"), programWrites(u8"2")}, "A"},
  };
  for (const State& state : states) {
    SCOPED_TRACE(state.title);
    box_->setText(QString());
    QGuiApplication::clipboard()->clear();
    for (const Step& step : state.steps) run(step);
    rightClick();
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    QStringList labels;
    for (const QAction* action : menu->actions()) labels << action->text();
    EXPECT_EQ(labels,
              QStringList({qtfront::fromGbk("撤消(&U)"), "", qtfront::fromGbk("剪切(&T)"),
                           qtfront::fromGbk("复制(&C)"), qtfront::fromGbk("粘贴(&P)"),
                           qtfront::fromGbk("删除(&D)"), "", qtfront::fromGbk("全选(&A)")}));
    EXPECT_EQ(enabledEntries(*menu), state.enabled);
    menu->close();
  }
}

// The right button opens it at the pointer, the Menu key and Shift+F10 in the middle of the box;
// Esc closes it and leaves the text as it was.
TEST_F(EditBoxTest, TheMenuOpensOnTheRightButtonTheMenuKeyAndShiftF10) {
  run(typed(u8"12"));
  QPoint middle = box_->mapToGlobal(box_->rect().center());
  struct Opening {
    const char* title;
    std::function<void()> open;
    QPoint at;
  } openings[] = {
      {"right button",
       [this] {
         rightClick({5, 3});
       },
       box_->mapToGlobal(QPoint(5, 3))},
      {"Menu key", [this] { run(key(Qt::Key_Menu)); }, middle},
      {"Shift+F10", [this] { run(key(Qt::Key_F10, Qt::ShiftModifier)); }, middle},
  };
  for (const Opening& opening : openings) {
    SCOPED_TRACE(opening.title);
    opening.open();
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->parentWidget(), box_);
    EXPECT_EQ(menu->pos(), opening.at);
    QTest::keyClick(window_.windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
    EXPECT_EQ(box_->text(), QStringLiteral("12"));
    EXPECT_EQ(userEdits_, 2);
  }
}

// In the whole program: the result box keeps the written result, and Esc in an open menu closes
// only the menu.
TEST(EditBoxInTheWindow, AWrittenResultStaysAndEscClosesTheMenuBeforeTheWindow) {
  runProgramWith([](qtfront::QtWindowing& windowing, WindowDriver& driver) {
    QWindow* window = windowing.mainWindow()->windowHandle();
    QWidget* result = driver.control(utf8(u8"编辑框4"));
    driver.clickAt(result, result->rect().center());
    driver.type(QStringLiteral("abc"));
    QWidget* value = driver.control(utf8(u8"编辑框3"));
    driver.clickAt(value, value->rect().center());
    driver.type(QStringLiteral("2400"));
    QWidget* button = driver.control(utf8(u8"按钮2"));
    driver.clickAt(button, button->rect().center());
    ASSERT_EQ(driver.text(utf8(u8"编辑框4")), "2");

    driver.clickAt(result, result->rect().center());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(driver.text(utf8(u8"编辑框4")), "2");
    // The value box's own typing is undone, and the calculation reads what is left.
    driver.clickAt(value, value->rect().center());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(driver.text(utf8(u8"编辑框3")), "");
    driver.clickAt(button, button->rect().center());
    EXPECT_EQ(driver.text(utf8(u8"编辑框4")), "0");

    driver.clickAt(value, value->rect().center());
    QTest::keyClick(window, Qt::Key_Menu);
    ASSERT_NE(openMenu(), nullptr);
    driver.key({.key = "Esc"});
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    EXPECT_NE(windowing.mainWindow(), nullptr);
    driver.key({.key = "Esc"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return windowing.mainWindow() == nullptr; }));
  });
}

}  // namespace
}  // namespace qttest
