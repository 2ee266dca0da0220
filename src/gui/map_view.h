#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>

#include "gui/map_painter.h"
#include "map/scene.h"

namespace tamo::gui {

// The map on screen: wheel and Ctrl+plus/minus zoom, Ctrl+0 fits, dragging and the arrow
// keys pan, a click or double-click on a room is reported. Paints only what is visible.
class MapView : public QWidget {
 public:
  explicit MapView(QWidget* parent = nullptr);

  // A new picture of the work; the zoom and place stay unless this is the first one.
  void set_scene(map::Scene scene);
  const map::Scene& scene() const { return scene_; }
  const MapViewport& viewport() const { return viewport_; }

  void zoom(double factor, QPointF anchor);
  void zoom(double factor) { zoom(factor, rect().center()); }
  void fit();
  // Brings a room into sight when it is not.
  void reveal(std::size_t room);
  // Boxes painted by the last paint, for tests of the visible-only drawing.
  int painted_boxes() const { return painted_; }

  std::function<void(std::size_t room)> on_click;
  std::function<void(std::size_t room)> on_double_click;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  const map::SceneBox* box_at(QPointF device) const;

  map::Scene scene_;
  MapViewport viewport_;
  bool fitted_ = false;
  bool dragging_ = false;
  bool dragged_ = false;
  QPointF drag_from_;
  int painted_ = 0;
};

}  // namespace tamo::gui
