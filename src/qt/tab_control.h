// The tab control: a row of page headers along the top and the page panel below, with every
// page control a child of it. Pages change only by a click on a header or an arrow key while
// the header row has the focus, as with the system's tab control.
#pragma once

#include <QTabWidget>

namespace qtfront {

class TabControl final : public QTabWidget {
 public:
  explicit TabControl(QWidget* parent);

 protected:
  // Ctrl+Tab and Ctrl+PageDown go on as ordinary keys instead of turning pages.
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qtfront
