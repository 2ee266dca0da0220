#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gui/map_image.h"
#include "gui/map_painter.h"
#include "gui/map_view.h"
#include "gui_fixture.h"
#include "map/layout.h"
#include "model/storing.h"
#include "work_setup.h"

namespace tamo::gui::testing {
namespace {

class MapWindowTest : public WindowTest {
 protected:
  void open_map(const char* work) {
    program.open(std::filesystem::path(TAMO_SUPPORT_WORKS) / work);
    trigger("Terkep1");
  }
  MapView* view() {
    auto* w = window.page("Terkep")->findChild<QWidget*>("mapview");
    EXPECT_NE(w, nullptr);
    return static_cast<MapView*>(w);
  }
  const map::SceneBox& box(const std::string& name) {
    for (const map::SceneBox& b : view()->scene().boxes)
      if (b.label == name) return b;
    ADD_FAILURE() << "no box " << name;
    return view()->scene().boxes.front();
  }
  QPoint centre_of(const std::string& name) {
    const map::Rect& r = box(name).rect;
    return view()->viewport().to_device({r.x + r.w / 2, r.y + r.h / 2}).toPoint();
  }
  // Anything the core changes shows after the next event.
  void run(const std::function<void()>& act) { screen.run(act); }
};

TEST_F(MapWindowTest, TerkepOpensAResizableWindowThatLeavesTheMainWindowUsable) {
  trigger("Terkep1");
  QWidget* page = window.page("Terkep");
  EXPECT_TRUE(page->isVisible());
  EXPECT_TRUE(page->isWindow());
  EXPECT_EQ(page->windowTitle(), "Térkép");
  EXPECT_TRUE(window.isEnabled());
  EXPECT_NE(page->minimumSize(), page->maximumSize());
  EXPECT_TRUE(view()->scene().boxes.empty());
}

TEST_F(MapWindowTest, FortyRoomsAreDrawnWithTheirLinksStubsAndHighlights) {
  open_map("terkep.tamo");
  const map::Scene& scene = view()->scene();
  ASSERT_EQ(scene.boxes.size(), 40u);
  EXPECT_TRUE(box("kovacs").current) << "a loaded work stands in its first room";
  EXPECT_TRUE(box("titkos").unreached);
  EXPECT_TRUE(box("lakotorony").up);
  int lines = 0, dangling = 0, free = 0;
  for (const map::SceneLink& l : scene.links) {
    lines += l.kind == map::LinkKind::two_way;
    free += l.kind == map::LinkKind::free;
    if (l.kind == map::LinkKind::dangling) {
      ++dangling;
      EXPECT_EQ(l.label, "omladek");
    }
  }
  EXPECT_GT(lines, 30);
  EXPECT_EQ(dangling, 1);
  EXPECT_EQ(free, 2);  // ki and be between the house and its garden
  auto* problems = window.page("Terkep")->findChild<QListWidget*>("mapproblems");
  ASSERT_NE(problems, nullptr);
  EXPECT_GE(problems->count(), 5);

  // What is painted: the red end of the stub, a box's pale fill, the white ground.
  QImage image = map_png_image(scene);
  MapViewport at{kExportScale,
                 QPointF(-scene.bounds.x * kExportScale, -scene.bounds.y * kExportScale)};
  for (const map::SceneLink& l : scene.links)
    if (l.kind == map::LinkKind::dangling) {
      QColor end = image.pixelColor(at.to_device(l.to).toPoint());
      EXPECT_GT(end.red(), 150);
      EXPECT_LT(end.green(), 60);
    }
  const map::Rect& r = box("remete").rect;
  QColor fill = image.pixelColor(at.to_device({r.x + 0.05, r.y + 0.05}).toPoint());
  EXPECT_EQ(fill, QColor(0xff, 0xec, 0xb0)) << "nothing leads to the hermit";
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
}

TEST_F(MapWindowTest, TheMapFollowsEveryChangeAndTheConsole) {
  open_map("terkep.tamo");
  std::size_t links = view()->scene().links.size();
  run([this] {
    droom* remete = setup_room_named(program.bench().work(), "remete");
    add_mixed(remete->exits, "kelet", "sehol");
  });
  EXPECT_EQ(view()->scene().links.size(), links + 1);
  run([this] {
    program.bench().console().show_room(*room_exists(program.bench().work(), "udvar"));
  });
  EXPECT_TRUE(box("udvar").current);
  EXPECT_FALSE(box("kovacs").current);
  std::size_t rooms = view()->scene().boxes.size();
  run([this] { delete_room(program.bench().work(), "remete"); });
  EXPECT_EQ(view()->scene().boxes.size(), rooms - 1);
}

TEST_F(MapWindowTest, ClickOpensTheRoomAndDoubleClickShowsIt) {
  open_map("terkep.tamo");
  view()->fit();
  QTest::mouseClick(view(), Qt::LeftButton, {}, centre_of("malom"));
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "room");
  auto* filename = window.page("room")->findChild<QComboBox*>("filename");
  ASSERT_NE(filename, nullptr);
  EXPECT_EQ(filename->currentText(), "malom");

  QTest::mouseDClick(view(), Qt::LeftButton, {}, centre_of("templom"));
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "mud");
  EXPECT_TRUE(box("templom").current);
}

TEST_F(MapWindowTest, ZoomingInPaintsOnlyTheRoomsInSight) {
  open_map("terkep.tamo");
  view()->resize(500, 400);
  view()->fit();
  view()->grab();
  EXPECT_EQ(view()->painted_boxes(), 40);
  double before = view()->viewport().scale;
  QTest::keyClick(view(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_GT(view()->viewport().scale, before);
  for (int i = 0; i < 6; ++i) view()->zoom(1.25);
  view()->grab();
  EXPECT_GT(view()->painted_boxes(), 0);
  EXPECT_LT(view()->painted_boxes(), 40);
  QPointF offset = view()->viewport().offset;
  QTest::keyClick(view(), Qt::Key_Left);
  EXPECT_GT(view()->viewport().offset.x(), offset.x());
}

// A door with a key and a guard, a dangling stub, a stair, a one-way arrow.
map::Scene small_scene() {
  Work work;
  droom& kapu = *setup_room(work, "kapu");
  droom& udvar = *setup_room(work, "udvar");
  droom& torony = *setup_room(work, "torony");
  add_mixed(kapu.exits, "kelet", "udvar");
  add_mixed(kapu.exits, "del", "sehol");
  add_mixed(kapu.doors, "kelet", "vaskapu");
  add_mixed(kapu.keys, "kelet", "kulcs");
  add_mixed(kapu.guard, "kelet", "guarddir");
  add_mixed(udvar.exits, "nyugat", "kapu");
  add_mixed(udvar.exits, "fel", "torony");
  add_mixed(torony.exits, "le", "udvar");
  add_mixed(torony.exits, "eszak", "kapu");
  return map::build_scene(map::layout_map(work), 0);
}

TEST(MapExport, SvgIsTheKeptPictureAndTheSameEveryTime) {
  QByteArray svg = map_svg(small_scene());
  EXPECT_EQ(svg, map_svg(small_scene()));
  QFile kept(TAMO_GUI_EXPECTED "/map_small.svg");
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  QByteArray expected = kept.readAll();
  if (svg != expected) {
    QFile seen("map_small.svg");
    if (seen.open(QIODevice::WriteOnly)) seen.write(svg);
  }
  EXPECT_EQ(svg.toStdString(), expected.toStdString());
}

TEST(MapExport, PngHasTheScenesSizeAndAFailedWriteSaysSo) {
  map::Scene scene = small_scene();
  QImage image = map_png_image(scene);
  EXPECT_EQ(image.width(), int(std::ceil(scene.bounds.w * kExportScale)));
  EXPECT_EQ(image.height(), int(std::ceil(scene.bounds.h * kExportScale)));

  QTemporaryDir dir;
  std::string png = (dir.path() + "/terkep.png").toStdString();
  EXPECT_EQ(write_map_image(scene, png), std::nullopt);
  EXPECT_EQ(QImage(QString::fromStdString(png)).size(), image.size());
  std::string svg = (dir.path() + "/terkep.SVG").toStdString();
  EXPECT_EQ(write_map_image(scene, svg), std::nullopt);
  QFile written(QString::fromStdString(svg));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readAll().startsWith("<?xml"));

  std::string nowhere = (dir.path() + "/nincs/terkep.png").toStdString();
  std::optional<std::string> error = write_map_image(scene, nowhere);
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->starts_with("Nem sikerült a képet írni: " + nowhere)) << *error;
}

}  // namespace
}  // namespace tamo::gui::testing
