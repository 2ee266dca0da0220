#pragma once

#include <QPointF>
#include <QRectF>

#include "map/scene.h"

class QPainter;

namespace tamo::gui {

// Where the scene lands on the device: a scene point p is drawn at p * scale + offset.
struct MapViewport {
  double scale = 100;
  QPointF offset;

  QPointF to_device(map::Point p) const {
    return {p.x * scale + offset.x(), p.y * scale + offset.y()};
  }
  map::Point to_scene(QPointF d) const {
    return {(d.x() - offset.x()) / scale, (d.y() - offset.y()) / scale};
  }
};

// Paints the scene's items that touch `visible` (device coordinates) on a white ground.
// The window, PNG and SVG all go through here, so an export shows what the window shows.
// Returns the number of boxes painted.
int paint_map(QPainter& painter, const map::Scene& scene, const MapViewport& viewport,
              const QRectF& visible);

}  // namespace tamo::gui
