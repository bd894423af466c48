#include "qt/tab_control.h"

#include <QKeyEvent>
#include <QTabBar>
#include <QWheelEvent>

namespace qtfront {
namespace {

// The mouse wheel over the headers leaves the page as it is.
class HeaderRow final : public QTabBar {
 public:
  explicit HeaderRow(QWidget* parent) : QTabBar(parent) {
    // A click on a header gives the tab control the focus; Tab never stops there.
    setFocusPolicy(Qt::ClickFocus);
    setElideMode(Qt::ElideNone);
  }

 protected:
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

}  // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new HeaderRow(this));
  setFocusPolicy(Qt::ClickFocus);
}

void TabControl::keyPressEvent(QKeyEvent* event) {
  event->ignore();
}

}  // namespace qtfront
