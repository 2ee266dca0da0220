#pragma once

#include <QMainWindow>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/application.h"
#include "gui/screen.h"

class QAction;
class QLabel;
class QStackedWidget;
class QTimer;

namespace tamo::gui {

// A side dialog: its own top-level window; the close box closes the form in the core. Enter
// and Escape press its buttons as the screen's dialog buttons say.
class DialogWindow : public QWidget {
 public:
  DialogWindow(Screen& screen, controls::Form& form);
  // The menu's undo and redo keys, pressed anywhere in the dialog (its text fields too), turn
  // the steps taken in it.
  void turn_history_by_keys();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Screen& screen_;
  controls::Form& form_;
  QList<QKeySequence> history_keys_;
};

// "Tamo": the menu, the five panels stacked over a blank area, and the side dialogs. Install
// the editors' forms into the application before building it: it makes one page or window
// per registered form, filled by the view of that name.
class MainWindow : public QMainWindow {
 public:
  MainWindow(Screen& screen, const Views& views);

  QStackedWidget* panels() const { return panels_; }
  QWidget* page(const std::string& name) const { return pages_.at(name); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_menu();
  // Ctrl+Z and its kin in the panels' text fields reach the work's history.
  void route_history_keys();
  void follow_menu();
  void build_status_bar();
  void arrange();
  // Where a dialog or side window shows the first time: a side window beside the main window
  // where the screen has room, anything else over its middle.
  QPoint first_place(const QWidget& window) const;
  void show_status();

  Screen& screen_;
  app::Application& app_;
  QStackedWidget* panels_;
  QWidget* blank_;
  std::map<std::string, QWidget*> pages_;
  std::vector<std::unique_ptr<DialogWindow>> dialogs_;  // top-level, so owned here
  std::map<const controls::Form*, std::uint64_t> seen_front_;
  std::map<const controls::Form*, bool> seen_open_;
  std::set<const QWidget*> placed_;
  std::set<const QWidget*> beside_;  // side windows, first placed next to the main window
  QLabel* work_path_ = nullptr;
  QTimer* unsaved_check_ = nullptr;
  std::uint64_t seen_status_ = 0;
  std::map<std::string, QAction*> actions_;
  std::uint64_t seen_menu_ = 0;
};

}  // namespace tamo::gui
