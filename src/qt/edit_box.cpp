#include "qt/edit_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>

#include "qt/gbk_text.h"

namespace qtfront {
namespace {

// The blank between the frame and the text, on the left and on the right.
constexpr int textMargin = 2;

QStyleOptionFrame frameOption(const QWidget* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = box->rect();
  option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  return option;
}

bool isTyped(const QString& text) {
  if (text.isEmpty()) return false;
  const QList<uint> characters = text.toUcs4();
  return std::all_of(characters.begin(), characters.end(),
                     [](uint character) { return QChar::isPrint(character); });
}

// A pasted text stops at its first line break: the box holds one line.
QString firstLine(QString text) {
  qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  if (lineEnd >= 0) text.truncate(lineEnd);
  return text;
}

enum class EditCommand { none, undo, cut, copy, paste, selectAll, contextMenu };

// The desktop's keys for the commands, and the Windows edit control's, which work everywhere.
EditCommand commandOf(const QKeyEvent* event) {
  QKeyCombination chord(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
  auto is = [&](Qt::KeyboardModifiers modifiers, Qt::Key key) {
    return chord == QKeyCombination(modifiers, key);
  };
  if (event->matches(QKeySequence::Undo) || is(Qt::AltModifier, Qt::Key_Backspace))
    return EditCommand::undo;
  if (event->matches(QKeySequence::Cut) || is(Qt::ShiftModifier, Qt::Key_Delete))
    return EditCommand::cut;
  if (event->matches(QKeySequence::Copy) || is(Qt::ControlModifier, Qt::Key_Insert))
    return EditCommand::copy;
  if (event->matches(QKeySequence::Paste) || is(Qt::ShiftModifier, Qt::Key_Insert))
    return EditCommand::paste;
  if (event->matches(QKeySequence::SelectAll)) return EditCommand::selectAll;
  if (chord.key() == Qt::Key_Menu || is(Qt::ShiftModifier, Qt::Key_F10))
    return EditCommand::contextMenu;
  return EditCommand::none;
}

bool clipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

}  // namespace

EditBox::EditBox(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  setCursor(Qt::IBeamCursor);
  // Black on white inside the frame, whatever the desktop's colours.
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
}

EditBox::~EditBox() = default;

void EditBox::setText(const QString& text) {
  text_ = text;
  undo_.clear();
  cursor_ = anchor_ = firstShown_ = 0;
  update();
}

void EditBox::setSelection(int start, int length) {
  auto clamped = [&](qsizetype at) {
    return static_cast<int>(std::clamp<qsizetype>(at, 0, text_.size()));
  };
  anchor_ = clamped(start);
  cursor_ = clamped(qsizetype{start} + length);
  scrollCaretIntoView();
  update();
}

QString EditBox::selectedText() const {
  int from = std::min(anchor_, cursor_);
  return text_.mid(from, std::abs(cursor_ - anchor_));
}

void EditBox::fitHeightToText() {
  QStyleOptionFrame option = frameOption(this);
  int needed = fontMetrics().boundingRect(QStringLiteral("吴")).height() + 2 * option.lineWidth;
  if (height() < needed) resize(width(), needed);
}

QSize EditBox::sizeHint() const {
  return {80, fontMetrics().height() + 2 * frameOption(this).lineWidth};
}

QRect EditBox::textArea() const {
  QStyleOptionFrame option = frameOption(this);
  QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  return contents.adjusted(textMargin, 0, -textMargin, 0);
}

void EditBox::layOutVisible(QTextLayout& layout, int& first, int& count) const {
  first = firstShown_;
  // No character is narrower than a pixel, so this many reach past the right edge.
  qsizetype inView = std::min<qsizetype>(text_.size() - first, textArea().width() + 2);
  if (first + inView < text_.size() && inView > 0 && text_[first + inView - 1].isHighSurrogate())
    ++inView;
  count = static_cast<int>(std::max<qsizetype>(inView, 0));
  layout.setText(text_.mid(first, count));
  layout.setFont(font());
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) line.setPosition(QPointF(0, 0));
  layout.endLayout();
}

void EditBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame panel = frameOption(this);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

  QRect area = textArea();
  painter.setClipRect(area);
  QTextLayout layout;
  int first = 0;
  int count = 0;
  layOutVisible(layout, first, count);
  int textHeight = fontMetrics().height();
  QPointF origin(area.left(), area.top() + (area.height() - textHeight + 1) / 2);

  QList<QTextLayout::FormatRange> selection;
  if (hasFocus() && hasSelection()) {
    int from = std::max(std::min(anchor_, cursor_) - first, 0);
    int to = std::min(std::max(anchor_, cursor_) - first, count);
    if (to > from) {
      QTextLayout::FormatRange range;
      range.start = from;
      range.length = to - from;
      range.format.setBackground(palette().brush(QPalette::Highlight));
      range.format.setForeground(palette().brush(QPalette::HighlightedText));
      selection.append(range);
    }
  }
  painter.setPen(palette().color(QPalette::Text));
  layout.draw(&painter, origin, selection);
  if (hasFocus() && caretOn_ && cursor_ >= first && cursor_ <= first + count)
    layout.drawCursor(&painter, origin, cursor_ - first, 1);
}

int EditBox::positionAt(int x) const {
  QRect area = textArea();
  // Left of the text while the start is scrolled away: one character more comes into view.
  if (x < area.left() && firstShown_ > 0) return previousPosition(firstShown_);
  QTextLayout layout;
  int first = 0;
  int count = 0;
  layOutVisible(layout, first, count);
  QTextLine line = layout.lineAt(0);
  if (!line.isValid()) return first;
  return first + line.xToCursor(x - area.left(), QTextLine::CursorBetweenCharacters);
}

void EditBox::scrollCaretIntoView() {
  QFontMetrics metrics = fontMetrics();
  // One pixel stays free for the caret at the right edge.
  int room = std::max(textArea().width() - 1, 1);
  if (cursor_ < firstShown_) {
    firstShown_ = cursor_;
  } else {
    // Back from the caret for as long as the characters fit; never further than the start in view.
    int start = cursor_;
    int used = 0;
    while (start > firstShown_) {
      int before = previousPosition(start);
      used += metrics.horizontalAdvance(text_.mid(before, start - before));
      if (used > room) break;
      start = before;
    }
    firstShown_ = start;
  }
  // A text that ends before the right edge shows as much of its start as fits.
  if (firstShown_ > 0 && text_.size() - firstShown_ <= room) {
    int used = metrics.horizontalAdvance(text_.mid(firstShown_));
    while (firstShown_ > 0) {
      int before = previousPosition(firstShown_);
      used += metrics.horizontalAdvance(text_.mid(before, firstShown_ - before));
      if (used > room) break;
      firstShown_ = before;
    }
  }
}

void EditBox::moveCaret(int position, bool extendSelection) {
  cursor_ = static_cast<int>(std::clamp<qsizetype>(position, 0, text_.size()));
  if (!extendSelection) anchor_ = cursor_;
  scrollCaretIntoView();
  restartBlinking();
  update();
}

void EditBox::replaceSelection(const QString& inserted) {
  int from = std::min(anchor_, cursor_);
  int to = std::max(anchor_, cursor_);
  undo_.noteReplacement(text_, from, to, inserted);
  text_.replace(from, to - from, inserted);
  cursor_ = anchor_ = from + static_cast<int>(inserted.size());
  changedByUser();
}

void EditBox::changedByUser() {
  scrollCaretIntoView();
  restartBlinking();
  update();
  if (edited_) edited_();
}

// What is put back comes selected, as in the system's edit control.
void EditBox::undo() {
  if (!undo_.canUndo()) return;
  EditUndo::PutBack putBack = undo_.undo(text_);
  anchor_ = putBack.from;
  cursor_ = putBack.to;
  changedByUser();
}

void EditBox::removeAround(bool forward) {
  if (!hasSelection()) {
    int other = forward ? nextPosition(cursor_) : previousPosition(cursor_);
    if (other == cursor_) return;
    anchor_ = other;
  }
  replaceSelection(QString());
}

void EditBox::cut() {
  copySelection();
  deleteSelection();
}

void EditBox::copySelection() const {
  if (hasSelection()) QGuiApplication::clipboard()->setText(selectedText());
}

void EditBox::paste() {
  QString pasted = firstLine(QGuiApplication::clipboard()->text());
  if (!pasted.isEmpty() || hasSelection()) replaceSelection(pasted);
}

void EditBox::deleteSelection() {
  if (hasSelection()) replaceSelection(QString());
}

void EditBox::selectAll() {
  anchor_ = 0;
  moveCaret(static_cast<int>(text_.size()), true);
}

int EditBox::previousPosition(int position) const {
  if (position <= 0) return 0;
  --position;
  if (position > 0 && text_[position].isLowSurrogate() && text_[position - 1].isHighSurrogate())
    --position;
  return position;
}

int EditBox::nextPosition(int position) const {
  if (position >= text_.size()) return static_cast<int>(text_.size());
  ++position;
  if (position < text_.size() && text_[position].isLowSurrogate() &&
      text_[position - 1].isHighSurrogate())
    ++position;
  return position;
}

bool EditBox::runCommandOf(const QKeyEvent* event) {
  switch (commandOf(event)) {
    case EditCommand::undo:
      undo();
      return true;
    case EditCommand::cut:
      cut();
      return true;
    case EditCommand::copy:
      copySelection();
      return true;
    case EditCommand::paste:
      paste();
      return true;
    case EditCommand::selectAll:
      selectAll();
      return true;
    case EditCommand::contextMenu:
      showContextMenu(mapToGlobal(rect().center()));
      return true;
    case EditCommand::none:
      return false;
  }
  return false;
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  bool extend = event->modifiers() & Qt::ShiftModifier;
  if (!runCommandOf(event)) {
    switch (event->key()) {
      case Qt::Key_Left:
        moveCaret(
            hasSelection() && !extend ? std::min(anchor_, cursor_) : previousPosition(cursor_),
            extend);
        break;
      case Qt::Key_Right:
        moveCaret(hasSelection() && !extend ? std::max(anchor_, cursor_) : nextPosition(cursor_),
                  extend);
        break;
      case Qt::Key_Home:
        moveCaret(0, extend);
        break;
      case Qt::Key_End:
        moveCaret(static_cast<int>(text_.size()), extend);
        break;
      case Qt::Key_Backspace:
        removeAround(false);
        break;
      case Qt::Key_Delete:
        removeAround(true);
        break;
      default:
        if (!isTyped(event->text()) || (event->modifiers() & Qt::ControlModifier)) {
          event->ignore();
          return;
        }
        replaceSelection(event->text());
    }
  }
  event->accept();
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) replaceSelection(event->commitString());
  event->accept();
}

QVariant EditBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled:
      return true;
    case Qt::ImHints:
      return static_cast<int>(Qt::ImhNone);
    case Qt::ImCursorRectangle: {
      QRect area = textArea();
      int x = area.left() + fontMetrics().horizontalAdvance(
                                text_.mid(firstShown_, std::max(cursor_ - firstShown_, 0)));
      return QRect(x, area.top(), 1, area.height());
    }
    default:
      return QWidget::inputMethodQuery(query);
  }
}

void EditBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  moveCaret(positionAt(event->position().toPoint().x()), event->modifiers() & Qt::ShiftModifier);
}

void EditBox::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton)
    moveCaret(positionAt(event->position().toPoint().x()), true);
}

// A double click selects the word under the pointer: the run of non-blank characters.
void EditBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  int at = positionAt(event->position().toPoint().x());
  int start = at;
  int end = at;
  while (start > 0 && !text_[start - 1].isSpace()) --start;
  while (end < text_.size() && !text_[end].isSpace()) ++end;
  anchor_ = start;
  moveCaret(end, true);
}

// At the pointer for the right button; for the keys in the middle of the box, as on Windows.
void EditBox::contextMenuEvent(QContextMenuEvent* event) {
  showContextMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                              : mapToGlobal(rect().center()));
}

void EditBox::showContextMenu(QPoint globalPosition) {
  if (menu_ == nullptr) menu_ = new QMenu(this);
  menu_->clear();
  auto entry = [this](const char* label, bool enabled, auto command) {
    QAction* action = menu_->addAction(fromGbk(label), this, command);
    action->setEnabled(enabled);
  };
  bool allSelected = std::min(anchor_, cursor_) == 0 && std::max(anchor_, cursor_) == text_.size();
  entry("撤消(&U)", undo_.canUndo(), &EditBox::undo);
  menu_->addSeparator();
  entry("剪切(&T)", hasSelection(), &EditBox::cut);
  entry("复制(&C)", hasSelection(), &EditBox::copySelection);
  entry("粘贴(&P)", clipboardHasText(), &EditBox::paste);
  entry("删除(&D)", hasSelection(), &EditBox::deleteSelection);
  menu_->addSeparator();
  entry("全选(&A)", !allSelected, &EditBox::selectAll);
  menu_->popup(globalPosition);
}

void EditBox::focusInEvent(QFocusEvent* event) {
  restartBlinking();
  update();
  QWidget::focusInEvent(event);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  blink_.stop();
  update();  // the selection stays, unseen until the focus comes back
  QWidget::focusOutEvent(event);
}

void EditBox::resizeEvent(QResizeEvent* event) {
  scrollCaretIntoView();
  QWidget::resizeEvent(event);
}

void EditBox::timerEvent(QTimerEvent* event) {
  if (event->timerId() != blink_.timerId()) return QWidget::timerEvent(event);
  caretOn_ = !caretOn_;
  update();
}

void EditBox::restartBlinking() {
  caretOn_ = true;
  int period = QGuiApplication::styleHints()->cursorFlashTime();
  if (hasFocus() && period > 0)
    blink_.start(period / 2, this);
  else
    blink_.stop();
}

}  // namespace qtfront
