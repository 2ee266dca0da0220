// One frame of the map window while the builder pans: the visible part of a generated area
// painted through the window's own painter into a window-sized image, offscreen.
// Run: build/bench/tamo_map_paint_bench
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "gui/map_painter.h"
#include "map/layout.h"
#include "map/scene.h"
#include "map_area.h"

using namespace tamo;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

map::Scene area_scene(int rooms) {
  map::MapLayout layout = map::layout_map(bench::map_area(rooms));
  return map::build_scene(layout, 0);
}

// Paints frames at `scale` pixels a cell, the view sliding a few pixels each frame along a
// diagonal of the map and back, as a drag does.
void paint_frames(benchmark::State& state, const map::Scene& scene, double scale) {
  QImage frame(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  const map::Rect& b = scene.bounds;
  double reach_x = std::max(0.0, b.w * scale - kWidth);
  double reach_y = std::max(0.0, b.h * scale - kHeight);
  gui::MapViewport viewport{scale, {}};
  int step = 0;
  long boxes = 0;
  for (auto _ : state) {
    double along = (step % 200 < 100 ? step % 100 : 100 - step % 100) / 100.0;
    ++step;
    viewport.offset = QPointF(-b.x * scale - along * reach_x, -b.y * scale - along * reach_y);
    QPainter painter(&frame);
    boxes += gui::paint_map(painter, scene, viewport, QRectF(0, 0, kWidth, kHeight));
  }
  state.counters["boxes_per_frame"] =
      benchmark::Counter(static_cast<double>(boxes) / std::max<double>(1, state.iterations()));
}

// Zoomed in far enough to read the room names: a few dozen rooms in sight.
void BM_PaintVisiblePart(benchmark::State& state) {
  map::Scene scene = area_scene(static_cast<int>(state.range(0)));
  paint_frames(state, scene, 100);
}
BENCHMARK(BM_PaintVisiblePart)->Arg(5000)->Unit(benchmark::kMillisecond);

// Zoomed out to the smallest scale the window allows: most of the area in sight at once.
void BM_PaintZoomedOut(benchmark::State& state) {
  map::Scene scene = area_scene(static_cast<int>(state.range(0)));
  paint_frames(state, scene, 4);
}
BENCHMARK(BM_PaintZoomedOut)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the labels
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
