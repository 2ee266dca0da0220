#include "gui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "gui/elided_path_label.h"

namespace tamo::gui {

namespace {

void fill(Screen& screen, const Views& views, const std::string& name, QWidget* page) {
  if (auto it = views.find(name); it != views.end()) it->second(screen, page);
}

}  // namespace

DialogWindow::DialogWindow(Screen& screen, controls::Form& form)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      screen_(screen),
      form_(form) {}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The core decides; the next redraw hides the window.
  event->ignore();
  screen_.run([this] { form_.close(); });
}

void DialogWindow::turn_history_by_keys() {
  for (const app::Menu& menu : screen_.app().menus())
    for (const app::MenuItem& item : menu.items) {
      bool undo = item.name == "Visszavons1";
      if (!undo && item.name != "jra1") continue;
      for (const std::string* key : {&item.shortcut, &item.second_shortcut}) {
        if (key->empty()) continue;
        QKeySequence sequence(qs(*key));
        history_keys_.append(sequence);
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, [this, undo] {
          screen_.run([this, undo] {
            if (undo) {
              screen_.app().undo_in(form_);
            } else {
              screen_.app().redo_in(form_);
            }
          });
        });
      }
    }
  for (QWidget* field : findChildren<QLineEdit*>()) field->installEventFilter(this);
  for (QWidget* field : findChildren<QPlainTextEdit*>()) field->installEventFilter(this);
}

// A text field would take these keys for its own key-by-key undo; left unanswered, they reach
// the dialog's shortcuts.
bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
      history_keys_.contains(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
    event->ignore();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// Keys a focused widget leaves unanswered arrive here (a line edit passes Enter on, a text
// box keeps it).
void DialogWindow::keyPressEvent(QKeyEvent* event) {
  Screen::DialogButtons buttons = screen_.dialog_buttons(form_);
  QPushButton* pressed = nullptr;
  switch (event->key()) {
    case Qt::Key_Escape:
      // Without a back button Escape does what the close box does.
      if (!buttons.cancel_button) {
        screen_.run([this] { form_.close(); });
        return;
      }
      pressed = buttons.cancel_button;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      pressed = screen_.entry_button(focusWidget());
      if (!pressed) pressed = qobject_cast<QPushButton*>(focusWidget());
      if (!pressed) pressed = buttons.default_button;
      break;
    default:
      break;
  }
  if (pressed && pressed->isVisible() && pressed->isEnabled()) {
    pressed->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

MainWindow::MainWindow(Screen& screen, const Views& views)
    : screen_(screen), app_(screen.app()), panels_(new QStackedWidget), blank_(new QWidget) {
  setObjectName(qs(app_.main_window().name()));
  resize(640, 481);
  if (QScreen* s = QGuiApplication::primaryScreen())
    move(s->availableGeometry().center() - rect().center());
  build_menu();
  panels_->setObjectName("panels");
  blank_->setObjectName("Image1");
  panels_->addWidget(blank_);
  setCentralWidget(panels_);

  // Side dialogs stay above the main window.
  winId();
  for (const auto& entry : app_.forms().entries()) {
    const std::string& name = entry.form->name();
    bool dialog = entry.kind != app::FormRegistry::Kind::panel;
    QWidget* page =
        dialog ? dialogs_.emplace_back(new DialogWindow(screen, *entry.form)).get() : new QWidget;
    page->setObjectName(qs(name));
    fill(screen, views, name, page);
    if (entry.kind == app::FormRegistry::Kind::dialog) dialogs_.back()->turn_history_by_keys();
    if (dialog) {
      page->winId();
      page->windowHandle()->setTransientParent(windowHandle());
    } else {
      panels_->addWidget(page);
    }
    screen.form(*entry.form, page, dialog);
    pages_[name] = page;
  }
  screen.form(app_.main_window(), this, true, true);
  route_history_keys();
  build_status_bar();
  screen.add_sync_step([this] { arrange(); });
  screen.add_sync_step([this] { show_status(); });
  screen.add_sync_step([this] { follow_menu(); });
}

// The line of what just happened on the left, the full path of the work (or where a new one
// will be saved) on the right.
void MainWindow::build_status_bar() {
  statusBar()->setObjectName("status");
  work_path_ = new ElidedPathLabel;
  work_path_->setObjectName("workpath");
  statusBar()->addPermanentWidget(work_path_);
  // Asking whether the work changed costs a pass over it, so a burst of typing asks once.
  unsaved_check_ = new QTimer(this);
  unsaved_check_->setSingleShot(true);
  unsaved_check_->setInterval(200);
  connect(unsaved_check_, &QTimer::timeout, this,
          [this] { setWindowModified(app_.work_changed()); });
}

void MainWindow::show_status() {
  const app::StatusLine& status = app_.status();
  if (status.revision() != seen_status_) {
    seen_status_ = status.revision();
    statusBar()->showMessage(qs(status.text()));
  }
  // A new work has no file yet: the folder "Mentés" will write into stands in its place.
  const std::filesystem::path& file = app_.work_file();
  QString path = file.empty() ? qs(app_.save_place()) : qs(file.string());
  if (work_path_->text() != path) work_path_->setText(path);
  QString place = qs(app_.save_place());
  if (work_path_->toolTip() != place) work_path_->setToolTip(place);
  unsaved_check_->start();
}

void MainWindow::build_menu() {
  // F10 opens the first menu, as on other desktops.
  connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
    if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().front());
  });
  for (const app::Menu& m : app_.menus()) {
    QMenu* menu = menuBar()->addMenu(qs(m.caption));
    menu->setObjectName(qs(m.name));
    for (const app::MenuItem& item : m.items) {
      if (app::is_separator(item)) {
        menu->addSeparator()->setObjectName(qs(item.name));
        continue;
      }
      QAction* action = menu->addAction(qs(item.caption));
      action->setObjectName(qs(item.name));
      QList<QKeySequence> keys;
      for (const std::string* key : {&item.shortcut, &item.second_shortcut})
        if (!key->empty()) keys.append(QKeySequence(qs(*key), QKeySequence::PortableText));
      action->setShortcuts(keys);
      action->setEnabled(item.enabled);
      actions_[item.name] = action;
      connect(action, &QAction::triggered, this,
              [this, handler = item.handler] { screen_.run(handler); });
    }
  }
}

void MainWindow::route_history_keys() {
  for (QWidget* field : panels_->findChildren<QLineEdit*>()) field->installEventFilter(this);
  for (QWidget* field : panels_->findChildren<QPlainTextEdit*>()) field->installEventFilter(this);
}

// A text field would take back its own typing key by key; left unanswered here, the keys go
// to "Visszavonás" and "Újra", which take back whole runs of typing and the work's steps alike.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
    return QMainWindow::eventFilter(watched, event);
  QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
  for (const char* entry : {"Visszavons1", "jra1"}) {
    auto it = actions_.find(entry);
    if (it == actions_.end() || !it->second->shortcuts().contains(pressed)) continue;
    // With nothing to take back the key reaches the field: it must not undo there either.
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// Entries whose caption follows the program ("Visszavonás: …") change after events.
void MainWindow::follow_menu() {
  const app::MenuBar& bar = app_.menu_bar();
  if (bar.revision() == seen_menu_) return;
  seen_menu_ = bar.revision();
  for (const app::Menu& m : bar.menus())
    for (const app::MenuItem& item : m.items) {
      auto it = actions_.find(item.name);
      if (it == actions_.end()) continue;
      it->second->setText(qs(item.caption));
      it->second->setEnabled(item.enabled);
    }
}

// The panel shown last is the one seen; a closed dialog gives the front back to the main
// window, and dialogs shown since the last redraw come before it in the order they were shown.
void MainWindow::arrange() {
  QWidget* front = blank_;
  std::uint64_t front_order = 0;
  std::vector<std::pair<std::uint64_t, QWidget*>> raised;
  bool dialog_closed = false;
  for (const auto& entry : app_.forms().entries()) {
    const controls::Form& form = *entry.form;
    bool panel = entry.kind == app::FormRegistry::Kind::panel;
    if (!panel)
      dialog_closed |= std::exchange(seen_open_[&form], form.visible()) && !form.visible();
    if (!form.visible()) continue;
    QWidget* page = pages_.at(form.name());
    if (panel) {
      if (form.front_order() >= front_order) {
        front = page;
        front_order = form.front_order();
      }
    } else if (seen_front_[&form] != form.front_order()) {
      seen_front_[&form] = form.front_order();
      raised.emplace_back(form.front_order(), page);
      if (entry.kind == app::FormRegistry::Kind::side) beside_.insert(page);
    }
  }
  if (panels_->currentWidget() != front) panels_->setCurrentWidget(front);
  if (dialog_closed && isVisible()) {
    raise();
    activateWindow();
  }
  std::sort(raised.begin(), raised.end());
  for (const auto& [order, window] : raised) {
    // A dialog first appears over the middle of the main window, a side window next to it;
    // later each stays where the user put it.
    if (placed_.insert(window).second) window->move(first_place(*window));
    window->raise();
    window->activateWindow();
  }
  if (app_.finished()) close();
}

QPoint MainWindow::first_place(const QWidget& window) const {
  const QPoint over = geometry().center() - window.rect().center();
  if (!beside_.contains(&window) || !screen()) return over;
  const QRect room = screen()->availableGeometry();
  const QRect frame = frameGeometry();
  const int top = std::max(room.top(), frame.top());
  if (frame.right() + window.frameGeometry().width() <= room.right())
    return {frame.right() + 1, top};
  if (frame.left() - window.frameGeometry().width() >= room.left())
    return {frame.left() - window.frameGeometry().width(), top};
  // No room on either side: against the screen's right edge it hides the least of the panels.
  if (window.frameGeometry().width() <= room.width())
    return {room.right() + 1 - window.frameGeometry().width(), top};
  return over;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool may_close = app_.finished();
  if (!may_close) screen_.run([this, &may_close] { may_close = app_.FormCloseQuery(); });
  if (!may_close) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}

}  // namespace tamo::gui
