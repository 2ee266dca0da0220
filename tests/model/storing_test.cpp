#include "model/storing.h"

#include <gtest/gtest.h>
#include "work_setup.h"

namespace tamo {
namespace {

std::vector<std::string> room_names(const Work& w) {
  std::vector<std::string> out;
  for (const droom& r : w.rooms) out.push_back(r.filename);
  return out;
}

TEST(Storing, StoringTwiceKeepsOneRecordInPlaceWithTheSecondFields) {
  Work w;
  store_room(w, "a", [](droom& r) { r.short_ = "first"; });
  store_room(w, "b");
  add_mixed(w.tmproom.exits, "kelet", "b");
  Stored<droom> again = store_room(w, "a", [](droom& r) { r.short_ = "second"; });
  EXPECT_FALSE(again.created);
  EXPECT_EQ(room_names(w), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(w.rooms.head()->short_, "second");
  EXPECT_EQ(query_mixed(w.rooms.head()->exits, "kelet"), "b");
}

TEST(Storing, StoredListsAreCopiesOfTheWorkingCopy) {
  Work w;
  add_mixed(w.tmproom.contents, "ork", "2");
  const droom* r = store_room(w, "a").record;
  add_mixed(w.tmproom.contents, "ork", "3");
  EXPECT_EQ(query_mixed(r->contents, "ork"), "2");
  EXPECT_EQ(query_mixed(w.tmproom.contents, "ork"), "3") << "the working copy is not changed";

  w.tmpitem.hp = "5";
  add_mixed(w.tmpitem.antis, "jo", "1");
  const ditem* i = store_item(w, "kard").record;
  EXPECT_EQ(i->hp, "5");
  EXPECT_EQ(query_mixed(i->antis, "jo"), "1");

  add_mixed(w.tmpmons.speech, "Hello", "0");
  EXPECT_EQ(query_mixed(store_mons(w, "ork").record->speech, "Hello"), "0");
}

struct ClashCase {
  RecordKind kind;
  const char* existing_in;  // "room", "monster", "item"
  bool clash;
};

class ClashTest : public testing::TestWithParam<ClashCase> {};

TEST_P(ClashTest, OnlyTheOtherTwoListsClash) {
  Work w;
  std::string in = GetParam().existing_in;
  if (in == "room") setup_room(w, "x");
  if (in == "monster") setup_mons(w, "x");
  if (in == "item") setup_item(w, "x");
  EXPECT_EQ(filename_clash(w, GetParam().kind, "x"), GetParam().clash);
  auto refusal = common_store_refusal(w, GetParam().kind, "x");
  EXPECT_EQ(refusal.has_value(), GetParam().clash);
  if (refusal) {
    EXPECT_EQ(*refusal, "Már van ilyen fájlnév!");
  }
}

INSTANTIATE_TEST_SUITE_P(AllPairs, ClashTest,
                         testing::Values(ClashCase{RecordKind::room, "room", false},
                                         ClashCase{RecordKind::room, "monster", true},
                                         ClashCase{RecordKind::room, "item", true},
                                         ClashCase{RecordKind::monster, "room", true},
                                         ClashCase{RecordKind::monster, "monster", false},
                                         ClashCase{RecordKind::monster, "item", true},
                                         ClashCase{RecordKind::item, "room", true},
                                         ClashCase{RecordKind::item, "monster", true},
                                         ClashCase{RecordKind::item, "item", false}));

TEST(Storing, EmptyNameIsRefusedAfterTheClashCheck) {
  Work w;
  EXPECT_EQ(common_store_refusal(w, RecordKind::room, ""), "Nincs fájlnév megadva!");
  setup_item(w, "");
  EXPECT_EQ(common_store_refusal(w, RecordKind::room, ""), "Már van ilyen fájlnév!");
}

TEST(Storing, OnlyTheFirstRoomOfAnEmptyListBecomesCurrent) {
  Work w;
  const droom* a = store_room(w, "a").record;
  EXPECT_EQ(w.current_room, a);
  store_room(w, "b");
  EXPECT_EQ(w.current_room, a);
}

TEST(Deleting, TheCurrentRoomMovesToTheNewHead) {
  Work w;
  const droom* a = store_room(w, "a").record;
  const droom* b = store_room(w, "b").record;
  store_room(w, "c");
  w.current_room = b;
  EXPECT_TRUE(delete_room(w, "a"));
  EXPECT_EQ(w.current_room, b) << "another room's deletion leaves the current room";
  EXPECT_TRUE(delete_room(w, "b"));
  EXPECT_EQ(w.current_room, w.rooms.head());
  EXPECT_EQ(w.current_room->filename, "c");
  EXPECT_TRUE(delete_room(w, "c"));
  EXPECT_EQ(w.current_room, nullptr);
  EXPECT_FALSE(delete_room(w, "c"));
  (void)a;
}

TEST(Deleting, ACreatureLeavesEveryRoomsContentsButNotGuards) {
  Work w;
  setup_mons(w, "ork");
  droom* r1 = setup_room(w, "r1");
  droom* r2 = setup_room(w, "r2");
  add_mixed(r1->contents, "ork", "3");
  add_mixed(r1->contents, "kard", "1");
  add_mixed(r2->contents, "ork", "1");
  add_mixed(r2->guard, "guardname", "ork");
  add_mixed(w.tmproom.contents, "ork", "1");
  EXPECT_TRUE(delete_mons(w, "ork"));
  EXPECT_EQ(query_mixed(r1->contents, "ork"), "");
  EXPECT_EQ(query_mixed(r1->contents, "kard"), "1");
  EXPECT_TRUE(r2->contents.empty());
  EXPECT_EQ(query_mixed(r2->guard, "guardname"), "ork");
  EXPECT_EQ(query_mixed(w.tmproom.contents, "ork"), "1");
  EXPECT_TRUE(w.monsters.empty());
}

TEST(Deleting, AnItemLeavesEquipmentButNotRoomContents) {
  Work w;
  setup_item(w, "kard");
  dmons* m = setup_mons(w, "ork");
  droom* r = setup_room(w, "r");
  add_mixed(m->equipment, "kard", "2");
  add_mixed(r->contents, "kard", "1");
  EXPECT_TRUE(delete_item(w, "kard"));
  EXPECT_TRUE(m->equipment.empty());
  EXPECT_EQ(query_mixed(r->contents, "kard"), "1");
}

TEST(Deleting, ANameThatIsNoSuchRecordLeavesTheReferencesAlone) {
  Work w;
  setup_item(w, "kard");
  droom* r = setup_room(w, "r");
  dmons* m = setup_mons(w, "ork");
  add_mixed(r->contents, "kard", "1");
  add_mixed(m->equipment, "ork", "1");
  EXPECT_FALSE(delete_mons(w, "kard"));
  EXPECT_EQ(query_mixed(r->contents, "kard"), "1");
  EXPECT_FALSE(delete_item(w, "ork"));
  EXPECT_EQ(query_mixed(m->equipment, "ork"), "1");
}

TEST(Deleting, WithTwoRoomsOfOneNameTheLaterIsFoundAndDeleted) {
  Work w;
  droom* first = setup_room(w, "a");
  droom* second = setup_room(w, "a");
  EXPECT_EQ(room_exists(w, "a"), second);
  delete_room(w, "a");
  EXPECT_EQ(room_exists(w, "a"), first);
}

TEST(WorkReset, EmptiesEverything) {
  Work w;
  setup_data(w).project = "p";
  setup_data(w).name = "n";
  setup_data(w).mail = "m";
  setup_data(w).desc = "d";
  store_room(w, "a");
  setup_mons(w, "m");
  setup_item(w, "i");
  add_mixed(w.tmproom.exits, "le", "a");
  w.tmpitem.kari = "1";
  reset_work(w);
  EXPECT_TRUE(w.project.empty() && w.name.empty() && w.mail.empty() && w.desc.empty());
  EXPECT_TRUE(w.rooms.empty() && w.monsters.empty() && w.items.empty());
  EXPECT_EQ(w.current_room, nullptr);
  EXPECT_EQ(w.tmproom, droom{});
  EXPECT_EQ(w.tmpitem, ditem{});
}

TEST(WorkCopy, TheCopyStandsInItsOwnCurrentRoom) {
  Work w;
  store_room(w, "a");
  store_room(w, "b");
  w.current_room = room_exists(w, "b");
  Work c = w;
  EXPECT_EQ(c.current_room, room_exists(c, "b"));
  EXPECT_NE(c.current_room, w.current_room);
}

TEST(WorkingCopies, ClearEmptiesOnlyTheirListsAndBonuses) {
  Work w;
  add_mixed(w.tmpmons.emote, "x", "0");
  w.tmpmons.name = "kept";
  tmpmonsclear(w);
  EXPECT_TRUE(w.tmpmons.emote.empty());
  EXPECT_EQ(w.tmpmons.name, "kept");
  w.tmpitem.sb = "2";
  add_mixed(w.tmpitem.ids, "kard", "kard");
  tmpitemclear(w);
  EXPECT_EQ(w.tmpitem, ditem{});
  add_mixed(w.tmproom.guard, "guardname", "x");
  tmproomclear(w);
  EXPECT_EQ(w.tmproom, droom{});
}

}  // namespace
}  // namespace tamo
