#include "gui/program.h"

#include "gui/all_views.h"
#include "gui/check_views.h"
#include "gui/find_views.h"

namespace tamo::gui {

Program::Program() {
  bench_.app().start();
  platform_.set_before_modal([this] { screen_.sync(); });
  window_ = std::make_unique<MainWindow>(screen_, all_views(bench_));
  follow_area_check(*window_, screen_, bench_.area_check());
  follow_find_box(*window_, screen_, bench_.find_box());
  screen_.sync();
}

void Program::open(const std::filesystem::path& path) {
  screen_.run([this, &path] { bench_.app().open_work(path); });
}

}  // namespace tamo::gui
