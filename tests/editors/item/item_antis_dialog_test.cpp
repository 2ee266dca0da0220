#include <string>
#include <vector>

#include "item_fixture.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;

class ItemAntis : public ItemEditorTest {
 public:
  ItemAntisDialog& dialog = editor.antis_dialog;
};

TEST_F(ItemAntis, DoneWithNothingCheckedWritesAll27KeysAsAllowedInOrder) {
  editor.antis.click();
  dialog.Button3.click();
  Strings written;
  for (const dmixed& e : tmpitem().antis) {
    written.push_back(e.key);
    EXPECT_EQ(e.value, "0") << e.key;
  }
  EXPECT_EQ(written,
            (Strings{"harcos",    "tolvaj",        "pap",          "magus",      "lovag",
                     "erdojaro",  "kardmuvesz",    "barbar",       "paladin",    "szerzetes",
                     "druida",    "saman",         "bard",         "arnyjaro",   "fejvadasz",
                     "utonallo",  "elementalista", "tuzmagus",     "vizmagus",   "levegomagus",
                     "foldmagus", "mentalista",    "illuzionista", "nekromanta", "jo",
                     "semleges",  "gonosz"}));
  EXPECT_FALSE(strtob(query_mixed(tmpitem().antis, "jo")));
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(ItemAntis, OpeningShowsTheWorkingCopysFlagsAndDoneWritesTheBoxes) {
  add_mixed(work().tmpitem.antis, "semleges", "1");
  add_mixed(work().tmpitem.antis, "tuzmagus", "1");
  add_mixed(work().tmpitem.antis, "pap", "0");
  editor.antis.click();
  EXPECT_TRUE(dialog.semleges.checked());
  EXPECT_TRUE(dialog.tuzmagus.checked());
  EXPECT_FALSE(dialog.pap.checked());
  EXPECT_FALSE(dialog.jo.checked()) << "a missing key reads as allowed";
  EXPECT_FALSE(host.main_enabled);

  dialog.jo.set_checked(true);
  dialog.tuzmagus.set_checked(false);
  dialog.Button3.click();
  EXPECT_EQ(query_mixed(tmpitem().antis, "jo"), "1");
  EXPECT_EQ(query_mixed(tmpitem().antis, "semleges"), "1");
  EXPECT_EQ(query_mixed(tmpitem().antis, "tuzmagus"), "0");
  EXPECT_EQ(tmpitem().antis[0].key, "semleges") << "existing keys keep their place";
}

TEST_F(ItemAntis, SelectAllAndClearAllLeaveTheAlignments) {
  editor.antis.click();
  dialog.semleges.set_checked(true);
  dialog.Button1.click();
  for (controls::CheckBox* box : dialog.class_boxes()) EXPECT_TRUE(box->checked()) << box->name();
  EXPECT_FALSE(dialog.gonosz.checked());
  EXPECT_TRUE(dialog.semleges.checked());
  EXPECT_FALSE(dialog.jo.checked());
  dialog.Button2.click();
  for (controls::CheckBox* box : dialog.class_boxes()) EXPECT_FALSE(box->checked());
  EXPECT_TRUE(dialog.semleges.checked());
}

TEST_F(ItemAntis, BackLeavesTheWorkingCopy) {
  add_mixed(work().tmpitem.antis, "jo", "1");
  editor.antis.click();
  dialog.Button1.click();
  dialog.jo.set_checked(false);
  dialog.Button4.click();
  EXPECT_EQ(tmpitem().antis.size(), 1u);
  EXPECT_EQ(query_mixed(tmpitem().antis, "jo"), "1");
  EXPECT_FALSE(dialog.form.visible());
  EXPECT_TRUE(host.main_enabled);
}

}  // namespace
}  // namespace tamo::editors
