#include "map/layout.h"

#include "map_fixture.h"
#include "work_setup.h"

namespace tamo::map::testing {
namespace {

using Layout = MapTest;

TEST_F(Layout, LineRunsEastFromTheFirstRoom) {
  room("a", {{"kelet", "b"}});
  room("b", {{"nyugat", "a"}, {"kelet", "c"}});
  room("c", {{"nyugat", "b"}});
  EXPECT_EQ(picture(), "a: 0,0,0\nb: 1,0,0\nc: 2,0,0\n");
}

TEST_F(Layout, SquareClosesWithoutProblems) {
  room("a", {{"kelet", "b"}, {"del", "d"}});
  room("b", {{"nyugat", "a"}, {"del", "c"}});
  room("c", {{"eszak", "b"}, {"nyugat", "d"}});
  room("d", {{"kelet", "c"}, {"eszak", "a"}});
  EXPECT_EQ(picture(), "a: 0,1,0\nb: 1,1,0\nc: 1,0,0\nd: 0,0,0\n");
}

TEST_F(Layout, DiagonalsPlaceOnTheDiagonal) {
  room("k",
       {{"eszakkelet", "ek"}, {"delnyugat", "dny"}, {"eszaknyugat", "eny"}, {"delkelet", "dk"}});
  room("ek", {{"delnyugat", "k"}});
  room("dny", {{"eszakkelet", "k"}});
  room("eny", {{"delkelet", "k"}});
  room("dk", {{"eszaknyugat", "k"}});
  EXPECT_EQ(picture(), "k: 1,1,0\nek: 2,2,0\ndny: 0,0,0\neny: 0,2,0\ndk: 2,0,0\n");
}

TEST_F(Layout, LoopThatDoesNotCloseIsToldOnceWithItsOffset) {
  // Five rooms round a loop that wants six cells: e, north of a, pulls d one cell short of c.
  room("a", {{"kelet", "b"}, {"eszak", "e"}});
  room("b", {{"nyugat", "a"}, {"kelet", "c"}});
  room("c", {{"nyugat", "b"}, {"eszak", "d"}});
  room("d", {{"del", "c"}, {"nyugat", "e"}});
  room("e", {{"kelet", "d"}, {"del", "a"}});
  MapLayout layout = layout_map(work);
  EXPECT_EQ(layout_text(layout),
            "a: 0,0,0\nb: 1,0,0\nc: 2,0,0\nd: 1,1,0\ne: 0,1,0\n"
            "szoba c: a(z) eszak kijárat nem illik a térképbe: d máshol áll (eltérés -1,0,0)\n");
  EXPECT_EQ(layout.exits[5].kind, ExitKind::distorted);  // c eszak d
  EXPECT_EQ(layout.exits[6].kind, ExitKind::distorted);  // d del c, its partner
  EXPECT_EQ(layout.exits[7].kind, ExitKind::perfect);    // d nyugat e
}

TEST_F(Layout, TowerStacksLevelsOverTheFirstRoom) {
  room("pince", {{"fel", "fold"}});
  room("fold", {{"le", "pince"}, {"fel", "torony"}, {"kelet", "kert"}});
  room("torony", {{"le", "fold"}});
  room("kert", {{"nyugat", "fold"}});
  // The level of the first room is 0; the rest of a level is laid before climbing.
  EXPECT_EQ(picture(), "pince: 0,0,0\nfold: 0,0,1\ntorony: 0,0,2\nkert: 1,0,1\n");
}

TEST_F(Layout, ContradictingPairIsAsymmetricAndOutOfPlace) {
  room("a", {{"kelet", "b"}});
  room("b", {{"eszak", "a"}});
  EXPECT_EQ(picture(),
            "a: 0,0,0\nb: 1,0,0\n"
            "szoba a: a(z) kelet kijárat visszafelé nem nyugat irányban vezet: b\n"
            "szoba b: a(z) eszak kijárat visszafelé nem del irányban vezet: a\n"
            "szoba b: a(z) eszak kijárat nem illik a térképbe: a máshol áll (eltérés -1,-1,0)\n");
}

// e wants d's cell and goes one further north; the longer line would cross d, so it is no
// honest stretch.
TEST_F(Layout, TwoRoomsWantingOneCellNeverOverlap) {
  room("a", {{"eszak", "b"}, {"kelet", "c"}});
  room("b", {{"del", "a"}, {"kelet", "d"}});
  room("c", {{"nyugat", "a"}, {"eszak", "e"}});
  room("d", {{"nyugat", "b"}});
  room("e", {{"del", "c"}});
  MapLayout layout = layout_map(work);
  EXPECT_EQ(layout_text(layout),
            "a: 0,0,0\nb: 0,1,0\nc: 1,0,0\nd: 1,1,0\ne: 1,2,0\n"
            "szoba c: a(z) eszak kijárat nem illik a térképbe: e máshol áll (eltérés 0,1,0)\n");
  EXPECT_EQ(layout.occupancy.size(), layout.rooms.size());
  EXPECT_EQ(layout.room_at({1, 2, 0}), 4u);
  EXPECT_EQ(layout.room_at({2, 2, 0}), kNoRoom);
}

TEST_F(Layout, DanglingExitIsListedAndPlacesNothing) {
  room("a", {{"kelet", "sehol"}, {"del", "b"}});
  room("b", {{"eszak", "a"}});
  MapLayout layout = layout_map(work);
  EXPECT_EQ(layout_text(layout),
            "a: 0,1,0\nb: 0,0,0\n"
            "szoba a: a(z) kelet kijárat nem létező szobába vezet: sehol\n");
  EXPECT_EQ(layout.exits[0].kind, ExitKind::dangling);
  EXPECT_EQ(layout.exits[0].to, kNoRoom);
}

TEST_F(Layout, IslandsLieSideBySideLargestFirstAndSingleRoomsLast) {
  room("magany");
  room("c", {{"eszak", "d"}});
  room("d", {{"del", "c"}});
  room("a", {{"kelet", "b"}, {"nyugat", "x"}});
  room("b", {{"nyugat", "a"}});
  room("x", {{"kelet", "a"}});
  MapLayout layout = layout_map(work);
  EXPECT_EQ(layout_text(layout),
            "magany: 0,0,0\nc: 4,2,0\nd: 4,3,0\na: 1,3,0\nb: 2,3,0\nx: 0,3,0\n");
  EXPECT_EQ(layout.components, 3);
  EXPECT_EQ(layout.rooms[0].component, 0);
  EXPECT_EQ(layout.rooms[1].component, 1);
  EXPECT_EQ(layout.rooms[3].component, 2);
}

// Exits that give no direction: each is listed and the rooms they join stay apart.
TEST_F(Layout, ExitsWithoutDirectionAreListed) {
  struct Case {
    Exits exits;
    ExitKind kind;
    std::string problem;
  };
  const Case cases[] = {
      {{{"ki", "b"}},
       ExitKind::free,
       "szoba a: a(z) ki kijárat neve nem irány, felirattal jelölve: b"},
      {{{"kelet", "a"}}, ExitKind::self_loop, "szoba a: a(z) kelet kijárat önmagába vezet"},
      {{{"ki", "nincs"}},
       ExitKind::dangling,
       "szoba a: a(z) ki kijárat nem létező szobába vezet: nincs"},
  };
  for (const Case& c : cases) {
    Work w;
    droom& a = *setup_room(w, "a");
    for (const auto& [exit, target] : c.exits) add_mixed(a.exits, exit, target);
    setup_room(w, "b");
    MapLayout layout = layout_map(w);
    ASSERT_EQ(layout.exits.size(), 1u);
    EXPECT_EQ(layout.exits[0].kind, c.kind) << c.problem;
    ASSERT_EQ(layout.problems.size(), 1u) << c.problem;
    EXPECT_EQ(problem_text(layout, layout.problems[0]), c.problem);
    EXPECT_EQ(layout.components, 2) << c.problem;
  }
}

TEST_F(Layout, OneWayExitPlacesItsTargetAndIsListed) {
  room("a", {{"kelet", "b"}});
  room("b");
  EXPECT_EQ(picture(),
            "a: 0,0,0\nb: 1,0,0\nszoba a: a(z) kelet kijárat egyirányú, nem vezet vissza: b\n");
}

TEST_F(Layout, RoomsNothingLeadsToAreMarked) {
  room("kapu", {{"kelet", "udvar"}});
  room("udvar", {{"nyugat", "kapu"}, {"ki", "kert"}});
  room("kert", {{"kelet", "kert"}});
  room("titok", {{"nyugat", "udvar"}});
  MapLayout layout = layout_map(work);
  std::vector<bool> unreached;
  for (const MapRoom& r : layout.rooms) unreached.push_back(r.unreached);
  // kert is reached by a free exit; its self-loop does not count.
  EXPECT_EQ(unreached, (std::vector<bool>{false, false, false, true}));
}

TEST_F(Layout, DoorsKeysAndGuardsTravelWithTheirExit) {
  droom& a = room("a", {{"kelet", "b"}, {"del", "c"}});
  room("b", {{"nyugat", "a"}});
  room("c", {{"eszak", "a"}});
  add_mixed(a.doors, "kelet", "vaskapu");
  add_mixed(a.keys, "kelet", "kulcs");
  add_mixed(a.guard, "guardname", "or");
  add_mixed(a.guard, "del", "guarddir");
  MapLayout layout = layout_map(work);
  EXPECT_EQ(layout.exits[0].door, "vaskapu");
  EXPECT_TRUE(layout.exits[0].key);
  EXPECT_FALSE(layout.exits[0].guarded);
  EXPECT_TRUE(layout.exits[1].guarded);
  EXPECT_TRUE(layout.exits[1].door.empty());
}

TEST_F(Layout, RepeatedFileNameLeadsToTheLastRoomOfThatName) {
  room("a", {{"kelet", "b"}});
  room("b", {{"nyugat", "a"}});
  room("b", {{"nyugat", "a"}});
  MapLayout layout = layout_map(work);
  EXPECT_EQ(layout.exits[0].to, 2u);
  EXPECT_TRUE(layout.rooms[1].unreached);
  EXPECT_EQ(layout.occupancy.size(), 3u);
}

TEST_F(Layout, EmptyWorkHasAnEmptyMap) {
  MapLayout layout = layout_map(work);
  EXPECT_TRUE(layout.rooms.empty());
  EXPECT_EQ(layout_text(layout), "");
}

}  // namespace
}  // namespace tamo::map::testing
