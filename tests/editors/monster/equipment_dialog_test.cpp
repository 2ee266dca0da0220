#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "monster_fixture.h"
#include "work_setup.h"

namespace tamo::editors {
namespace {

using Strings = std::vector<std::string>;
constexpr std::size_t kCap = MonsEquipmentDialog::kMostRowsPerItem;

class EquipmentDialogTest : public MonsterEditorTest {
 protected:
  void SetUp() override {
    setup_item(work(), "pajzs");
    setup_item(work(), "kard");
  }
  MonsEquipmentDialog& d = ed.equipment_dialog;
  MixedList& tmp() { return work().tmpmons.equipment; }
  void give(const char* item) {
    d.posequipment.user_select(d.posequipment.index_of(item));
    d.Button1.click();
  }
  void take_row(const char* item) {
    d.equipment.user_select(d.equipment.index_of(item));
    d.Button2.click();
  }
  std::size_t rows(const char* item) {
    return static_cast<std::size_t>(
        std::count(d.equipment.items().begin(), d.equipment.items().end(), item));
  }
};

TEST_F(EquipmentDialogTest, OpeningOffersTheWorksItems) {
  ed.Button12.click();
  EXPECT_TRUE(d.form.visible());
  EXPECT_FALSE(host.main_enabled);
  EXPECT_TRUE(host.focus().on(d.posequipment));
  EXPECT_EQ(d.posequipment.items(), (Strings{"kard", "pajzs"}));
  d.form.close();
  setup_item(work(), "balta");
  ed.Button12.click();
  EXPECT_EQ(d.posequipment.items(), (Strings{"balta", "kard", "pajzs"}));
}

TEST_F(EquipmentDialogTest, OneRowPerSingleItem) {
  ed.Button12.click();
  give("kard");
  give("pajzs");
  give("kard");
  give("kard");
  EXPECT_EQ(d.equipment.items(), (Strings{"kard", "pajzs", "kard", "kard"}));
  EXPECT_EQ(query_mixed(tmp(), "kard"), "3");
  EXPECT_EQ(d.posequipment.selected(), -1) << "the choice is cleared";
  d.Button1.click();  // nothing chosen
  EXPECT_EQ(d.equipment.count(), 4u);

  take_row("kard");
  EXPECT_EQ(query_mixed(tmp(), "kard"), "2");
  EXPECT_EQ(rows("kard"), 2u);
  take_row("pajzs");
  EXPECT_EQ(tmp().size(), 1u) << "a count falling below 1 removes the entry";
  d.Button2.click();  // nothing selected
  EXPECT_EQ(query_mixed(tmp(), "kard"), "2");
}

TEST_F(EquipmentDialogTest, ReopeningShowsTheStoredCounts) {
  dmons* m = commit_creature("ork");
  ASSERT_NE(m, nullptr);
  add_mixed(m->equipment, "kard", "3");
  add_mixed(m->equipment, "pajzs", "1");
  ed.Button12.click();
  EXPECT_EQ(d.equipment.items(), (Strings{"kard", "kard", "kard", "pajzs"}));
  take_row("kard");
  d.form.close();
  EXPECT_EQ(query_mixed(m->equipment, "kard"), "3") << "the close box stores nothing";
  ed.Button12.click();
  take_row("kard");
  d.Button3.click();
  EXPECT_EQ(query_mixed(m->equipment, "kard"), "2");
  EXPECT_TRUE(host.main_enabled);
}

TEST_F(EquipmentDialogTest, ACountThatIsNoNumberRefusesToOpen) {
  dmons* m = commit_creature("ork");
  ASSERT_NE(m, nullptr);
  add_mixed(m->equipment, "kard", "sok");
  add_mixed(work().tmpmons.equipment, "pajzs", "1");
  const Work before = work();
  ed.Button12.click();
  EXPECT_EQ(host.messages,
            Strings{"Az élőlény felszerelésében a(z) \"kard\" darabszáma nem szám: \"sok\""});
  EXPECT_FALSE(d.form.visible());
  EXPECT_TRUE(host.main_enabled);
  EXPECT_EQ(work().tmpmons, before.tmpmons);
  EXPECT_EQ(*work().monsters.find_last("ork"), *before.monsters.find_last("ork"));
}

TEST_F(EquipmentDialogTest, AHugeCountShowsACappedNumberOfRowsAndStaysExact) {
  const std::string huge = "99999999999999999999";
  dmons* m = commit_creature("ork");
  ASSERT_NE(m, nullptr);
  add_mixed(m->equipment, "kard", huge);
  add_mixed(m->equipment, "pajzs", std::to_string(kCap));
  ed.Button12.click();
  EXPECT_EQ(rows("kard"), kCap);
  EXPECT_EQ(rows("pajzs"), kCap);

  give("kard");
  EXPECT_EQ(query_mixed(tmp(), "kard"), "100000000000000000000");
  EXPECT_EQ(rows("kard"), kCap);
  take_row("kard");
  take_row("kard");
  EXPECT_EQ(query_mixed(tmp(), "kard"), "99999999999999999998");
  EXPECT_EQ(rows("kard"), kCap) << "still far above the cap";

  take_row("pajzs");
  EXPECT_EQ(query_mixed(tmp(), "pajzs"), std::to_string(kCap - 1));
  EXPECT_EQ(rows("pajzs"), kCap - 1);
  give("pajzs");
  give("pajzs");
  EXPECT_EQ(query_mixed(tmp(), "pajzs"), std::to_string(kCap + 1));
  EXPECT_EQ(rows("pajzs"), kCap);
}

TEST_F(EquipmentDialogTest, EmptyAndZeroCountsShowNoRows) {
  add_mixed(tmp(), "kard", "0");
  add_mixed(tmp(), "pajzs", "");
  ed.Button12.click();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(d.equipment.count(), 0u);
  give("pajzs");
  EXPECT_EQ(query_mixed(tmp(), "pajzs"), "1");
  EXPECT_EQ(d.equipment.items(), Strings{"pajzs"});
}

}  // namespace
}  // namespace tamo::editors
