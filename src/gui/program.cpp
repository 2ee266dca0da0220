#include "gui/program.h"

#include "gui/shell_views.h"

namespace tamo::gui {

Program::Program() {
  app_.start();
  platform_.set_before_modal([this] { screen_.sync(); });
  window_ = std::make_unique<MainWindow>(screen_, shell_views(app_));
  screen_.sync();
}

void Program::open(const std::filesystem::path& path) {
  screen_.run([this, &path] { app_.open_work(path); });
}

}  // namespace tamo::gui
