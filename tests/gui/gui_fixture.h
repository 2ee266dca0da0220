#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "app/application.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/screen.h"

namespace tamo::gui::testing {

// The whole window, offscreen, as main() builds it.
class WindowTest : public ::testing::Test {
 protected:
  void trigger(const char* menu_item) {
    QAction* action = window.findChild<QAction*>(menu_item);
    ASSERT_NE(action, nullptr) << menu_item;
    action->trigger();
  }

  template <class W>
  W* find(const QWidget* root, const char* name) {
    auto* w = root->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  // Runs `act`, answering the message box it opens; returns the box's text, or "" if none
  // opened.
  struct SeenBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
  };
  SeenBox answer_message_box(const std::function<void()>& act) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = {box->text(), box->icon(), static_cast<int>(box->buttons().size())};
      box->buttons().front()->click();
    });
    act();
    return seen;
  }

  Program program;
  app::Application& app = program.app();
  Screen& screen = program.screen();
  MainWindow& window = program.window();
};

}  // namespace tamo::gui::testing
