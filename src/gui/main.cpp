#include <QApplication>

#include "gui/program.h"
#include "gui/translation.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  tamo::gui::install_hungarian_qt_texts(qt);
  tamo::gui::Program program;
  // A file manager opens a work by passing its path. The path is taken as the bytes given
  // (Qt has removed its own options from argv), so a name that is not UTF-8 still opens.
  if (argc > 1) program.open(std::filesystem::path(argv[1]));
  return QApplication::exec();
}
