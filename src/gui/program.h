#pragma once

#include <filesystem>
#include <memory>

#include "app/application.h"
#include "app/workbench.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/screen.h"

namespace tamo::gui {

// The whole program as main() runs it: the headless application started, its screen, and
// the main window shown. Wire editors in here, before the window is built: they install
// their forms into the application and add their views.
class Program {
 public:
  Program();

  // "tamo FILE": opens the work as "Betöltés" would.
  void open(const std::filesystem::path& path);

  app::Application& app() { return bench_.app(); }
  app::Workbench& bench() { return bench_; }
  Screen& screen() { return screen_; }
  MainWindow& window() { return *window_; }

 private:
  QtPlatform platform_;
  app::Workbench bench_{platform_.ports()};
  Screen screen_{bench_.app()};
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tamo::gui
