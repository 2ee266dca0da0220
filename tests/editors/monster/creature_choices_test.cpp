#include "editors/monster/creature_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace tamo::editors {
namespace {

TEST(CreatureChoices, RacesAreTheFixedListWithItsQuirks) {
  const auto& races = creature_races();
  EXPECT_EQ(races.size(), 169u);
  EXPECT_EQ(std::count(races.begin(), races.end(), "vakond"), 2);
  for (const char* r : {"tanar'ri", "mocsari demon", "szurke torpe", "alakvalto", "zsiraf"})
    EXPECT_EQ(std::count(races.begin(), races.end(), r), 1) << r;
}

TEST(CreatureChoices, GendersAndClassesInTheirOrder) {
  EXPECT_EQ(creature_genders(), (std::vector<std::string>{"ferfi", "no", "veletlenszeru"}));
  const auto& classes = creature_classes();
  ASSERT_EQ(classes.size(), 25u);
  EXPECT_EQ(classes.front(), "nincs");
  EXPECT_EQ(classes[1], "harcos");
  EXPECT_EQ(classes.back(), "nekromanta");
  EXPECT_EQ(std::set<std::string>(classes.begin(), classes.end()).size(), 25u);
}

// The membership table, written the other way round from the three lists: which of the lists
// (bit 0, 1, 2 for list 1, 2, 3) hold a class.
std::map<std::string, int> membership() {
  std::map<std::string, int> m;
  for (const char* c :
       {"", "nincs", "harcos", "kardmuvesz", "bard", "tolvaj", "pap", "mentalista", "elementalista",
        "tuzmagus", "vizmagus", "levegomagus", "foldmagus", "magus"})
    m[c] = 0b111;
  for (const char* c : {"lovag", "paladin"}) m[c] = 0b001;
  for (const char* c : {"erdojaro", "szerzetes"}) m[c] = 0b011;
  m["druida"] = 0b010;
  for (const char* c : {"barbar", "arnyjaro", "fejvadasz", "saman", "illuzionista"}) m[c] = 0b110;
  for (const char* c : {"nekromanta", "utonallo"}) m[c] = 0b100;
  return m;
}

TEST(ClassesFit, EveryTripleAgreesWithTheMembershipTable) {
  auto m = membership();
  ASSERT_EQ(m.size(), 26u) << "the 25 classes and the empty text";
  for (const auto& [a, in_a] : m)
    for (const auto& [b, in_b] : m)
      for (const auto& [c, in_c] : m)
        ASSERT_EQ(classes_fit(a, b, c), (in_a & in_b & in_c) != 0) << a << "/" << b << "/" << c;
}

TEST(ClassesFit, NamedCombinations) {
  const std::tuple<const char*, const char*, const char*, bool> cases[] = {
      {"paladin", "barbar", "", false},
      {"paladin", "lovag", "", true},
      {"paladin", "nincs", "", true},
      {"nekromanta", "druida", "", false},
      {"barbar", "", "paladin", false},
      {"druida", "saman", "illuzionista", true},
      {"utonallo", "barbar", "fejvadasz", true},
      {"lovag", "erdojaro", "szerzetes", true},
      {"Harcos", "", "", false},  // exact text only
      {"harcos ", "", "", false},
  };
  for (const auto& [a, b, c, fits] : cases)
    EXPECT_EQ(classes_fit(a, b, c), fits) << a << "/" << b << "/" << c;
}

TEST(ClassesFit, OneClassWithTwoUnchosenBoxesAlwaysFits) {
  for (const std::string& c : creature_classes()) {
    EXPECT_TRUE(classes_fit(c, "", "")) << c;
    EXPECT_TRUE(classes_fit("", "", c)) << c;
  }
}

}  // namespace
}  // namespace tamo::editors
