#include "map/scene.h"

#include <algorithm>

#include "map_fixture.h"

namespace tamo::map::testing {
namespace {

class SceneTest : public MapTest {
 protected:
  Scene scene(std::size_t current = kNoRoom) const {
    return build_scene(layout_map(work), current);
  }
  static std::vector<LinkKind> kinds(const Scene& s) {
    std::vector<LinkKind> out;
    for (const SceneLink& l : s.links) out.push_back(l.kind);
    return out;
  }
};

TEST_F(SceneTest, TwoWayPairIsOneLineBetweenFacingEdges) {
  room("a", {{"kelet", "b"}});
  room("b", {{"nyugat", "a"}});
  Scene s = scene();
  ASSERT_EQ(s.boxes.size(), 2u);
  ASSERT_EQ(kinds(s), std::vector<LinkKind>{LinkKind::two_way});
  const Rect& a = s.boxes[0].rect;
  const Rect& b = s.boxes[1].rect;
  EXPECT_DOUBLE_EQ(s.links[0].from.x, a.x + a.w);
  EXPECT_DOUBLE_EQ(s.links[0].to.x, b.x);
  EXPECT_DOUBLE_EQ(s.links[0].from.y, a.y + a.h / 2);
  EXPECT_FALSE(s.links[0].arrow);
  EXPECT_EQ(s.boxes[1].label, "b");
  EXPECT_EQ(s.boxes[1].tooltip, "A b szoba");
}

TEST_F(SceneTest, OneWayIsAnArrowAndAContradictionIsDistorted) {
  room("a", {{"kelet", "b"}});
  room("b", {{"eszak", "a"}});
  Scene s = scene();
  EXPECT_EQ(kinds(s), (std::vector<LinkKind>{LinkKind::one_way, LinkKind::distorted}));
  EXPECT_TRUE(s.links[0].arrow);
  EXPECT_TRUE(s.links[1].arrow);
  EXPECT_TRUE(s.boxes[0].problem);
  EXPECT_TRUE(s.boxes[1].problem);
}

TEST_F(SceneTest, DanglingExitIsAStubInItsDirectionNamingTheMissingRoom) {
  room("a", {{"eszak", "sehol"}, {"kapu", "nincs"}});
  Scene s = scene();
  ASSERT_EQ(kinds(s), (std::vector<LinkKind>{LinkKind::dangling, LinkKind::dangling}));
  const SceneLink& north = s.links[0];
  EXPECT_EQ(north.label, "sehol");
  EXPECT_DOUBLE_EQ(north.from.x, north.to.x);
  EXPECT_DOUBLE_EQ(north.from.y, s.boxes[0].rect.y);
  EXPECT_LT(north.to.y, north.from.y);  // up the page is north
  EXPECT_EQ(s.links[1].label, "nincs");
  EXPECT_TRUE(s.boxes[0].problem);
}

TEST_F(SceneTest, FreeNamesAndSelfLoopsAreLabelledStubs) {
  room("a", {{"ki", "b"}, {"kelet", "a"}});
  room("b");
  Scene s = scene();
  ASSERT_EQ(kinds(s), (std::vector<LinkKind>{LinkKind::free, LinkKind::self_loop}));
  EXPECT_EQ(s.links[0].label, "ki → b");
  EXPECT_EQ(s.links[1].label, "kelet");
}

TEST_F(SceneTest, LevelsAreBandsWithCaptionsAndUpDownMarksInsteadOfLines) {
  room("a", {{"fel", "b"}});
  room("b", {{"le", "a"}});
  Scene s = scene();
  EXPECT_TRUE(s.links.empty());
  EXPECT_TRUE(s.boxes[0].up);
  EXPECT_FALSE(s.boxes[0].down);
  EXPECT_TRUE(s.boxes[1].down);
  ASSERT_EQ(s.captions.size(), 2u);
  EXPECT_EQ(s.captions[0].text, "Szint 1");
  EXPECT_EQ(s.captions[1].text, "Szint 0");
  EXPECT_LT(s.boxes[1].rect.y, s.boxes[0].rect.y);  // the upper level is drawn above
}

TEST_F(SceneTest, DoorKeyAndGuardMarksSitOnTheirOwnSide) {
  droom& a = room("a", {{"kelet", "b"}});
  droom& b = room("b", {{"nyugat", "a"}});
  add_mixed(a.doors, "kelet", "vaskapu");
  add_mixed(a.keys, "kelet", "kulcs");
  add_mixed(b.doors, "nyugat", "vaskapu");
  add_mixed(b.guard, "nyugat", "guarddir");
  Scene s = scene();
  std::vector<MarkKind> marks;
  for (const SceneMark& m : s.marks) marks.push_back(m.kind);
  EXPECT_EQ(marks, (std::vector<MarkKind>{MarkKind::door, MarkKind::key, MarkKind::guard,
                                          MarkKind::door}));
  EXPECT_EQ(s.marks[0].label, "vaskapu");
  double middle = (s.boxes[0].rect.x + s.boxes[1].rect.x + kBoxWidth) / 2;
  EXPECT_LT(s.marks[0].at.x, middle);  // a's door on a's half
  EXPECT_GT(s.marks[2].at.x, middle);  // b's guard on b's half
  EXPECT_GT(s.marks[3].at.x, middle);
}

TEST_F(SceneTest, CurrentAndUnreachedRoomsAreFlagged) {
  room("a", {{"kelet", "b"}});
  room("b");
  Scene s = scene(1);
  EXPECT_TRUE(s.boxes[0].unreached);
  EXPECT_FALSE(s.boxes[1].unreached);
  EXPECT_FALSE(s.boxes[0].current);
  EXPECT_TRUE(s.boxes[1].current);
}

TEST_F(SceneTest, PointFindsTheBoxUnderItOnEveryLevel) {
  room("a", {{"fel", "b"}, {"kelet", "c"}});
  room("b", {{"le", "a"}});
  room("c", {{"nyugat", "a"}});
  Scene s = scene();
  for (const SceneBox& box : s.boxes) {
    Point inside{box.rect.x + 0.1, box.rect.y + box.rect.h - 0.05};
    ASSERT_NE(s.box_at(inside), nullptr) << box.label;
    EXPECT_EQ(s.box_at(inside)->label, box.label);
  }
  const Rect& a = s.boxes[0].rect;
  EXPECT_EQ(s.box_at({a.x + a.w + 0.05, a.y + 0.1}), nullptr);  // between two boxes
  EXPECT_EQ(s.box_at({-3, -3}), nullptr);
  for (const SceneBox& box : s.boxes) {
    EXPECT_TRUE(s.bounds.contains({box.rect.x, box.rect.y})) << box.label;
    EXPECT_TRUE(s.bounds.contains({box.rect.x + box.rect.w, box.rect.y + box.rect.h}));
  }
}

TEST_F(SceneTest, CurrentRoomOfTheWorkIsFoundByPosition) {
  room("a");
  droom& b = room("b");
  EXPECT_EQ(current_room_index(work), kNoRoom);
  work.current_room = &b;
  EXPECT_EQ(current_room_index(work), 1u);
}

}  // namespace
}  // namespace tamo::map::testing
