#include "qt/label_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace qtfront {

LabelWidget::LabelWidget(ui::LineLayout layout, QWidget* parent)
    : QWidget(parent), layout_(layout) {
  // A press on a label ends there, as it does on a child window of its own.
  setAttribute(Qt::WA_NoMousePropagation);
  setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::setText(const QString& text) {
  text_ = text;
  update();
}

void LabelWidget::paintEvent(QPaintEvent* event) {
  if ((event->rect() & rect()).isEmpty() || text_.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setFont(font());
  // An ampersand marks the next character, as the label's text has always been drawn.
  int flags = Qt::AlignLeft | Qt::TextShowMnemonic;
  QString shown = text_;
  if (layout_ == ui::LineLayout::singleLine) {
    flags |= Qt::TextSingleLine | Qt::AlignVCenter;
  } else {
    flags |= Qt::TextWordWrap | Qt::AlignTop;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }
  painter.drawText(rect(), flags, shown);
}

}  // namespace qtfront
