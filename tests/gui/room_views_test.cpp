#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <string>
#include <vector>

#include "editors/room/room_editor.h"
#include "gui_fixture.h"
#include "model/mixed_list.h"

namespace tamo::gui::testing {
namespace {

class RoomViewsTest : public WindowTest {
 protected:
  RoomViewsTest() { trigger("Szoba1"); }

  QWidget* panel() { return window.page("room"); }

  void press(const QWidget* root, const char* name) {
    if (auto* button = find<QPushButton>(root, name)) button->click();
  }

  // A room committed through the headless panel, as a builder would have left it.
  void commit_room(const std::string& name) {
    screen.run([&] {
      editor.Button6.click();
      editor.filename.type(name);
      editor.short_.type("Egy szoba");
      editor.long_.type("Itt nincs semmi.");
      editor.Button1.click();
    });
  }

  editors::RoomEditor& editor = program.bench().room_editor();
};

TEST_F(RoomViewsTest, PanelShowsEveryControlNamedAndFitsTheMainWindow) {
  EXPECT_EQ(window.panels()->currentWidget(), panel());
  const std::vector<std::pair<const char*, const char*>> controls = {
      {"filename", "Fájlnév"},
      {"short", "Rövid leírás"},
      {"long", "Hosszú leírás"},
      {"smelldefault", "Alapszag"},
      {"listendefault", "Háttérzaj"},
      {"Label1", "Szoba jellemzők"},
      {"RoomItems", "Nézhető tárgyak"},
      {"RoomProperties", "Jellemzők"},
      {"Button4", "Tartalom"},
      {"Button5", "Kijáratok"},
      {"Button8", "Őrök"},
      {"Button3", "Hogy néz ki?"},
      {"Button7", "Törlés"},
      {"Button6", "Új szoba"},
      {"Button1", "Kész"},
  };
  for (const auto& [name, caption] : controls) {
    auto* w = find<QWidget>(panel(), name);
    if (!w) continue;
    EXPECT_EQ(w->accessibleName(), QString::fromUtf8(caption)) << name;
    EXPECT_TRUE(w->isVisible()) << name;
  }
  auto* label = find<QLabel>(panel(), "long_label");
  EXPECT_EQ(label->buddy(), find<QPlainTextEdit>(panel(), "long"));
  EXPECT_TRUE(find<QPushButton>(panel(), "RoomItems")->toolTip().startsWith("Itt adhatod"));
  EXPECT_TRUE(find<QPushButton>(panel(), "Button4")->toolTip().startsWith("Itt adhatod"));

  QSize room = panel()->minimumSizeHint();
  QSize area = window.panels()->size();
  EXPECT_LE(room.width(), area.width());
  EXPECT_LE(room.height(), area.height());
}

TEST_F(RoomViewsTest, TypingIntoThePanelReachesTheCore) {
  QLineEdit* name = find<QComboBox>(panel(), "filename")->lineEdit();
  QTest::keyClicks(name, "hall");
  EXPECT_EQ(editor.filename.text(), "hall");
  QTest::keyClicks(name, "X");
  EXPECT_EQ(name->text(), "") << "the refused name is emptied on screen too";

  QTest::keyClicks(find<QLineEdit>(panel(), "short"), "Egy terem");
  EXPECT_EQ(editor.short_.text(), "Egy terem");
}

TEST_F(RoomViewsTest, PastingSeveralLinesIntoAOneLineBoxKeepsTheFirstLine) {
  QApplication::clipboard()->setText("Első sor\r\nMásodik sor\nHarmadik");
  QLineEdit* short_text = find<QLineEdit>(panel(), "short");
  short_text->setFocus();
  short_text->paste();
  EXPECT_EQ(editor.short_.text(), "Első sor");
  EXPECT_EQ(short_text->text(), QString("Első sor"));

  QPlainTextEdit* long_text = find<QPlainTextEdit>(panel(), "long");
  long_text->setFocus();
  long_text->paste();
  EXPECT_EQ(editor.long_.text(), "Első sor\r\nMásodik sor\r\nHarmadik") << "a memo keeps its lines";
}

TEST_F(RoomViewsTest, EachDialogOpensFromThePanelShowsItsControlsAndItsButtonClosesIt) {
  struct Case {
    const char* open;
    const char* form;
    const char* caption;
    const char* close;
    std::vector<const char*> shown;
  };
  for (const Case& c : std::vector<Case>{
           {"RoomProperties",
            "Form2",
            "Szoba jellemzők",
            "OkProperties",
            {"indoors", "light", "nemszabad", "noattack", "nomagic", "nosteal", "noteleport",
             "norest", "nosleep", "notalk", "nocommunicate"}},
           {"Button7", "Form3", "Szoba törlése", "nemtorles", {"Label1", "oktorles"}},
           {"RoomItems",
            "Form4",
            "Tárgyak",
            "OKitems",
            {"itemname", "looked", "smelled", "listened", "searched", "itemready", "Button1"}},
           {"Button5",
            "Form5",
            "Kijáratszerkesztő",
            "Button5",
            {"posexits", "exitname", "exitdir", "exitdesc", "doorname", "doorkey", "Button2",
             "Button1", "Button4", "doorkeysave", "doordelete", "keydelete", "Button3", "Label1"}},
           {"Button4",
            "Form7",
            "A szoba tartalma",
            "kesz",
            {"posmons", "positem", "Button2", "Button3", "contents", "Button4"}},
           {"Button8",
            "Form18",
            "Őrök",
            "Button3",
            {"guardname", "posguardexits", "Button1", "Button2", "guardexits", "guardspeech",
             "guarddelete", "Button4"}},
       }) {
    SCOPED_TRACE(c.form);
    QWidget* dialog = window.page(c.form);
    press(panel(), c.open);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_FALSE(window.isEnabled());
    EXPECT_TRUE(dialog->isEnabled());
    for (const char* name : c.shown) {
      auto* w = find<QWidget>(dialog, name);
      EXPECT_TRUE(w && w->isVisible()) << name;
    }
    press(dialog, c.close);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.isEnabled());
  }
}

TEST_F(RoomViewsTest, TheCloseBoxOfADialogEnablesTheMainWindow) {
  press(panel(), "Button4");
  EXPECT_FALSE(window.isEnabled());
  window.page("Form7")->close();
  EXPECT_FALSE(window.page("Form7")->isVisible());
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(RoomViewsTest, EscapeAnswersVisszaOrTheCloseBoxWhileEnterInAFieldPressesNothing) {
  const struct {
    const char* open;
    const char* form;
    const char* field;
  } cases[] = {{"RoomItems", "Form4", "looked"},
               {"Button5", "Form5", "exitdesc"},
               {"Button8", "Form18", "guardspeech"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    QWidget* dialog = window.page(c.form);
    press(panel(), c.open);
    auto* field = find<QLineEdit>(dialog, c.field);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "no default button";
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.isEnabled());
  }
  press(panel(), "RoomProperties");
  QTest::keyClick(window.page("Form2"), Qt::Key_Escape);
  EXPECT_FALSE(window.page("Form2")->isVisible())
      << "without a back button Escape does what the close box does";
  EXPECT_TRUE(window.isEnabled());
}

TEST_F(RoomViewsTest, TheMainWindowComesBackToTheFrontWhenAnEditorDialogCloses) {
  QWidget* dialog = window.page("Form5");
  press(panel(), "Button5");
  // Even when some other window has been in front meanwhile.
  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  press(dialog, "Button5");
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(RoomViewsTest, DeletionAsksWithNemAsTheFocusedDefaultAndCancelButton) {
  commit_room("hall");
  QWidget* dialog = window.page("Form3");
  auto* no = find<QPushButton>(dialog, "nemtorles");
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(key);
    press(panel(), "Button7");
    EXPECT_EQ(dialog->focusWidget(), no);
    EXPECT_TRUE(no->isDefault());
    QTest::keyClick(dialog->focusWidget(), key);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(room_exists(app.work(), "hall"));
  }

  press(panel(), "Button7");
  auto* yes = find<QPushButton>(dialog, "oktorles");
  yes->setFocus();
  QTest::keyClick(yes, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(room_exists(app.work(), "hall")) << "Enter presses the focused button";
}

TEST_F(RoomViewsTest, ExitEditorAddsAnExitAndShowsTheChosenOne) {
  commit_room("kert");
  commit_room("pince");
  commit_room("hall");
  press(panel(), "Button5");
  QWidget* dialog = window.page("Form5");

  auto* note = find<QLabel>(dialog, "Label1");
  EXPECT_TRUE(note->isVisible());
  EXPECT_TRUE(note->wordWrap());
  EXPECT_TRUE(note->text().startsWith("Fontos: az ajtókat mindkét oldalról"));
  EXPECT_TRUE(find<QPushButton>(dialog, "Button1")->toolTip().startsWith("A kijáratot úgy"));
  auto* doorname = find<QLineEdit>(dialog, "doorname");
  EXPECT_FALSE(doorname->isEnabled());

  auto add_exit = [&](const char* exit, const char* target) {
    QLineEdit* name = find<QComboBox>(dialog, "posexits")->lineEdit();
    QTest::keyClicks(name, exit);
    auto* rooms = find<QListWidget>(dialog, "exitname");
    rooms->setCurrentItem(rooms->findItems(target, Qt::MatchExactly).value(0));
    press(dialog, "Button2");
  };
  add_exit("kelet", "kert");
  auto* exits = find<QListWidget>(dialog, "exitdir");
  ASSERT_EQ(exits->count(), 1);
  EXPECT_EQ(exits->item(0)->text(), "kelet");
  EXPECT_EQ(query_mixed(room_exists(app.work(), "kert")->exits, "nyugat"), "hall");

  auto click_exit = [&] {
    QRect row = exits->visualItemRect(exits->item(0));
    QTest::mouseClick(exits->viewport(), Qt::LeftButton, {}, row.center());
  };
  auto* target = find<QLineEdit>(dialog, "exitdesc");
  click_exit();
  EXPECT_EQ(target->text(), "kert");
  EXPECT_TRUE(doorname->isEnabled());

  add_exit("kelet", "pince");
  EXPECT_EQ(target->text(), "");
  click_exit();
  EXPECT_EQ(target->text(), "pince") << "a click on the selected exit shows it again";
}

}  // namespace
}  // namespace tamo::gui::testing
