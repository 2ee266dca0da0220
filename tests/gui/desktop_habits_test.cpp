#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QWindow>
#include <functional>
#include <map>

#include "editors/common/host.h"
#include "gui_fixture.h"
#include "work_setup.h"

namespace tamo::gui::testing {
namespace {

using DesktopHabits = WindowTest;

// Key presses reach the shortcuts only in the active window.
void activate(QWidget& w) {
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// What the window manager shows: the caption, with "*" while the work is unsaved.
QString shown_title(QWidget& w) {
  return w.windowHandle()->title();
}

TEST_F(DesktopHabits, MenusShowTheirAccessKeysAndTheDesktopShortcuts) {
  QStringList menus;
  for (QAction* a : window.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&Munka", "&Szerkesztés", "&Beállítások", "Sú&gó"}));
  const std::vector<std::pair<const char*, QKeySequence>> expected{
      {"j1", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"Betlts1", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"Ments1", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {"Nvjegy1", QKeySequence(Qt::Key_F1)}};
  for (const auto& [name, keys] : expected) {
    auto* action = window.findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->shortcut(), keys) << name;
  }
}

TEST_F(DesktopHabits, F1OpensTheAboutBoxAndCtrlSSaves) {
  activate(window);
  QTest::keyClick(&window, Qt::Key_F1);
  EXPECT_TRUE(app.form("Form17").visible());
  screen.run([this] { app.form("Form17").hide(); });
  activate(window);
  SeenBox seen =
      answer_message_box([this] { QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier); });
  EXPECT_EQ(seen.text, "Nincs munkanév megadva!");
}

TEST_F(DesktopHabits, CtrlQAsksAboutUnsavedWorkAndCancelStays) {
  activate(window);
  setup_data(app.work()).desc = "valami";
  QTimer::singleShot(0, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->escapeButton()->click();
  });
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(app.finished());
}

TEST_F(DesktopHabits, CtrlQLeavesAnUnchangedWorkAtOnce) {
  activate(window);
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopHabits, QtsOwnButtonsSpeakHungarian) {
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Mégse");
}

TEST_F(DesktopHabits, TheTitleMarksUnsavedWorkAndTheStatusLineSaysWhatHappened) {
  EXPECT_EQ(shown_title(window), "Tamo");
  trigger("Lers1");
  QWidget* panel = window.page("description");
  QTest::keyClicks(find<QPlainTextEdit>(panel, "maindesc"), "erdo");
  find<QPushButton>(panel, "descready")->click();
  EXPECT_EQ(window.statusBar()->currentMessage(), "Leírás tárolva");
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isWindowModified(); }));
  EXPECT_EQ(shown_title(window), "Tamo*");

  setup_data(app.work()).project = "erdo";
  setup_data(app.work()).name = "valaki";
  setup_data(app.work()).mail = "v@example.org";
  QTemporaryDir dir;
  app.set_work_folder(dir.path().toStdString());
  answer_message_box([this] { trigger("Ments1"); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isWindowModified(); }));
  EXPECT_EQ(shown_title(window), "erdo - Tamo");
  QString path = dir.filePath("erdo.tamo");
  EXPECT_EQ(window.statusBar()->currentMessage(), "Mentve: …/erdo.tamo");
  EXPECT_EQ(find<QLabel>(&window, "workpath")->text(), path);
}

// A deep folder's path gives way: the status line keeps most of the bar.
TEST_F(DesktopHabits, ALongPathLeavesTheStatusLineItsRoom) {
  window.resize(640, 480);
  window.show();
  QLabel* path = find<QLabel>(&window, "workpath");
  const QString deep = QString("/mappa").repeated(40) + "/erdo.tamo";
  path->setText(deep);
  path->updateGeometry();
  EXPECT_TRUE(QTest::qWaitFor([&] { return path->width() <= window.width() * 2 / 5; }))
      << path->width() << " of " << window.width();
  EXPECT_EQ(path->text(), deep) << "the whole path stays readable to a screen reader";
}

// A screen reader or an automation tool acts on a control; the core sees the change.
TEST_F(DesktopHabits, AccessibilityActionsReachTheCore) {
  auto act = [](QWidget* w, const QString& action) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(action);
  };
  trigger("Trgy1");
  QWidget* item = window.page("item");
  act(find<QCheckBox>(item, "invisitem"), QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(program.bench().item_editor().invisitem.checked());
  QRadioButton* food = nullptr;
  for (auto* r : item->findChildren<QRadioButton*>())
    if (r->text() == "étel") food = r;
  ASSERT_NE(food, nullptr);
  act(food, QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(program.bench().item_editor().ifkajapia.visible()) << "the food fields show";

  QAccessibleInterface* name =
      QAccessible::queryAccessibleInterface(find<QLineEdit>(item, "itemname"));
  name->setText(QAccessible::Value, "Kenyer");
  EXPECT_EQ(program.bench().item_editor().panel.name.text(), "Kenyer");

  trigger("Szoba1");
  act(find<QPushButton>(window.page("room"), "RoomProperties"),
      QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.form("Form2").visible(); }));
}

// Escape leaves every dialog as its back button or close box does.
TEST_F(DesktopHabits, EscapeLeavesEveryDialog) {
  for (const auto& entry : app.forms().entries()) {
    if (entry.kind != app::FormRegistry::Kind::dialog) continue;
    controls::Form& form = *entry.form;
    SCOPED_TRACE(form.name());
    // The windows that leave the main window usable open through their own commands.
    const std::map<std::string, std::function<void()>> own_opening{
        {"Form16", [this] { app.Kszt1Click(); }},
        {"Form17", [this] { app.Nvjegy1Click(); }},
        {"areacheck", [this] { program.bench().area_check().open(); }},
        {"findbox", [this] { program.bench().find_box().open(); }},
        {"Terkep", [this] { program.bench().Terkep1Click(); }}};
    screen.run([&] {
      if (auto opening = own_opening.find(form.name()); opening != own_opening.end())
        opening->second();
      else
        editors::open_dialog(app, form);
    });
    QWidget* dialog = window.page(form.name());
    ASSERT_TRUE(dialog->isVisible());
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.isEnabled());
  }
}

// Enter in the box that feeds a list adds to the list, so two words stay two words.
TEST_F(DesktopHabits, EnterInAnEntryBoxPressesItsAddButton) {
  struct Case {
    const char* form;
    const char* entry;
    const char* list;
  };
  for (const Case& c : {Case{"Form8", "ids", "newids"}, Case{"Form12", "itemids", "itemnewids"},
                        Case{"Form9", "posspeech", "speech"}}) {
    SCOPED_TRACE(c.form);
    screen.run([&] { editors::open_dialog(app, app.form(c.form)); });
    QWidget* dialog = window.page(c.form);
    auto* entry = find<QLineEdit>(dialog, c.entry);
    entry->setFocus();
    for (const char* word : {"kulcs", "vaskulcs"}) {
      QTest::keyClicks(entry, word);
      QTest::keyClick(entry, Qt::Key_Return);
    }
    auto* list = find<QListWidget>(dialog, c.list);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "kulcs");
    EXPECT_EQ(list->item(1)->text(), "vaskulcs");
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the box does not leave the dialog";
  }
}

// Every list of every dialog is named on screen by a label, and for a screen reader.
TEST_F(DesktopHabits, EveryListOfEveryDialogHasALabel) {
  for (const auto& entry : app.forms().entries()) {
    QWidget* page = window.page(entry.form->name());
    QList<QLabel*> labels = page->findChildren<QLabel*>();
    for (QListWidget* list : page->findChildren<QListWidget*>()) {
      bool labelled = std::any_of(labels.begin(), labels.end(),
                                  [list](QLabel* l) { return l->buddy() == list; });
      EXPECT_TRUE(labelled) << entry.form->name() << " " << list->objectName().toStdString();
      EXPECT_NE(list->accessibleName(), "") << list->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace tamo::gui::testing
