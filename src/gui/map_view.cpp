#include "gui/map_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "gui/text.h"

namespace tamo::gui {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kSmallestScale = 4;
constexpr double kLargestScale = 600;
constexpr double kPanStep = 40;
constexpr double kDragSlack = 4;  // pixels a click may wander before it counts as a drag

}  // namespace

MapView::MapView(QWidget* parent) : QWidget(parent) {
  setObjectName("mapview");
  setAccessibleName(qs("Térkép"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setMinimumSize(200, 150);
}

void MapView::set_scene(map::Scene scene) {
  scene_ = std::move(scene);
  if (!fitted_ && width() > 0) fit();
  update();
}

void MapView::zoom(double factor, QPointF anchor) {
  double scale = std::clamp(viewport_.scale * factor, kSmallestScale, kLargestScale);
  map::Point fixed = viewport_.to_scene(anchor);
  viewport_.scale = scale;
  viewport_.offset = anchor - QPointF(fixed.x * scale, fixed.y * scale);
  update();
}

void MapView::fit() {
  const map::Rect& b = scene_.bounds;
  if (b.w <= 0 || b.h <= 0 || width() <= 0 || height() <= 0) return;
  double scale = std::clamp(std::min(width() / b.w, height() / b.h), kSmallestScale, kLargestScale);
  viewport_.scale = scale;
  viewport_.offset = QPointF((width() - b.w * scale) / 2 - b.x * scale,
                             (height() - b.h * scale) / 2 - b.y * scale);
  fitted_ = true;
  update();
}

void MapView::reveal(std::size_t room) {
  if (room >= scene_.boxes.size()) return;
  const map::Rect& r = scene_.boxes[room].rect;
  QPointF centre = viewport_.to_device({r.x + r.w / 2, r.y + r.h / 2});
  if (rect().contains(centre.toPoint())) return;
  viewport_.offset += rect().center() - centre;
  update();
}

void MapView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painted_ = paint_map(painter, scene_, viewport_, QRectF(event->rect()));
}

void MapView::wheelEvent(QWheelEvent* event) {
  double steps = event->angleDelta().y() / 120.0;
  if (steps != 0) zoom(std::pow(kZoomStep, steps), event->position());
  event->accept();
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  dragged_ = false;
  drag_from_ = event->position();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  QPointF delta = event->position() - drag_from_;
  if (!dragged_ && std::hypot(delta.x(), delta.y()) < kDragSlack) return;
  dragged_ = true;
  viewport_.offset += delta;
  drag_from_ = event->position();
  update();
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  if (dragged_) return;
  if (const map::SceneBox* box = box_at(event->position()); box && on_click) on_click(box->room);
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (const map::SceneBox* box = box_at(event->position()); box && on_double_click)
    on_double_click(box->room);
}

void MapView::keyPressEvent(QKeyEvent* event) {
  bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Left:
      viewport_.offset += QPointF(kPanStep, 0);
      break;
    case Qt::Key_Right:
      viewport_.offset -= QPointF(kPanStep, 0);
      break;
    case Qt::Key_Up:
      viewport_.offset += QPointF(0, kPanStep);
      break;
    case Qt::Key_Down:
      viewport_.offset -= QPointF(0, kPanStep);
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (!ctrl) return QWidget::keyPressEvent(event);
      zoom(kZoomStep);
      return;
    case Qt::Key_Minus:
      if (!ctrl) return QWidget::keyPressEvent(event);
      zoom(1 / kZoomStep);
      return;
    case Qt::Key_0:
      if (!ctrl) return QWidget::keyPressEvent(event);
      fit();
      return;
    default:
      return QWidget::keyPressEvent(event);
  }
  update();
}

void MapView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!fitted_) fit();
}

bool MapView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const map::SceneBox* box = box_at(help->pos());
    if (box && !box->tooltip.empty())
      QToolTip::showText(help->globalPos(), qs(box->label + ": " + box->tooltip), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

const map::SceneBox* MapView::box_at(QPointF device) const {
  return scene_.box_at(viewport_.to_scene(device));
}

}  // namespace tamo::gui
