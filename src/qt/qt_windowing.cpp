#include "qt/qt_windowing.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QThread>
#include <utility>

#include "qt/edit_box.h"
#include "qt/gbk_text.h"
#include "qt/label_widget.h"
#include "qt/tab_control.h"

// The icon lives in the front end's static library, whose resources must be registered by hand.
static void registerResources() {
  Q_INIT_RESOURCE(appearance);
}

namespace qtfront {
namespace {

bool insideEventLoop() {
  return QThread::currentThread()->loopLevel() > 0;
}

bool hasFixedFrame(ui::BorderStyle style) {
  return style != ui::BorderStyle::sizable && style != ui::BorderStyle::sizableToolWindow &&
         style != ui::BorderStyle::sizableSunken;
}

Qt::WindowFlags windowFlags(const ui::MainWindowProperties& properties) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (properties.controlBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (properties.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  if (properties.maximizeBox) flags |= Qt::WindowMaximizeButtonHint;
  if (properties.alwaysOnTop) flags |= Qt::WindowStaysOnTopHint;
  if (!properties.showInTaskbar) flags |= Qt::Tool;
  return flags;
}

// Edit boxes and buttons take the focus from Tab when they are tab stops, and from a click; the
// tab control takes it from a click on a header, as the system's tab control does.
Qt::FocusPolicy focusPolicy(const ui::ControlDefinition& control) {
  switch (control.kind) {
    case ui::ControlKind::editBox:
    case ui::ControlKind::button:
      return control.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    case ui::ControlKind::tabControl:
      return Qt::ClickFocus;
    default:
      return Qt::NoFocus;
  }
}

}  // namespace

QtWindowing::QtWindowing() {
  registerResources();
}

QtWindowing::~QtWindowing() {
  sink_ = nullptr;
  router_.detach();
  delete window_.data();
}

ui::ScreenSize QtWindowing::primaryScreenSize() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  QSize size = screen->geometry().size();
  return {size.width(), size.height()};
}

bool QtWindowing::createMainWindow(const ui::MainWindowProperties& properties, ui::Rect outer,
                                   ui::InputSink& sink) {
  if (window_ != nullptr) return false;
  auto* window = new QWidget(nullptr, windowFlags(properties));
  window->setWindowTitle(fromGbk(properties.title));
  window->setWindowIcon(QIcon(QStringLiteral(":/appearance/appearance.png")));
  // The client area takes the tab control's size once that exists; until then the outer size.
  if (hasFixedFrame(properties.borderStyle))
    window->setFixedSize(outer.width, outer.height);
  else
    window->resize(outer.width, outer.height);
  window->move(outer.left, outer.top);
  window->setEnabled(properties.enabled);
  QObject::connect(window, &QObject::destroyed, &router_, [this] { windowGone(); });

  window_ = window;
  sink_ = &sink;
  router_.attach(window, sink);
  return true;
}

bool QtWindowing::createControl(ui::ControlId id, const ui::ControlDefinition& control,
                                std::int32_t selectedPage) {
  if (window_ == nullptr) return false;
  QWidget* widget = createWidget(control, selectedPage);
  if (widget == nullptr) return false;
  widget->setObjectName(fromGbk(control.name));
  widget->setEnabled(control.enabled);
  widget->setFocusPolicy(focusPolicy(control));
  widget->hide();

  if (controls_.size() <= id) {
    controls_.resize(id + 1);
    captions_.resize(id + 1);
  }
  controls_[id] = widget;
  captions_[id] = std::string(control.text);
  router_.addControl(widget, id);
  if (auto* button = qobject_cast<QPushButton*>(widget)) router_.watchButton(button, id);
  if (auto* editBox = dynamic_cast<EditBox*>(widget)) router_.watchEditBox(editBox, id);
  return true;
}

QWidget* QtWindowing::createWidget(const ui::ControlDefinition& control,
                                   std::int32_t selectedPage) {
  const ui::Rect& rect = control.rect;
  QRect geometry(rect.left, rect.top, rect.width, rect.height);
  switch (control.kind) {
    case ui::ControlKind::label: {
      auto* label = new LabelWidget(control.lineLayout, window_);
      label->setText(fromGbk(control.text));
      label->setGeometry(geometry);
      return label;
    }
    case ui::ControlKind::editBox: {
      auto* editBox = new EditBox(window_);
      editBox->setGeometry(geometry);
      editBox->fitHeightToText();
      editBox->setText(fromGbk(control.text));
      return editBox;
    }
    case ui::ControlKind::button: {
      auto* button = new QPushButton(fromGbk(control.text), window_);
      // Neither button is pressed by Enter.
      button->setAutoDefault(control.defaultButton);
      button->setDefault(control.defaultButton);
      button->setGeometry(geometry);
      return button;
    }
    case ui::ControlKind::groupBox: {
      auto* groupBox = new QGroupBox(fromGbk(control.text), window_);
      groupBox->setAlignment(Qt::AlignLeft);
      groupBox->setGeometry(geometry);
      return groupBox;
    }
    case ui::ControlKind::tabControl: {
      if (tabControl_ != nullptr || control.tabControl == nullptr) return nullptr;
      auto* tabControl = new TabControl(window_);
      for (std::string_view caption : control.tabControl->pageCaptions)
        tabControl->addTab(new QWidget, fromGbk(caption));
      {
        QSignalBlocker quiet(tabControl);
        tabControl->setCurrentIndex(selectedPage);
      }
      tabControl->setGeometry(geometry);
      router_.watchTabControl(tabControl, selectedPage);
      // The client area is exactly what the tab control covers, so no frame clips a control.
      if (window_->minimumSize() == window_->maximumSize())
        window_->setFixedSize(geometry.right() + 1, geometry.bottom() + 1);
      tabControl_ = tabControl;
      return tabControl;
    }
  }
  return nullptr;
}

void QtWindowing::reparentControl(ui::ControlId child, ui::ControlId parent) {
  QWidget* childWidget = controlWidget(child);
  QWidget* parentWidget = controlWidget(parent);
  if (childWidget == nullptr || parentWidget == nullptr || childWidget == parentWidget) return;
  bool hidden = childWidget->isHidden();
  childWidget->setParent(parentWidget);  // keeps the rectangle's numbers
  childWidget->setVisible(!hidden);
}

void QtWindowing::setControlShown(ui::ControlId id, bool shown) {
  if (QWidget* widget = controlWidget(id)) widget->setVisible(shown);
}

void QtWindowing::showMainWindow() {
  if (window_ == nullptr) return;
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtWindowing::destroyMainWindow() {
  if (window_ == nullptr || destroying_) return;
  destroying_ = true;
  window_->hide();
  // Inside the loop the window may be in the middle of handling the very input that closes
  // it: it goes once that input is done. Outside the loop it goes at once.
  if (insideEventLoop())
    window_->deleteLater();
  else
    delete window_.data();
}

void QtWindowing::windowGone() {
  router_.detach();
  window_ = nullptr;
  tabControl_ = nullptr;
  controls_.clear();
  captions_.clear();
  destroying_ = false;
  if (ui::InputSink* sink = std::exchange(sink_, nullptr)) sink->windowDestroyed();
}

void QtWindowing::setFocus(ui::ControlId id) {
  if (QWidget* widget = controlWidget(id)) widget->setFocus(Qt::OtherFocusReason);
}

std::optional<ui::ControlId> QtWindowing::focusedControl() {
  if (window_ == nullptr) return std::nullopt;
  // The window's own focus widget: it still names the control while activation is being lost.
  QWidget* focused = window_->focusWidget();
  if (focused == nullptr || focused == window_) return std::nullopt;
  return router_.controlOf(focused);
}

std::string QtWindowing::controlText(ui::ControlId id) {
  if (auto* editBox = dynamic_cast<EditBox*>(controlWidget(id))) return toGbk(editBox->text());
  return id < captions_.size() ? captions_[id] : std::string();
}

void QtWindowing::setControlText(ui::ControlId id, std::string_view text) {
  QWidget* widget = controlWidget(id);
  if (widget == nullptr) return;
  captions_[id] = std::string(text);
  QString shown = fromGbk(text);
  if (auto* editBox = dynamic_cast<EditBox*>(widget)) {
    editBox->setText(shown);
  } else if (auto* label = dynamic_cast<LabelWidget*>(widget)) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(shown);
  } else if (auto* groupBox = qobject_cast<QGroupBox*>(widget)) {
    groupBox->setTitle(shown);
  }
}

std::int32_t QtWindowing::selectedPage(ui::ControlId) {
  return router_.selectedPage();
}

void QtWindowing::postQuit(int code) {
  quitCode_ = code;
  if (insideEventLoop())
    QCoreApplication::exit(code);
  else
    pendingQuit_ = code;
}

int QtWindowing::runMessageLoop() {
  if (pendingQuit_) return *std::exchange(pendingQuit_, std::nullopt);
  return QApplication::exec();
}

QWidget* QtWindowing::controlWidget(ui::ControlId id) const {
  return id < controls_.size() ? controls_[id].data() : nullptr;
}

}  // namespace qtfront
