#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/all_views.h"
#include "gui/find_views.h"

namespace tamo::gui {

namespace {

void find_box_view(app::FindBox& box, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  column->addWidget(s.label_for(box.findtext));
  column->addWidget(s.edit(box.findtext));
  column->addWidget(s.label_for(box.found));
  QListWidget* found = s.list(box.found);
  column->addWidget(found, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(s.button(box.openfound));
  column->addLayout(buttons);
  s.set_dialog_buttons(box.form, &box.openfound, nullptr);
  page->resize(620, 420);

  // The kinds' headings and the closing count stand out from the hits.
  s.add_sync_step([found, &box] {
    for (int row = 0; row < found->count(); ++row) {
      QListWidgetItem* item = found->item(row);
      bool heading = box.hit_at(row) == nullptr;
      if (item->font().bold() == heading) continue;
      QFont font = item->font();
      font.setBold(heading);
      item->setFont(font);
    }
  });
}

}  // namespace

Views find_views(app::Workbench& bench) {
  return {{"findbox",
           [&bench](Screen& s, QWidget* page) { find_box_view(bench.find_box(), s, page); }}};
}

void follow_find_box(QObject& owner, Screen& screen, app::FindBox& box) {
  box.search_on_pause = true;
  auto* pause = new QTimer(&owner);
  pause->setSingleShot(true);
  pause->setInterval(150);
  QObject::connect(pause, &QTimer::timeout, &owner,
                   [&screen, &box] { screen.run([&box] { box.refresh(); }); });
  screen.add_sync_step([pause, &box] {
    if (box.form.visible() && box.stale()) pause->start();
  });
}

}  // namespace tamo::gui
