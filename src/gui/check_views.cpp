#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "gui/all_views.h"
#include "gui/check_views.h"

namespace tamo::gui {

namespace {

constexpr int kShortestPause = 300;  // ms
constexpr int kLongestPause = 30000;
constexpr int kPausePerJudgement = 5;
// Records judged between two looks at the window's events while a whole work is judged.
constexpr std::size_t kRecordsPerSlice = 1000;

void area_check_view(app::AreaCheck& check, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  QLabel* caption = s.label_for(check.problems);
  column->addWidget(caption);
  QListWidget* list = s.list(check.problems);
  // A big work's check has a row per record: laid out a batch at a time between events, not
  // all of them at every change while the window is open.
  list->setLayoutMode(QListView::Batched);
  column->addWidget(list, 1);
  page->resize(560, 320);
}

}  // namespace

Views check_views(app::Workbench& bench) {
  return {{"areacheck",
           [&bench](Screen& s, QWidget* page) { area_check_view(bench.area_check(), s, page); }}};
}

void follow_area_check(QMainWindow& window, Screen& screen, app::AreaCheck& check) {
  auto* count = new QLabel;
  count->setObjectName("problemcount");
  window.statusBar()->addPermanentWidget(count);
  // Judging the work costs a pass over it, so a burst of work judges it once. On a big work a
  // judgement holds the window for a while: the pause grows with it, so that the builder is
  // held only after stopping for a good while, not between two actions. Judging a whole work
  // (on opening one) and filling the list with its lines go a slice at a time between events,
  // so the window answers meanwhile.
  auto* pause = new QTimer(&window);
  pause->setSingleShot(true);
  pause->setInterval(0);
  auto refreshing = std::make_shared<bool>(false);
  auto pause_after = std::make_shared<int>(kShortestPause);
  QObject::connect(
      pause, &QTimer::timeout, &window, [&screen, &check, refreshing, pause, pause_after] {
        *refreshing = true;
        const bool whole = check.judging() || check.filling();
        QElapsedTimer judging;
        judging.start();
        bool judged = false;
        screen.run([&check, &judged] { judged = check.refresh_if_changed(kRecordsPerSlice); });
        const bool going_on = check.judging() || check.filling();
        if (judged && !whole && !going_on)
          *pause_after = static_cast<int>(std::clamp<qint64>(judging.elapsed() * kPausePerJudgement,
                                                             kShortestPause, kLongestPause));
        pause->setInterval(going_on ? 0 : *pause_after);
        *refreshing = false;
        if (going_on) pause->start();
      });
  screen.add_sync_step([pause, count, &check, refreshing] {
    QString summary = qs(check.summary());
    if (count->text() != summary) count->setText(summary);
    if (!*refreshing) pause->start();
  });
  pause->start();
}

}  // namespace tamo::gui
