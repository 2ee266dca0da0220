#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QWindow>

#include "editors/common/host.h"
#include "gui_fixture.h"
#include "model/numbers.h"
#include "work_setup.h"

namespace tamo::gui::testing {
namespace {

TEST_F(WindowTest, OpensAsTamoWithItsMenuAndABlankArea) {
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowHandle()->title(), "Tamo");
  EXPECT_EQ(window.size(), QSize(640, 481));
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "Image1");
  QStringList menus;
  for (QAction* a : window.menuBar()->actions()) menus << plain_caption(a->text().toStdString());
  EXPECT_EQ(menus, (QStringList{"Munka", "Szerkesztés", "Beállítások", "Súgó"}));
  QAction* uj = window.findChild<QAction*>("j1");
  ASSERT_NE(uj, nullptr);
  EXPECT_EQ(uj->text(), "Ú&j");
}

TEST_F(WindowTest, AMenuCommandShowsItsPanelInFront) {
  trigger("Szoba1");
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "room");
  trigger("Lers1");
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "description");
  trigger("j1");
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "Image1");
}

TEST_F(WindowTest, TypingARefusedCharacterIntoTheWorkNameEmptiesIt) {
  trigger("Kszt1");
  QWidget* dialog = window.page("Form16");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->isWindow());
  EXPECT_EQ(dialog->windowTitle(), "A munka adatai");
  auto* cproject = find<QLineEdit>(dialog, "cproject");
  EXPECT_EQ(cproject->accessibleName(), "A munka neve");
  EXPECT_TRUE(cproject->toolTip().startsWith("Ha lehet"));
  QTest::keyClicks(cproject, "pelda");
  EXPECT_EQ(app.creator_data().cproject.text(), "pelda");
  QTest::keyClicks(cproject, "X");
  EXPECT_EQ(cproject->text(), "");
  EXPECT_EQ(app.creator_data().cproject.text(), "");
  EXPECT_TRUE(window.isEnabled()) << "the creator data leave the main window enabled";
}

TEST_F(WindowTest, DebugIsAModalBoxWithOneOkButtonAndNoIcon) {
  SeenBox seen =
      answer_message_box([this] { screen.run([this] { app.debug("Már van ilyen fájlnév!"); }); });
  EXPECT_EQ(seen.text, "Már van ilyen fájlnév!");
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.buttons, 1);
}

TEST_F(WindowTest, ASaveRefusalAppearsAsAMessageBox) {
  SeenBox seen = answer_message_box([this] { trigger("Ments1"); });
  EXPECT_EQ(seen.text, "Nincs munkanév megadva!");
  EXPECT_EQ(window.windowHandle()->title(), "Tamo");
}

TEST_F(WindowTest, ClosingWithUnsavedWorkAsksAndCancelKeepsTheWindow) {
  setup_data(app.work()).project = "pelda";
  QStringList answers;
  QTimer::singleShot(0, [&answers] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    for (QAbstractButton* b : box->buttons()) answers << b->text();
    box->escapeButton()->click();
  });
  window.close();
  EXPECT_EQ(answers.size(), 3);
  EXPECT_TRUE(answers.contains("Mégse"));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(app.work().project, "pelda");
}

TEST_F(WindowTest, SaveAndExitClosesTheWindow) {
  trigger("Kilps1");
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowTest, AnEscapedConversionErrorBecomesAMessageBox) {
  SeenBox seen = answer_message_box([this] { screen.run([] { str2int("abc"); }); });
  EXPECT_EQ(seen.text, QString::fromStdString(ConversionError("abc").what()));
}

TEST_F(WindowTest, AnEditorDialogDisablesTheMainWindowUntilItsCloseBox) {
  controls::Form& exits = app.form("Form5");
  editors::attach_dialog_protocol(app, exits);
  screen.run([&] { editors::open_dialog(app, exits); });
  QWidget* dialog = window.page("Form5");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "Kijáratszerkesztő");
  EXPECT_FALSE(window.isEnabled());
  EXPECT_TRUE(dialog->isEnabled());
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(exits.visible());
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(WindowTest, ADialogFirstAppearsOverTheMiddleOfTheMainWindowThenStaysPut) {
  window.show();
  controls::Form& properties = app.form("Form2");
  screen.run([&] { editors::open_dialog(app, properties); });
  QWidget* dialog = window.page("Form2");
  QPoint off = dialog->geometry().center() - window.geometry().center();
  EXPECT_LE(off.manhattanLength(), 6) << "centres differ only by rounding";
  screen.run([&] { properties.close(); });
  dialog->move(dialog->pos() + QPoint(40, 30));
  QPoint moved = dialog->pos();
  screen.run([&] { editors::open_dialog(app, properties); });
  EXPECT_EQ(dialog->pos(), moved);
}

TEST_F(WindowTest, DescriptionMemoKeepsCrLfInTheCore) {
  trigger("Lers1");
  auto* memo = find<QPlainTextEdit>(window.page("description"), "maindesc");
  memo->setFocus();
  QTest::keyClicks(memo, "elso");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClicks(memo, "masodik");
  EXPECT_EQ(app.description().maindesc.text(), "elso\r\nmasodik");
  find<QPushButton>(window.page("description"), "descready")->click();
  EXPECT_EQ(app.work().desc, "elso\r\nmasodik");
}

TEST_F(WindowTest, NewWorkHidesTheCreatorDataDialog) {
  trigger("Kszt1");
  trigger("Nvjegy1");
  EXPECT_TRUE(window.page("Form17")->isVisible());
  trigger("j1");
  EXPECT_FALSE(window.page("Form16")->isVisible());
  EXPECT_FALSE(window.page("Form17")->isVisible());
}

TEST_F(WindowTest, EscapeAnswersVisszaAndEnterPressesTheFocusedButton) {
  QWidget* dialog = window.page("Form16");
  auto* project = find<QLineEdit>(dialog, "cproject");
  trigger("Kszt1");
  QTest::keyClicks(project, "var");
  QTest::keyClick(project, Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible()) << "no default button";
  QTest::keyClick(project, Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(app.work().project, "");

  trigger("Kszt1");
  QTest::keyClicks(project, "var");
  auto* ok = find<QPushButton>(dialog, "Button1");
  ok->setFocus();
  QTest::keyClick(ok, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(app.work().project, "var");
}

TEST_F(WindowTest, TheAboutBoxClosesByEnterOrEscape) {
  QWidget* about = window.page("Form17");
  EXPECT_TRUE(find<QPushButton>(about, "Button1")->isDefault());
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    trigger("Nvjegy1");
    ASSERT_TRUE(about->isVisible());
    QTest::keyClick(about, key);
    EXPECT_FALSE(about->isVisible()) << key;
  }
}

// What a screen reader announces: the widget's own name, or else its label's.
TEST_F(WindowTest, EveryFieldAndListOfEveryFormHasASpokenName) {
  for (const auto& entry : app.forms().entries()) {
    QWidget* page = window.page(entry.form->name());
    for (QWidget* w : page->findChildren<QWidget*>()) {
      bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                   qobject_cast<QListWidget*>(w) || qobject_cast<QAbstractButton*>(w);
      // A combo box's own line is spoken as the box.
      if (!field || qobject_cast<QComboBox*>(w->parentWidget())) continue;
      EXPECT_NE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), "")
          << entry.form->name() << " " << w->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace tamo::gui::testing
