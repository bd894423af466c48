// A one-line edit box: editable, with no length limit of its own, at least as high as its text
// and frame, scrolling sideways, and its selection kept but shown only while it has the focus.
// Its editing keys and its context menu are those of the system's edit control on Windows, so
// that both programs' boxes answer alike: one level of undo (Ctrl+Z, Alt+Backspace) that a
// second undo takes back, Shift+Delete, Ctrl+Insert and Shift+Insert besides the desktop's own
// cut, copy and paste keys, and the menu on the right button, the Menu key and Shift+F10.
//
// It lays out only the characters in view, so a box holding a text of many megabytes paints,
// moves its caret and takes keys as fast as one holding a few digits (Qt's QLineEdit lays out
// the whole line on every paint).
#pragma once

#include <QBasicTimer>
#include <QString>
#include <QWidget>
#include <functional>

#include "qt/edit_undo.h"

class QMenu;
class QTextLayout;

namespace qtfront {

class EditBox final : public QWidget {
 public:
  explicit EditBox(QWidget* parent);
  ~EditBox() override;

  const QString& text() const { return text_; }
  // Replaces the whole text; the caret goes to the start. Not an edit by the user, and not one
  // to undo: nothing is left to undo afterwards.
  void setText(const QString& text);
  int cursorPosition() const { return cursor_; }
  // Selects `length` characters from `start` (a negative length selects backwards).
  void setSelection(int start, int length);
  QString selectedText() const;

  // Runs after every change of the text by the user (typing, pasting, cutting, deleting,
  // undoing).
  void onEditedByUser(std::function<void()> edited) { edited_ = std::move(edited); }

  // Grows the box to the height of its text line and frame when its rectangle is lower.
  void fitHeightToText();

  QSize sizeHint() const override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  QRect textArea() const;
  // The characters from the first one in view to just past the right edge, laid out.
  void layOutVisible(QTextLayout& layout, int& first, int& count) const;
  int positionAt(int x) const;
  void moveCaret(int position, bool extendSelection);
  void replaceSelection(const QString& inserted);
  void removeAround(bool forward);
  void changedByUser();
  void undo();
  void cut();
  void copySelection() const;
  void paste();
  void deleteSelection();
  void selectAll();
  // Runs the edit command that the key stands for; false when it stands for none.
  bool runCommandOf(const QKeyEvent* event);
  void showContextMenu(QPoint globalPosition);
  void scrollCaretIntoView();
  void restartBlinking();
  int previousPosition(int position) const;
  int nextPosition(int position) const;
  bool hasSelection() const { return anchor_ != cursor_; }

  QString text_;
  int cursor_ = 0;
  int anchor_ = 0;      // the other end of the selection; equal to cursor_ when there is none
  int firstShown_ = 0;  // the first character in view
  bool caretOn_ = true;
  QBasicTimer blink_;
  EditUndo undo_;
  QMenu* menu_ = nullptr;  // made on first use
  std::function<void()> edited_;
};

}  // namespace qtfront
