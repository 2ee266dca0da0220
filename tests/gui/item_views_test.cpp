#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "gui_fixture.h"
#include "work_setup.h"

namespace tamo::gui::testing {
namespace {

class ItemViewsTest : public WindowTest {
 protected:
  void SetUp() override {
    trigger("Trgy1");
    panel = window.page("item");
  }

  template <class W>
  W* on_panel(const char* name) {
    return find<W>(panel, name);
  }

  void choose_kind(int index) {
    on_panel<QRadioButton>(("is_weapon_" + std::to_string(index)).c_str())->click();
  }

  editors::ItemEditor& editor = program.bench().item_editor();
  QWidget* panel = nullptr;
};

TEST_F(ItemViewsTest, PanelShowsItsControlsWithCaptionsAndHints) {
  EXPECT_EQ(window.panels()->currentWidget(), panel);
  EXPECT_TRUE(on_panel<QComboBox>("itemfilename")->isEditable());
  EXPECT_FALSE(on_panel<QComboBox>("itemtype")->isEditable());
  EXPECT_EQ(on_panel<QLineEdit>("itemshort")->accessibleName(), "Rövid leírás");
  EXPECT_EQ(on_panel<QLineEdit>("weight")->toolTip(), "A tárgy súlya dekagrammban.");
  EXPECT_TRUE(on_panel<QLineEdit>("strength")->toolTip().startsWith("Az étel vagy ital"));
  EXPECT_EQ(on_panel<QCheckBox>("invisitem")->text(), "   Láthatatlan tárgy");
  EXPECT_EQ(on_panel<QGroupBox>("ifweapon")->title(), "Ha fegyver");
  EXPECT_EQ(on_panel<QGroupBox>("ifkajapia")->title(), "Ha étel vagy ital");
  EXPECT_EQ(on_panel<QLabel>("wcd")->text(), "d");
  EXPECT_EQ(on_panel<QLabel>("itemlong_label")->buddy(), on_panel<QWidget>("itemlong"));
  EXPECT_EQ(on_panel<QComboBox>("itemtype")->count(), 12) << "the panel starts on armour";
}

TEST_F(ItemViewsTest, KindRadioGroupsFillTwoColumnsTopDown) {
  struct Case {
    const char* group;
    int item, row, column;
  };
  for (const Case& c :
       {Case{"is_weapon", 0, 0, 0}, Case{"is_weapon", 3, 3, 0}, Case{"is_weapon", 4, 0, 1},
        Case{"is_weapon", 6, 2, 1}, Case{"two_handed", 0, 0, 0}, Case{"two_handed", 1, 0, 1}}) {
    auto* grid = qobject_cast<QGridLayout*>(on_panel<QGroupBox>(c.group)->layout());
    ASSERT_NE(grid, nullptr) << c.group;
    QWidget* button = on_panel<QRadioButton>((c.group + ("_" + std::to_string(c.item))).c_str());
    int row = -1, column = -1, span = 0;
    grid->getItemPosition(grid->indexOf(button), &row, &column, &span, &span);
    EXPECT_EQ(std::pair(row, column), std::pair(c.row, c.column)) << c.group << " " << c.item;
  }
}

TEST_F(ItemViewsTest, KindShowsItsFieldGroupAndEnablesTheBonusButtons) {
  struct Case {
    int kind;
    bool weapon_fields, food_fields, bonus_buttons;
    int types;
  };
  for (const Case& c : {Case{1, true, false, true, 4}, Case{2, false, true, false, 0},
                        Case{4, false, true, false, 0}, Case{5, false, false, false, 0},
                        Case{0, false, false, true, 12}}) {
    choose_kind(c.kind);
    EXPECT_EQ(editor.is_weapon.index(), c.kind);
    EXPECT_EQ(on_panel<QGroupBox>("ifweapon")->isVisible(), c.weapon_fields) << c.kind;
    EXPECT_EQ(on_panel<QGroupBox>("ifkajapia")->isVisible(), c.food_fields) << c.kind;
    EXPECT_EQ(on_panel<QPushButton>("bonuses")->isEnabled(), c.bonus_buttons) << c.kind;
    EXPECT_EQ(on_panel<QPushButton>("antis")->isEnabled(), c.bonus_buttons) << c.kind;
    EXPECT_EQ(on_panel<QComboBox>("itemtype")->count(), c.types) << c.kind;
  }
}

TEST_F(ItemViewsTest, TypedWeaponDamageReachesTheCoreAndALetterEmptiesIt) {
  choose_kind(1);
  QTest::keyClicks(on_panel<QLineEdit>("wc2"), "6");
  QTest::keyClicks(on_panel<QLineEdit>("wc1"), "2");
  EXPECT_EQ(editor.wc1.text(), "2");
  EXPECT_EQ(editor.wc2.text(), "6");
  QTest::keyClicks(on_panel<QLineEdit>("wc1"), "x");
  EXPECT_EQ(on_panel<QLineEdit>("wc1")->text(), "");
  on_panel<QRadioButton>("two_handed_1")->click();
  EXPECT_EQ(editor.two_handed.index(), 1);
}

TEST_F(ItemViewsTest, EachDialogOpensFromItsButtonAndItsCloseBoxEnablesTheWindowAgain) {
  struct Case {
    const char* button;
    const char* form;
    const char* caption;
  };
  for (const Case& c :
       {Case{"itemids", "Form12", "Azonosítók"},
        Case{"antis", "Form13", "Nem engedélyezett osztályok, jellemek"},
        Case{"bonuses", "Form14", "Bónuszok"}, Case{"b8", "Form11", "Tárgy törlése"}}) {
    on_panel<QPushButton>(c.button)->click();
    QWidget* dialog = window.page(c.form);
    EXPECT_TRUE(dialog->isVisible()) << c.form;
    EXPECT_EQ(dialog->windowTitle(), c.caption);
    EXPECT_FALSE(window.isEnabled()) << c.form;
    dialog->close();
    EXPECT_FALSE(dialog->isVisible()) << c.form;
    EXPECT_TRUE(window.isEnabled()) << c.form;
  }
}

class DeleteDialogTest : public ItemViewsTest {
 protected:
  void SetUp() override {
    ItemViewsTest::SetUp();
    setup_item(app.work(), "kard");
    QTest::keyClicks(on_panel<QComboBox>("itemfilename")->lineEdit(), "kard");
    on_panel<QPushButton>("b8")->click();
    dialog = window.page("Form11");
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    no = find<QPushButton>(dialog, "nemtorles");
  }

  void expect_kept() {
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_TRUE(app.work().items.contains("kard"));
  }

  QWidget* dialog = nullptr;
  QPushButton* no = nullptr;
};

TEST_F(DeleteDialogTest, OpensWithTheFocusOnNemWhichIsTheDefault) {
  EXPECT_EQ(find<QLabel>(dialog, "Label1")->text(), "Biztosan törölni akarod a tárgyat ?");
  EXPECT_EQ(dialog->focusWidget(), no);
  EXPECT_TRUE(no->isDefault());
  QTest::keyClick(no, Qt::Key_Return);
  expect_kept();
}

TEST_F(DeleteDialogTest, EscapeAnswersNem) {
  QTest::keyClick(dialog, Qt::Key_Escape);
  expect_kept();
}

TEST_F(DeleteDialogTest, IgenDeletesTheItem) {
  find<QPushButton>(dialog, "Button1")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_FALSE(app.work().items.contains("kard"));
  EXPECT_EQ(on_panel<QComboBox>("itemfilename")->currentText(), "");
}

TEST_F(ItemViewsTest, IdsDialogAddsATypedWordToItsList) {
  on_panel<QPushButton>("itemids")->click();
  QWidget* dialog = window.page("Form12");
  QTest::keyClicks(find<QLineEdit>(dialog, "itemids"), "hosszu kard");
  find<QPushButton>(dialog, "Button1")->click();
  auto* ids = find<QListWidget>(dialog, "itemnewids");
  ASSERT_EQ(ids->count(), 1);
  EXPECT_EQ(ids->item(0)->text(), "hosszu kard");
  EXPECT_EQ(find<QLineEdit>(dialog, "itemids")->text(), "");
}

TEST_F(ItemViewsTest, MarkingAllClassesLeavesTheAlignmentsAlone) {
  on_panel<QPushButton>("antis")->click();
  QWidget* dialog = window.page("Form13");
  find<QCheckBox>(dialog, "jo")->click();
  find<QPushButton>(dialog, "Button1")->click();
  EXPECT_TRUE(find<QCheckBox>(dialog, "harcos")->isChecked());
  EXPECT_TRUE(find<QCheckBox>(dialog, "tuzmagus")->isChecked());
  EXPECT_FALSE(find<QCheckBox>(dialog, "gonosz")->isChecked());
  EXPECT_TRUE(find<QCheckBox>(dialog, "jo")->isChecked());
  EXPECT_EQ(find<QCheckBox>(dialog, "jo")->text(), "jó");
  EXPECT_EQ(find<QGroupBox>(dialog, "osztalyok")->findChildren<QCheckBox*>().size(), 24);
}

TEST_F(ItemViewsTest, BonusFieldsKeepTheirLengthLimitAndFilter) {
  on_panel<QPushButton>("bonuses")->click();
  QWidget* dialog = window.page("Form14");
  auto* hp = find<QLineEdit>(dialog, "hp");
  EXPECT_EQ(hp->accessibleName(), "Életerő");
  QTest::keyClicks(hp, "-12345");
  EXPECT_EQ(editor.bonuses_dialog.hp.text(), "-123");
  auto* ero = find<QLineEdit>(dialog, "ero");
  QTest::keyClicks(ero, "5-");
  EXPECT_EQ(ero->text(), "");
  find<QPushButton>(dialog, "Button1")->click();
  EXPECT_EQ(app.work().tmpitem.hp, "-123");
  EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace tamo::gui::testing
