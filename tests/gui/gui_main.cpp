#include <gtest/gtest.h>

#include <QApplication>

#include "gui/translation.h"

int main(int argc, char** argv) {
  // The tests never need a display, not even when listed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tamo::gui::install_hungarian_qt_texts(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
