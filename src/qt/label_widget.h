// A label that paints itself: black text in the window's font, on one line centred vertically or
// word-wrapped from the top, over its parent's own background (the page, or the group box that
// holds it), so that it shows exactly the colour of what it sits on whatever the style.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/window_definition.h"

namespace qtfront {

class LabelWidget final : public QWidget {
 public:
  LabelWidget(ui::LineLayout layout, QWidget* parent);

  void setText(const QString& text);
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ui::LineLayout layout_;
  QString text_;
};

}  // namespace qtfront
