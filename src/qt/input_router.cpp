#include "qt/input_router.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "qt/edit_box.h"
#include "qt/tab_control.h"

namespace qtfront {
namespace {

// The keys the core takes before the focused control sees them.
std::optional<ui::Key> coreKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return ui::Key::tab;
    case Qt::Key_Escape:
      return ui::Key::escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ui::Key::enter;
    default:
      return std::nullopt;
  }
}

ui::Modifiers coreModifiers(Qt::KeyboardModifiers held) {
  ui::Modifiers modifiers = 0;
  if (held & Qt::ControlModifier) modifiers |= ui::ctrlKey;
  if (held & Qt::ShiftModifier) modifiers |= ui::shiftKey;
  if (held & Qt::AltModifier) modifiers |= ui::altKey;
  return modifiers;
}

}  // namespace

InputRouter::InputRouter() {
  qApp->installEventFilter(this);
}

InputRouter::~InputRouter() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

void InputRouter::attach(QWidget* window, ui::InputSink& sink) {
  window_ = window;
  sink_ = &sink;
  controls_.clear();
}

void InputRouter::detach() {
  sink_ = nullptr;
  controls_.clear();
}

void InputRouter::addControl(QWidget* widget, ui::ControlId id) {
  controls_[widget] = id;
}

void InputRouter::watchButton(QPushButton* button, ui::ControlId id) {
  connect(button, &QPushButton::clicked, this, [this, id] {
    if (sink_ != nullptr) sink_->buttonClicked(id);
  });
}

void InputRouter::watchEditBox(EditBox* editBox, ui::ControlId id) {
  // Only the user's own edits: a text the program sets does not come through here.
  editBox->onEditedByUser([this, id] {
    if (sink_ != nullptr) sink_->contentChangedByUser(id);
  });
}

void InputRouter::watchTabControl(TabControl* tabControl, int selectedPage) {
  selectedPage_ = selectedPage;
  connect(tabControl, &QTabWidget::currentChanged, this,
          [this, tabControl](int page) { pageChanged(tabControl, page); });
}

// Qt has already moved the headers when it tells of the change; the core is asked as if it
// had not, and a refusal puts the old page back before anything is painted.
void InputRouter::pageChanged(TabControl* tabControl, int page) {
  if (sink_ == nullptr || page == selectedPage_) return;
  if (!sink_->pageSelectionChanging()) {
    QSignalBlocker quiet(tabControl);
    tabControl->setCurrentIndex(selectedPage_);
    return;
  }
  selectedPage_ = page;
  if (sink_ != nullptr) sink_->pageSelectionChanged();
}

std::optional<ui::ControlId> InputRouter::controlOf(const QWidget* widget) const {
  for (; widget != nullptr && widget != window_; widget = widget->parentWidget()) {
    auto found = controls_.find(widget);
    if (found != controls_.end()) return found->second;
  }
  return std::nullopt;
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
  if (sink_ == nullptr || window_ == nullptr || !watched->isWidgetType()) return false;
  auto* receiver = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::KeyPress:
      return offerKey(receiver, event);
    case QEvent::MouseButtonPress:
      return offerPress(receiver, event);
    case QEvent::WindowActivate:
      if (receiver == window_) sink_->activationGained();
      return false;
    case QEvent::WindowDeactivate:
      if (receiver == window_) sink_->activationLost();
      return false;
    case QEvent::Close:
      if (receiver != window_) return false;
      // The core decides whether and how the window closes.
      event->ignore();
      sink_->closeRequested();
      return true;
    default:
      return false;
  }
}

bool InputRouter::offerKey(QWidget* receiver, QEvent* event) {
  // Qt hands an unused key on to each parent in turn; the press is offered once, when it
  // reaches the widget that has the focus (the window itself when nothing inside has it).
  QWidget* focused = window_->focusWidget();
  if (receiver != (focused != nullptr ? focused : window_.data())) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  std::optional<ui::Key> coreKeyPressed = coreKey(key->key());
  if (!coreKeyPressed) return false;
  ui::Modifiers modifiers = coreModifiers(key->modifiers());
  if (key->key() == Qt::Key_Backtab) modifiers |= ui::shiftKey;
  return sink_->offerKeyPress(*coreKeyPressed, modifiers);
}

bool InputRouter::offerPress(QWidget* receiver, QEvent* event) {
  auto* press = static_cast<QMouseEvent*>(event);
  // Qt hands an unused press on to the parents as new, non-spontaneous events: only the
  // first delivery, to the widget under the pointer, is the user's press.
  if (press->button() != Qt::LeftButton || !press->spontaneous()) return false;
  if (receiver->window() != window_) return false;
  std::optional<ui::ControlId> control = controlOf(receiver);
  if (!control) return false;
  QWidget* controlWidget = receiver;
  while (controls_.find(controlWidget) == controls_.end())
    controlWidget = controlWidget->parentWidget();
  QPoint at = receiver->mapTo(controlWidget, press->position().toPoint());
  // The platform's press carries x and y as unsigned 16-bit values.
  return sink_->offerLeftButtonPress(*control, static_cast<std::uint16_t>(at.x()),
                                     static_cast<std::uint16_t>(at.y()),
                                     coreModifiers(press->modifiers()));
}

}  // namespace qtfront
