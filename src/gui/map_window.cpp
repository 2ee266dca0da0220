#include "gui/map_window.h"

#include <QAction>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/all_views.h"
#include "gui/map_image.h"
#include "gui/map_view.h"
#include "gui/text.h"
#include "map/fingerprint.h"
#include "map/scene.h"

namespace tamo::gui {

namespace {

// A command of the map window: a button in its tool row, and a shortcut anywhere in it.
QAction* tool(QWidget* page, QHBoxLayout* row, const char* name, const char* caption,
              const QKeySequence& keys) {
  auto* action = new QAction(QString::fromUtf8(caption), page);
  action->setObjectName(name);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  page->addAction(action);
  auto* button = new QToolButton;
  button->setObjectName(QString(name) + "button");
  button->setDefaultAction(action);
  row->addWidget(button);
  return action;
}

}  // namespace

MapWindow::MapWindow(app::Workbench& bench, Screen& screen, QWidget* page)
    : QObject(page),
      bench_(bench),
      screen_(screen),
      page_(page),
      view_(new MapView),
      problems_(new QListWidget),
      status_(new QLabel) {
  auto* tools = new QHBoxLayout;
  QObject::connect(tool(page, tools, "mapzoomin", "Nagyítás", QKeySequence::ZoomIn),
                   &QAction::triggered, view_, [this] { view_->zoom(1.25); });
  QObject::connect(tool(page, tools, "mapzoomout", "Kicsinyítés", QKeySequence::ZoomOut),
                   &QAction::triggered, view_, [this] { view_->zoom(1 / 1.25); });
  QObject::connect(tool(page, tools, "mapfit", "Egész térkép", QKeySequence(Qt::CTRL | Qt::Key_0)),
                   &QAction::triggered, view_, [this] { view_->fit(); });
  QObject::connect(tool(page, tools, "mapsave", "Térkép mentése képként…", QKeySequence::Save),
                   &QAction::triggered, this, [this] { save_as_image(); });
  tools->addStretch(1);

  problems_->setObjectName("mapproblems");
  problems_->setAccessibleName(qs("Ami nem fér a térképre"));
  auto* problems_caption = new QLabel(qs("&Ami nem fér a térképre:"));
  problems_caption->setObjectName("mapproblemscaption");
  problems_caption->setBuddy(problems_);
  problems_->setMaximumHeight(110);
  QObject::connect(problems_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    open_room(item->data(Qt::UserRole).toULongLong(), false);
  });
  QObject::connect(problems_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    open_room(item->data(Qt::UserRole).toULongLong(), false);
  });
  status_->setObjectName("mapstatus");

  view_->on_click = [this](std::size_t room) { open_room(room, false); };
  view_->on_double_click = [this](std::size_t room) { open_room(room, true); };

  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(4, 4, 4, 4);
  column->addLayout(tools);
  column->addWidget(view_, 1);
  column->addWidget(problems_caption);
  column->addWidget(problems_);
  column->addWidget(status_);
  page->resize(560, 460);
  page->installEventFilter(this);
  screen.add_sync_step([this] { refresh(); });
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == page_ && event->type() == QEvent::Show) refresh();
  return QObject::eventFilter(watched, event);
}

void MapWindow::refresh() {
  if (!page_->isVisible()) return;  // laid out when it is shown
  const Work& work = bench_.work();
  // Most events change neither the work nor where the console stands.
  if (laid_out_ && work.revision() == revision_ && work.current_room == seen_room_) return;
  revision_ = work.revision();
  seen_room_ = work.current_room;
  std::uint64_t fingerprint = map::map_fingerprint(work);
  std::size_t current = map::current_room_index(work);
  bool changed = !laid_out_ || fingerprint != fingerprint_;
  if (changed) {
    layout_ = map::layout_map(work);
    fingerprint_ = fingerprint;
    laid_out_ = true;
    problems_->clear();
    for (const map::MapProblem& p : layout_.problems) {
      auto* item = new QListWidgetItem(qs(map::problem_text(layout_, p)), problems_);
      item->setData(Qt::UserRole, qulonglong(p.room));
    }
    status_->setText(qs(std::to_string(layout_.rooms.size()) + " szoba, " +
                        std::to_string(layout_.problems.size()) + " tétel nem fér a térképre"));
  }
  if (!changed && current == current_) return;
  bool walked = current != current_;
  current_ = current;
  view_->set_scene(map::build_scene(layout_, current));
  if (walked && current != map::kNoRoom) view_->reveal(current);
}

void MapWindow::open_room(std::size_t room, bool preview) {
  if (room >= layout_.rooms.size()) return;
  std::string name = layout_.rooms[room].name;
  screen_.run([this, name, preview] {
    if (preview)
      bench_.map_preview_room(name);
    else
      bench_.map_open_room(name);
  });
}

void MapWindow::save_as_image() {
  QString svg_filter = qs("SVG kép (*.svg)");
  QString png_filter = qs("PNG kép (*.png)");
  QString chosen_filter = svg_filter;
  QString path = QFileDialog::getSaveFileName(page_, qs("Térkép mentése képként"), qs("terkep.svg"),
                                              svg_filter + ";;" + png_filter, &chosen_filter);
  if (path.isEmpty()) return;
  if (!path.endsWith(".svg", Qt::CaseInsensitive) && !path.endsWith(".png", Qt::CaseInsensitive))
    path += chosen_filter == png_filter ? ".png" : ".svg";
  refresh();
  std::optional<std::string> error = write_map_image(view_->scene(), path.toStdString());
  if (error) {
    screen_.run([this, &error] { bench_.app().debug(*error); });
    return;
  }
  status_->setText(qs("A térkép elkészült: ") + path);
}

Views map_views(app::Workbench& bench) {
  return {{"Terkep", [&bench](Screen& s, QWidget* page) { new MapWindow(bench, s, page); }}};
}

}  // namespace tamo::gui
