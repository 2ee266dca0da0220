#include "gui/map_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace tamo::gui {

namespace {

using map::LinkKind;
using map::MarkKind;

// Dark ink on pale fills: readable on any theme, since the map has its own white ground.
const QColor kGround(0xff, 0xff, 0xff);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kBoxFill(0xf2, 0xf2, 0xec);
const QColor kUnreachedFill(0xff, 0xec, 0xb0);
const QColor kCurrentFill(0xc6, 0xe2, 0xff);
const QColor kCurrentEdge(0x00, 0x4c, 0xb8);
const QColor kProblem(0xc8, 0x00, 0x00);
const QColor kDistorted(0xd0, 0x68, 0x00);
const QColor kFree(0x60, 0x3c, 0xa0);
const QColor kDoor(0x80, 0x48, 0x10);
const QColor kKey(0xb0, 0x84, 0x00);
const QColor kGuard(0x1a, 0x5c, 0xb8);

constexpr double kLabelHeight = 0.16;  // in cells: under half a box, so names stay inside
constexpr double kSmallestLabelPixels = 5;

class MapPainter {
 public:
  MapPainter(QPainter& painter, const MapViewport& viewport)
      : p_(painter), v_(viewport), labels_(kLabelHeight * viewport.scale >= kSmallestLabelPixels) {
    font_ = p_.font();
    font_.setPixelSize(std::max(1, int(std::lround(kLabelHeight * v_.scale))));
    p_.setFont(font_);
  }

  void caption(const map::SceneCaption& c) {
    if (!labels_) return;
    QFont bold = font_;
    bold.setBold(true);
    bold.setPixelSize(font_.pixelSize() * 3 / 2);
    p_.setFont(bold);
    p_.setPen(kInk);
    p_.drawText(v_.to_device(c.at), QString::fromStdString(c.text));
    p_.setFont(font_);
  }

  void link(const map::SceneLink& l) {
    QPointF a = v_.to_device(l.from), b = v_.to_device(l.to);
    QColor colour = l.kind == LinkKind::distorted                               ? kDistorted
                    : l.kind == LinkKind::dangling                              ? kProblem
                    : l.kind == LinkKind::free || l.kind == LinkKind::self_loop ? kFree
                                                                                : kInk;
    QPen pen(colour, std::max(1.0, v_.scale * 0.015));
    if (l.kind == LinkKind::free || l.kind == LinkKind::self_loop) pen.setStyle(Qt::DashLine);
    p_.setPen(pen);
    p_.drawLine(a, b);
    if (l.arrow) arrow_head(a, b, colour);
    if (l.kind == LinkKind::dangling) {
      p_.setBrush(kProblem);
      double r = v_.scale * 0.03;
      p_.drawEllipse(b, r, r);
    }
    if (!labels_ || l.label.empty()) return;
    p_.setPen(colour);
    bool leftwards = b.x() < a.x();
    QFontMetricsF m(font_);
    QString text = QString::fromStdString(l.label);
    double w = m.horizontalAdvance(text);
    QPointF at(leftwards ? b.x() - w - 2 : b.x() + 2, b.y() + (b.y() >= a.y() ? m.ascent() : 0));
    p_.drawText(at, text);
  }

  void box(const map::SceneBox& box) {
    QRectF r(v_.to_device({box.rect.x, box.rect.y}),
             v_.to_device({box.rect.x + box.rect.w, box.rect.y + box.rect.h}));
    QColor fill = box.current ? kCurrentFill : box.unreached ? kUnreachedFill : kBoxFill;
    QColor edge = box.problem ? kProblem : box.current ? kCurrentEdge : kInk;
    double width = std::max(1.0, v_.scale * (box.current || box.problem ? 0.03 : 0.012));
    p_.setPen(QPen(edge, width));
    p_.setBrush(fill);
    p_.drawRect(r);
    if (box.up) level_mark(r, true);
    if (box.down) level_mark(r, false);
    if (!labels_) return;
    p_.setPen(kInk);
    // The stair marks keep the right end of the box to themselves.
    QRectF text_room = box.up || box.down ? r.adjusted(2, 0, -r.height() * 0.5, 0) : r;
    QFontMetricsF m(font_);
    QString text =
        m.elidedText(QString::fromStdString(box.label), Qt::ElideRight, text_room.width() - 4);
    p_.drawText(text_room, Qt::AlignCenter, text);
  }

  void mark(const map::SceneMark& mark) {
    QPointF at = v_.to_device(mark.at);
    double s = v_.scale;
    switch (mark.kind) {
      case MarkKind::door: {
        p_.setPen(QPen(kDoor, std::max(2.0, s * 0.035)));
        p_.drawLine(at - QPointF(0, s * 0.07), at + QPointF(0, s * 0.07));
        if (!labels_) return;
        p_.setPen(kDoor);
        p_.drawText(at + QPointF(3, -s * 0.08), QString::fromStdString(mark.label));
        return;
      }
      case MarkKind::key: {
        // A ring and a bit: a key.
        p_.setPen(QPen(kKey, std::max(1.0, s * 0.02)));
        p_.setBrush(Qt::NoBrush);
        double r = s * 0.025;
        p_.drawEllipse(at, r, r);
        p_.drawLine(at + QPointF(r, 0), at + QPointF(r + s * 0.06, 0));
        p_.drawLine(at + QPointF(r + s * 0.045, 0), at + QPointF(r + s * 0.045, s * 0.025));
        return;
      }
      case MarkKind::guard: {
        // A round badge with a white ring, unlike any arrow head.
        double r = s * 0.035;
        p_.setPen(QPen(kGround, std::max(1.0, s * 0.01)));
        p_.setBrush(kGuard);
        p_.drawEllipse(at, r, r);
        return;
      }
    }
  }

 private:
  void arrow_head(QPointF a, QPointF b, const QColor& colour) {
    double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (len == 0) return;
    QPointF dir((b.x() - a.x()) / len, (b.y() - a.y()) / len);
    QPointF side(-dir.y(), dir.x());
    double s = v_.scale * 0.07;
    QPolygonF head{b, b - dir * s + side * (s * 0.5), b - dir * s - side * (s * 0.5)};
    p_.setBrush(colour);
    p_.setPen(QPen(colour, 1));
    p_.drawPolygon(head);
  }

  // A small triangle at the box's right end: up for "fel", down for "le".
  void level_mark(const QRectF& r, bool up) {
    double s = r.height() * 0.3;
    double x = r.right() - s;
    double y = up ? r.top() + s * 0.9 : r.bottom() - s * 0.9;
    QPolygonF t =
        up ? QPolygonF{{x - s * 0.6, y + s * 0.5}, {x + s * 0.6, y + s * 0.5}, {x, y - s * 0.5}}
           : QPolygonF{{x - s * 0.6, y - s * 0.5}, {x + s * 0.6, y - s * 0.5}, {x, y + s * 0.5}};
    p_.setPen(QPen(kGuard, 1));
    p_.setBrush(kGuard);
    p_.drawPolygon(t);
  }

  QPainter& p_;
  const MapViewport& v_;
  QFont font_;
  bool labels_;
};

QRectF device_rect(const MapViewport& v, const map::Rect& r) {
  return QRectF(v.to_device({r.x, r.y}), v.to_device({r.x + r.w, r.y + r.h}));
}

}  // namespace

int paint_map(QPainter& painter, const map::Scene& scene, const MapViewport& viewport,
              const QRectF& visible) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(visible, kGround);
  MapPainter p(painter, viewport);
  // Labels reach a little beyond their anchors.
  const QRectF near = visible.adjusted(-viewport.scale, -viewport.scale * 0.3, viewport.scale,
                                       viewport.scale * 0.3);
  for (const map::SceneCaption& c : scene.captions)
    if (near.contains(viewport.to_device(c.at))) p.caption(c);
  for (const map::SceneLink& l : scene.links)
    if (QRectF(viewport.to_device(l.from), viewport.to_device(l.to))
            .normalized()
            .adjusted(-1, -1, 1, 1)
            .intersects(near))
      p.link(l);
  int painted = 0;
  for (const map::SceneBox& b : scene.boxes)
    if (device_rect(viewport, b.rect).intersects(visible)) {
      p.box(b);
      ++painted;
    }
  for (const map::SceneMark& m : scene.marks)
    if (near.contains(viewport.to_device(m.at))) p.mark(m);
  painter.restore();
  return painted;
}

}  // namespace tamo::gui
