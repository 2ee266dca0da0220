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

void area_check_view(app::AreaCheck& check, Screen& s, QWidget* page) {
  auto* column = new QVBoxLayout(page);
  QLabel* caption = s.label_for(check.problems);
  column->addWidget(caption);
  column->addWidget(s.list(check.problems), 1);
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
  // held only after stopping for a good while, not between two actions.
  auto* pause = new QTimer(&window);
  pause->setSingleShot(true);
  pause->setInterval(kShortestPause);
  auto refreshing = std::make_shared<bool>(false);
  QObject::connect(pause, &QTimer::timeout, &window, [&screen, &check, refreshing, pause] {
    *refreshing = true;
    QElapsedTimer judging;
    judging.start();
    bool judged = false;
    screen.run([&check, &judged] { judged = check.refresh_if_changed(); });
    if (judged)
      pause->setInterval(static_cast<int>(std::clamp<qint64>(judging.elapsed() * kPausePerJudgement,
                                                             kShortestPause, kLongestPause)));
    *refreshing = false;
  });
  screen.add_sync_step([pause, count, &check, refreshing] {
    QString summary = qs(check.summary());
    if (count->text() != summary) count->setText(summary);
    if (!*refreshing) pause->start();
  });
  check.refresh();
}

}  // namespace tamo::gui
