#include "gui/elided_path_label.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace tamo::gui {

ElidedPathLabel::ElidedPathLabel() {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize ElidedPathLabel::sizeHint() const {
  QSize hint = QLabel::sizeHint();
  hint.setWidth(std::min(hint.width(), window()->width() * 2 / 5));
  return hint.expandedTo(minimumSizeHint());
}

QSize ElidedPathLabel::minimumSizeHint() const {
  return {fontMetrics().averageCharWidth() * 12, QLabel::minimumSizeHint().height()};
}

void ElidedPathLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.drawText(area, Qt::AlignVCenter | Qt::AlignRight,
                   fontMetrics().elidedText(text(), Qt::ElideLeft, area.width()));
}

// The share it asks for follows the window's width.
void ElidedPathLabel::showEvent(QShowEvent* event) {
  window()->installEventFilter(this);
  QLabel::showEvent(event);
}

bool ElidedPathLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window() && event->type() == QEvent::Resize) updateGeometry();
  return QLabel::eventFilter(watched, event);
}

}  // namespace tamo::gui
