#include <QApplication>
#include <QStringList>

#include "gui/program.h"
#include "gui/translation.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  tamo::gui::install_hungarian_qt_texts(qt);
  tamo::gui::Program program;
  // A file manager opens a work by passing its path.
  if (QStringList args = QApplication::arguments(); args.size() > 1)
    program.open(args[1].toStdString());
  return QApplication::exec();
}
