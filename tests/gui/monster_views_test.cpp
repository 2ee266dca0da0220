#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "gui_fixture.h"
#include "work_setup.h"

namespace tamo::gui::testing {
namespace {

class MonsterViewsTest : public WindowTest {
 protected:
  MonsterViewsTest() { trigger("llny1"); }

  editors::MonsterEditor& editor() { return program.bench().monster_editor(); }
  QWidget* panel() { return window.page("monster"); }
  QPushButton* button(QWidget* root, const char* name) { return find<QPushButton>(root, name); }

  // A stored creature chosen in the panel by typing its file name.
  void choose_stored(const char* filename) {
    setup_mons(program.bench().work(), filename);
    screen.run([this] { editor().fill_filename_choices(); });
    QTest::keyClicks(find<QComboBox>(panel(), "monsfilename")->lineEdit(), filename);
  }
};

TEST_F(MonsterViewsTest, EveryLabelledFieldHasItsLabelAsBuddy) {
  EXPECT_EQ(window.panels()->currentWidget(), panel());
  auto* filename = find<QComboBox>(panel(), "monsfilename");
  EXPECT_TRUE(window.focusWidget() == filename || filename->isAncestorOf(window.focusWidget()))
      << "the menu shows the panel with the file name focused";
  const std::pair<const char*, const char*> fields[] = {
      {"monsfilename", "Fájlnév"},
      {"level", "Szint"},
      {"monsname", "Név"},
      {"monsshort", "Rövid leírás"},
      {"monslong", "Hosszú leírás"},
      {"race", "Faja"},
      {"gender", "Neme"},
      {"class1", "Osztálya"},
      {"money", "Pénz"},
      {"aggressive", "Agresszivitás"},
      {"alignment", "Jellem"},
      {"speed", "Sebesség"},
      {"spemspeed", "Beszéd és érzési sebesség"},
  };
  for (const auto& [name, caption] : fields) {
    auto* field = find<QWidget>(panel(), name);
    auto* label = find<QLabel>(panel(), (std::string(name) + "_label").c_str());
    ASSERT_TRUE(field && label) << name;
    EXPECT_EQ(label->text(), caption) << name;
    EXPECT_EQ(label->buddy(), field) << name;
    EXPECT_EQ(field->accessibleName(), caption) << name;
    EXPECT_TRUE(field->isVisibleTo(panel())) << name;
  }
}

TEST_F(MonsterViewsTest, TheClassBoxesShareOneLabelAndTheListButtonsOneFrame) {
  EXPECT_EQ(panel()->findChild<QLabel*>("class2_label"), nullptr);
  EXPECT_EQ(panel()->findChild<QLabel*>("class3_label"), nullptr);
  for (const char* name : {"class1", "class2", "class3"})
    EXPECT_EQ(find<QComboBox>(panel(), name)->count(), 25) << name;
  EXPECT_EQ(find<QComboBox>(panel(), "race")->count(), 169);

  auto* further = find<QGroupBox>(panel(), "further_traits");
  EXPECT_EQ(further->title(), "További jellemzők");
  const std::pair<const char*, const char*> lists[] = {
      {"Button10", "Amit mond"}, {"Button9", "Amiket csinál"}, {"Button12", "Ami van nála"}};
  for (const auto& [name, caption] : lists) {
    QPushButton* b = button(panel(), name);
    EXPECT_EQ(b->text(), caption);
    EXPECT_TRUE(further->isAncestorOf(b)) << name;
  }
  EXPECT_FALSE(further->isAncestorOf(button(panel(), "Button13")));
}

TEST_F(MonsterViewsTest, TabWalksThroughThePanelInReadingOrder) {
  const QStringList order = {"monsfilename", "level",    "Button13",   "monsname",  "monsshort",
                             "monslong",     "race",     "gender",     "class1",    "class2",
                             "class3",       "money",    "aggressive", "alignment", "speed",
                             "spemspeed",    "Button10", "Button9",    "Button12",  "bt",
                             "Button2",      "monsready"};
  QStringList walked;
  QWidget* first = find<QWidget>(panel(), "monsfilename");
  QWidget* w = first;
  do {
    if (order.contains(w->objectName()) && !walked.contains(w->objectName()))
      walked << w->objectName();
    w = w->nextInFocusChain();
  } while (w != first);
  EXPECT_EQ(walked, order);
  EXPECT_TRUE(find<QPlainTextEdit>(panel(), "monslong")->tabChangesFocus());
}

TEST_F(MonsterViewsTest, HintsAreTooltipsWordForWord) {
  EXPECT_EQ(button(panel(), "Button10")->toolTip(),
            "Azt kell megadni, hog mit mondjon. Pl.: 'Kotrodj innen!'. Ekkor ezt fogod majd "
            "latni: Leny mondja: Kodrodj innen! ");
  EXPECT_EQ(button(panel(), "Button9")->toolTip(),
            "Itt azt lehet megadni, hogy mit csinálgasson. Például, ha azt akarod, hogy a "
            "'Harcosno' nevű lény  rádmorogjon, akkor ezt kell megadni: 'Harcosno radmorog.' . "
            "NAGYON FONTOS!!! Ide teljes mondatot kell írni, ellentetben azzal, amit a lény mond.");
  EXPECT_EQ(find<QLineEdit>(panel(), "aggressive")->toolTip(),
            "Milyen karizma alatt támadjon a lény.");
  EXPECT_EQ(find<QLineEdit>(panel(), "alignment")->toolTip(),
            "Jellem. 1500 a szent, 0 a semleges, -1500 a démoni.");
}

TEST_F(MonsterViewsTest, ThePanelFitsTheMainWindow) {
  QSize needed = panel()->minimumSizeHint();
  QSize room = window.panels()->size();
  EXPECT_LE(needed.width(), room.width());
  EXPECT_LE(needed.height(), room.height());
}

TEST_F(MonsterViewsTest, TypedFieldsReachTheCreatureEditor) {
  QTest::keyClicks(find<QLineEdit>(panel(), "monsname"), "Harcosno");
  EXPECT_EQ(editor().panel.name.text(), "Harcosno");
  auto* alignment = find<QLineEdit>(panel(), "alignment");
  QTest::keyClicks(alignment, "-150");
  EXPECT_EQ(editor().alignment.text(), "-150");
  QTest::keyClicks(alignment, "-");
  EXPECT_EQ(alignment->text(), "") << "a '-' after a digit empties the box";

  auto* level = find<QLineEdit>(panel(), "level");
  QTest::keyClicks(level, "10");
  SeenBox seen = answer_message_box([&] { QTest::keyClicks(level, "1"); });
  EXPECT_EQ(seen.text, "Ilyen szintű lény nem lehetséges!");
  EXPECT_EQ(level->text(), "");
  EXPECT_EQ(editor().level.text(), "");

  auto* race = find<QComboBox>(panel(), "race");
  race->activated(race->findText("tanar'ri"));
  EXPECT_EQ(editor().race.text(), "tanar'ri");
}

TEST_F(MonsterViewsTest, ANewCreatureEmptiesTheShownFields) {
  QTest::keyClicks(find<QLineEdit>(panel(), "monsshort"), "egy farkas");
  auto* memo = find<QPlainTextEdit>(panel(), "monslong");
  memo->setFocus();
  QTest::keyClicks(memo, "Szurke");
  EXPECT_EQ(editor().panel.long_text.text(), "Szurke");
  button(panel(), "Button2")->click();
  EXPECT_EQ(find<QLineEdit>(panel(), "monsshort")->text(), "");
  EXPECT_EQ(memo->toPlainText(), "");
}

// Each dialog: opened by its panel button, in front with the main window disabled, and
// closed by its close box.
TEST_F(MonsterViewsTest, EachDialogOpensByItsButtonAndClosesByItsCloseBox) {
  struct Case {
    const char* button;
    const char* form;
    const char* title;
    const char* focused;
  };
  const Case cases[] = {
      {"Button13", "Form8", "Azonosítók", "ids"},
      {"Button10", "Form9", "Amiket a lény mond...", "posspeech"},
      {"Button9", "Form10", "Amiket a lények csinálgatnak...", "posemote"},
      {"Button12", "Form15", "Felszerelés", "posequipment"},
      {"bt", "Form6", "Élőlény törlése", "nemtorles"},
  };
  for (const Case& c : cases) {
    button(panel(), c.button)->click();
    QWidget* dialog = window.page(c.form);
    EXPECT_TRUE(dialog->isVisible()) << c.form;
    EXPECT_TRUE(dialog->isWindow()) << c.form;
    EXPECT_EQ(dialog->windowTitle(), c.title);
    EXPECT_FALSE(window.isEnabled()) << c.form;
    EXPECT_EQ(dialog->focusWidget(), find<QWidget>(dialog, c.focused)) << c.form;
    dialog->close();
    EXPECT_FALSE(dialog->isVisible()) << c.form;
    EXPECT_TRUE(window.isEnabled()) << c.form;
  }
}

TEST_F(MonsterViewsTest, DoneClosesEachListDialog) {
  const std::pair<const char*, const char*> cases[] = {
      {"Button13", "Form8"}, {"Button10", "Form9"}, {"Button9", "Form10"}, {"Button12", "Form15"}};
  for (const auto& [opener, form] : cases) {
    button(panel(), opener)->click();
    QWidget* dialog = window.page(form);
    QPushButton* done = button(dialog, "Button3");
    EXPECT_EQ(done->text(), "Kész");
    done->click();
    EXPECT_FALSE(dialog->isVisible()) << form;
    EXPECT_TRUE(window.isEnabled()) << form;
  }
}

TEST_F(MonsterViewsTest, NoIsTheDefaultAndTheCancelOfTheDeletion) {
  choose_stored("farkas");
  QWidget* dialog = window.page("Form6");
  button(panel(), "bt")->click();
  EXPECT_EQ(find<QLabel>(dialog, "question")->text(), "Biztosan törölni akarod az élőlényt ?");
  QPushButton* no = button(dialog, "nemtorles");
  EXPECT_EQ(no->text(), "Nem");
  EXPECT_TRUE(no->isDefault());
  EXPECT_EQ(button(dialog, "torles")->text(), "Igen");

  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(window.isEnabled());
  button(panel(), "bt")->click();
  QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_NE(mons_exists(program.bench().work(), "farkas"), nullptr) << "kept by both";

  button(panel(), "bt")->click();
  button(dialog, "torles")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(mons_exists(program.bench().work(), "farkas"), nullptr);
  EXPECT_EQ(find<QComboBox>(panel(), "monsfilename")->count(), 0);
}

TEST_F(MonsterViewsTest, ASentenceTypedAndAddedIsListedInItsBox) {
  button(panel(), "Button10")->click();
  QWidget* dialog = window.page("Form9");
  EXPECT_EQ(find<QLabel>(dialog, "combatspeech_label")->text(),
            "Ezeket mondogatja a lény harc közben ");
  QTest::keyClicks(find<QLineEdit>(dialog, "poscombatspeech"), "Kotrodj innen!");
  button(dialog, "Button4")->click();
  auto* combat = find<QListWidget>(dialog, "combatspeech");
  ASSERT_EQ(combat->count(), 1);
  EXPECT_EQ(combat->item(0)->text(), "Kotrodj innen!");
  EXPECT_EQ(find<QLineEdit>(dialog, "poscombatspeech")->text(), "");
  EXPECT_EQ(query_mixed(program.bench().work().tmpmons.speech, "Kotrodj innen!"), "1");

  combat->setCurrentRow(0);
  button(dialog, "Button5")->click();
  EXPECT_EQ(combat->count(), 0);
  EXPECT_EQ(find<QLineEdit>(dialog, "poscombatspeech")->text(), "Kotrodj innen!");
}

TEST_F(MonsterViewsTest, AnIdWithACapitalEmptiesTheBox) {
  button(panel(), "Button13")->click();
  QWidget* dialog = window.page("Form8");
  auto* ids = find<QLineEdit>(dialog, "ids");
  QTest::keyClicks(ids, "zold ork");
  button(dialog, "Button1")->click();
  EXPECT_EQ(find<QListWidget>(dialog, "newids")->count(), 1);
  QTest::keyClicks(ids, "ork");
  QTest::keyClicks(ids, "O");
  EXPECT_EQ(ids->text(), "");
  EXPECT_EQ(editor().panel.ids_dialog.word.text(), "");
}

TEST_F(MonsterViewsTest, EquipmentOffersTheWorksItemsOneRowPerPiece) {
  setup_item(program.bench().work(), "kard");
  button(panel(), "Button12")->click();
  QWidget* dialog = window.page("Form15");
  auto* items = find<QComboBox>(dialog, "posequipment");
  ASSERT_EQ(items->count(), 1);
  for (int i = 0; i < 2; ++i) {
    items->activated(0);
    button(dialog, "Button1")->click();
  }
  EXPECT_EQ(find<QListWidget>(dialog, "equipment")->count(), 2);
  EXPECT_EQ(items->currentIndex(), -1) << "the choice is cleared after each add";
  EXPECT_EQ(query_mixed(program.bench().work().tmpmons.equipment, "kard"), "2");
}

}  // namespace
}  // namespace tamo::gui::testing
