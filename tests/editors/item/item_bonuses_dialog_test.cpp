#include <string>
#include <vector>

#include "item_fixture.h"

namespace tamo::editors {
namespace {

struct BonusCase {
  controls::Edit ItemBonusesDialog::*box;
  const char* typed;
  const char* left;
};

class BonusFilter : public ItemEditorTest, public ::testing::WithParamInterface<BonusCase> {};

TEST_P(BonusFilter, DigitsWithOneLeadingMinusStay) {
  controls::Edit& box = editor.bonuses_dialog.*GetParam().box;
  box.type(GetParam().typed);
  EXPECT_EQ(box.text(), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Boxes, BonusFilter,
                         ::testing::Values(BonusCase{&ItemBonusesDialog::hp, "-12", "-12"},
                                           BonusCase{&ItemBonusesDialog::tb, "-", "-"},
                                           BonusCase{&ItemBonusesDialog::sb, "1-", ""},
                                           BonusCase{&ItemBonusesDialog::ac, "--3", "3"},
                                           BonusCase{&ItemBonusesDialog::magi, "2a", ""},
                                           BonusCase{&ItemBonusesDialog::hp, "12345", "1234"},
                                           BonusCase{&ItemBonusesDialog::meri, "-100", "-10"},
                                           BonusCase{&ItemBonusesDialog::ero, "123", "12"},
                                           BonusCase{&ItemBonusesDialog::kari, "-3", "-3"}));

TEST_F(ItemEditorTest, BonusDialogFillsFromTheWorkingCopyAndDoneWritesBack) {
  work().tmpitem.hp = "25";
  work().tmpitem.iq = "1x";
  editor.bonuses.click();
  EXPECT_TRUE(editor.bonuses_dialog.form.visible());
  EXPECT_FALSE(host.main_enabled);
  EXPECT_EQ(editor.bonuses_dialog.hp.text(), "25");
  EXPECT_EQ(editor.bonuses_dialog.iq.text(), "") << "a refused text is emptied on opening";

  auto boxes = editor.bonuses_dialog.boxes();
  for (std::size_t k = 0; k < kBonusCount; ++k) boxes[k]->set_text(std::to_string(k + 1));
  editor.bonuses_dialog.Button1.click();
  auto bonus = bonus_fields(tmpitem());
  for (std::size_t k = 0; k < kBonusCount; ++k)
    EXPECT_EQ(*bonus[k], std::to_string(k + 1)) << boxes[k]->name();
  EXPECT_FALSE(editor.bonuses_dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(ItemEditorTest, BonusDialogBackLeavesTheWorkingCopy) {
  work().tmpitem.sb = "2";
  editor.bonuses.click();
  editor.bonuses_dialog.sb.set_text("5");
  editor.bonuses_dialog.Button2.click();
  EXPECT_EQ(tmpitem().sb, "2");
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(ItemEditorTest, BonusDialogIsEmptyForANewItem) {
  enter_bonus(&ItemBonusesDialog::ac, "3");
  editor.panel.new_button.click();
  editor.bonuses.click();
  for (const controls::Edit* box : editor.bonuses_dialog.boxes())
    EXPECT_EQ(box->text(), "") << box->name();
}

}  // namespace
}  // namespace tamo::editors
