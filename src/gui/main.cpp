#include <QApplication>
#include <QStringList>

#include "app/application.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/screen.h"
#include "gui/shell_views.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  tamo::gui::QtPlatform platform;
  tamo::app::Application app(platform.ports());
  app.start();
  tamo::gui::Screen screen(app);
  platform.set_before_modal([&screen] { screen.sync(); });
  tamo::gui::MainWindow window(screen, tamo::gui::shell_views(app));
  screen.sync();
  // "tamo FILE" opens the work as "Betöltés" would, so a file manager can open it.
  if (QStringList args = QApplication::arguments(); args.size() > 1)
    screen.run([&app, &args] { app.open_work(args[1].toStdString()); });
  return QApplication::exec();
}
