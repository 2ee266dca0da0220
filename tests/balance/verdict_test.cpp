#include "balance/verdict.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "balance/working_values.h"
#include "model/numbers.h"

namespace tamo::balance {
namespace {

using Bonuses = std::initializer_list<std::pair<Bonus, const char*>>;

struct Item {
  ItemValues values;

  Item& level(const char* l) { return values.minlevel = l, *this; }
  Item& rarity(const char* r) { return values.rarity = r, *this; }
  Item& bonus(Bonuses bonuses) {
    for (const auto& [b, text] : bonuses) values.bonuses[static_cast<std::size_t>(b)] = text;
    return *this;
  }
  Item& anti(std::initializer_list<const char*> alignments) {
    for (const char* a : alignments) add_mixed(values.antis, a, "1");
    return *this;
  }
  Item& two_handed() { return values.two_handed = 1, *this; }
  Item& strength(const char* s) { return values.strength = s, *this; }
};

Item armour(const char* type, const char* level, const char* weight, const char* value) {
  Item item;
  item.values.is_weapon = 0;
  item.values.itemtype = type;
  item.values.minlevel = level;
  item.values.weight = weight;
  item.values.value = value;
  return item;
}

Item weapon(const char* type, const char* level, const char* weight, const char* value,
            const char* wc1, const char* wc2) {
  Item item = armour(type, level, weight, value);
  item.values.is_weapon = 1;
  item.values.wc1 = wc1;
  item.values.wc2 = wc2;
  return item;
}

Item other(int kind, const char* weight, const char* value) {
  Item item = armour("", "", weight, value);
  item.values.is_weapon = kind;
  return item;
}

constexpr const char* kOk = "ok";
constexpr const char* kSum = "A tárgy bónuszainak összege túlsagosan nagy.";
constexpr const char* kArmour = "A tárgy túl sok pancélzatot ad.";
constexpr const char* kValuable = "A tárgy túl értékes.";
constexpr const char* kLight = "A tárgy túl könnyű.";
constexpr const char* kHms = "A tárgy túl sok hp-, mp- es spbónuszt ad.";
constexpr const char* kAverage = " A tárgy átlagsebzése túl magas.";
constexpr const char* kGap = "A tárgy találat- es sebzésbonusza közötti különbség túl nagy.";
constexpr const char* kBow = "Az íj kötelezoen kétkezes fegyver.";
constexpr const char* kBowSecond = "Az íjak sebzésének második érteke kötelezően 0, 4 vagy 8.";

struct Case {
  const char* name;
  Item item;
  const char* verdict;
};

class Verdict : public ::testing::TestWithParam<Case> {};

TEST_P(Verdict, IsTheSentenceOfTheLastFailingCheck) {
  set_db();
  EXPECT_EQ(balance(GetParam().item.values), GetParam().verdict);
}

const Case kCases[] = {
    // Armour.
    {"ring_ok", armour("gyuru", "0", "5", "500").bonus({{Bonus::ac, "1"}}), kOk},
    {"ring_weighted_sum", armour("gyuru", "0", "5", "500").bonus({{Bonus::ac, "2"}}), kSum},
    {"ring_light", armour("gyuru", "0", "4", "500").bonus({{Bonus::ac, "1"}}), kLight},
    {"armour_cap_ok", armour("pancel", "10", "100", "2000").bonus({{Bonus::ac, "9"}}), kOk},
    {"armour_cap", armour("pancel", "10", "100", "2000").bonus({{Bonus::ac, "10"}}), kArmour},
    {"armour_cap_loosened_by_rarity",
     armour("pancel", "10", "100", "2000").bonus({{Bonus::ac, "10"}}).rarity("10"), kOk},
    {"rarity_limited_by_level", armour("pancel", "0", "100", "221").rarity("100"), kOk},
    {"rarity_limited_value_over", armour("pancel", "0", "100", "222").rarity("100"), kValuable},
    {"negative_attribute", armour("gyuru", "0", "5", "500").bonus({{Bonus::ero, "-2"}}),
     "A tárgy túl sok erőt ad."},
    {"band_0_4_armour", armour("pancel", "4", "100", "200").bonus({{Bonus::ac, "6"}}), kArmour},
    {"band_0_4_value", armour("pancel", "4", "100", "201").bonus({{Bonus::ac, "5"}}), kValuable},
    {"band_5_9", armour("pancel", "5", "100", "1000").bonus({{Bonus::ac, "7"}}), kOk},
    {"band_55_light", armour("gyuru", "55", "4", "5500"), kLight},
    {"no_band_above_55", armour("gyuru", "56", "1", "99999"), kOk},
    {"non_monotone_ring_value_25", armour("gyuru", "25", "5", "2001"), kValuable},
    {"non_monotone_ring_value_24", armour("gyuru", "24", "5", "2500"), kOk},
    {"single_alignment_loosens_sum",
     armour("pancel", "0", "100", "200")
         .bonus({{Bonus::ac, "5"}, {Bonus::hp, "10"}})
         .anti({"semleges", "jo"}),
     kOk},
    {"single_alignment_evil_side",
     armour("pancel", "0", "100", "200")
         .bonus({{Bonus::ac, "5"}, {Bonus::hp, "10"}})
         .anti({"semleges", "gonosz"}),
     kOk},
    {"good_and_evil_forbidden_does_not_loosen",
     armour("pancel", "0", "100", "200")
         .bonus({{Bonus::ac, "5"}, {Bonus::hp, "10"}})
         .anti({"jo", "gonosz"}),
     kSum},
    {"no_type_skips_tables", armour("", "0", "0", "99999").bonus({{Bonus::ac, "50"}}), kOk},
    {"lone_minus_bonus_reads_as_zero", armour("gyuru", "0", "5", "500").bonus({{Bonus::ac, "-"}}),
     kOk},
    {"refused_bonus_reads_as_zero", armour("gyuru", "0", "5", "500").bonus({{Bonus::ac, "2-"}}),
     kOk},

    // Weapons.
    {"mace_ok", weapon("zuzo", "20", "100", "2000", "3", "8"), kOk},
    {"mace_average", weapon("zuzo", "20", "100", "2000", "4", "8"), kAverage},
    {"mace_two_handed_weight_halved", weapon("zuzo", "20", "100", "2000", "4", "8").two_handed(),
     kLight},
    {"two_handed_two_thirds_exact", weapon("zuzo", "20", "200", "2000", "6", "8").two_handed(),
     kAverage},
    {"two_handed_odd_weight", weapon("zuzo", "20", "199", "2000", "3", "8").two_handed(), kLight},
    {"two_handed_hms_halved",
     weapon("zuzo", "20", "200", "2000", "3", "8")
         .two_handed()
         .bonus({{Bonus::hp, "21"}, {Bonus::mp, "20"}}),
     kOk},
    {"two_handed_hms_over",
     weapon("zuzo", "20", "200", "2000", "3", "8")
         .two_handed()
         .bonus({{Bonus::hp, "21"}, {Bonus::mp, "21"}}),
     kHms},
    {"two_handed_armour_halved",
     weapon("zuzo", "20", "200", "2000", "3", "8").two_handed().bonus({{Bonus::ac, "7"}}), kOk},
    {"one_handed_armour_not_halved",
     weapon("zuzo", "20", "100", "2000", "3", "8").bonus({{Bonus::ac, "7"}}), kArmour},
    {"band_54_average", weapon("zuzo", "54", "100", "5000", "8", "8"), kAverage},
    {"band_54_average_ok", weapon("zuzo", "54", "100", "5000", "7", "9"), kOk},
    {"band_55_average_ok", weapon("zuzo", "55", "100", "5000", "8", "8"), kOk},
    {"mace_hit_above_damage",
     weapon("zuzo", "20", "100", "2000", "3", "8").bonus({{Bonus::tb, "1"}, {Bonus::sb, "1"}}),
     "A zúzó típusú fegyver találatbónusza a sebzésbónuszhoz viszonyítva túl magas."},
    {"mace_damage_above_hit",
     weapon("zuzo", "20", "100", "2000", "3", "8").bonus({{Bonus::tb, "0"}, {Bonus::sb, "1"}}),
     kOk},
    {"dagger_ok",
     weapon("szuro", "20", "10", "100", "2", "8").bonus({{Bonus::tb, "1"}, {Bonus::sb, "0"}}), kOk},
    {"dagger_damage_too_high",
     weapon("szuro", "20", "10", "100", "2", "8").bonus({{Bonus::tb, "1"}, {Bonus::sb, "1"}}),
     "A szúró típusú fegyver sebzésbónusza a találatbónuszhoz viszonyítva túl magas."},
    {"sword_gap_ok",
     weapon("vago", "40", "50", "100", "2", "8").bonus({{Bonus::tb, "3"}, {Bonus::sb, "1"}}), kOk},
    {"sword_gap",
     weapon("vago", "40", "50", "100", "2", "8").bonus({{Bonus::tb, "4"}, {Bonus::sb, "1"}}), kGap},
    {"sword_spread", weapon("vago", "10", "50", "100", "1", "9"),
     "A tárgy sebzésének két érteke túlságosan eltérő."},
    {"sword_many_failures_last_wins",
     weapon("vago", "10", "50", "100", "2", "8").bonus({{Bonus::tb, "11"}}),
     "A tárgy túl sok találatbónuszt ad."},
    {"tb_sb_far_apart",
     weapon("vago", "56", "50", "100", "2", "8").bonus({{Bonus::tb, "11"}, {Bonus::sb, "0"}}),
     kGap},
    {"bow_one_handed", weapon("ij", "20", "100", "2000", "3", "8"), kBow},
    {"bow_two_handed", weapon("ij", "20", "100", "2000", "3", "8").two_handed(), kOk},
    {"bow_second_value", weapon("ij", "20", "100", "2000", "3", "6").two_handed(), kBowSecond},
    {"bow_spread_allowed", weapon("ij", "20", "100", "2000", "9", "0").two_handed(), kOk},
    {"bow_gap_at_level_20",
     weapon("ij", "20", "100", "2000", "3", "4").two_handed().bonus({{Bonus::tb, "2"}}), kGap},
    {"bow_gap_at_level_40",
     weapon("ij", "40", "100", "2000", "3", "4").two_handed().bonus({{Bonus::tb, "2"}}), kOk},
    {"bow_one_handed_beats_gap",
     weapon("ij", "20", "100", "2000", "3", "4").bonus({{Bonus::tb, "2"}}), kBow},
    {"no_band_above_55_weapon", weapon("vago", "56", "1", "9000", "9", "9"), kOk},

    // Other kinds.
    {"food_strong", other(2, "1", "10").strength("11"), "A tárgy túl erős."},
    {"food_strong_and_light", other(2, "0", "10").strength("11"), kLight},
    {"food_strength_10", other(2, "1", "3000").strength("10"), kOk},
    {"key_valuable", other(4, "1", "3001"), kValuable},
};

INSTANTIATE_TEST_SUITE_P(Items, Verdict, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Verdict, NumberTextThatIsNotANumberThrows) {
  for (auto broken : {&ItemValues::minlevel, &ItemValues::rarity, &ItemValues::weight,
                      &ItemValues::value, &ItemValues::wc1, &ItemValues::wc2}) {
    Item item = weapon("zuzo", "20", "100", "2000", "3", "8");
    item.values.*broken = "12a";
    EXPECT_THROW(balance(item.values), ConversionError);
  }
  EXPECT_THROW(balance(other(2, "1", "1").strength("x").values), ConversionError);
  EXPECT_THROW(balance(armour("gyuru", "0", "5", "5").bonus({{Bonus::hp, "99999999999"}}).values),
               ConversionError);
}

std::string broken_text(const ItemValues& values) {
  try {
    balance(values);
  } catch (const ConversionError& e) {
    return e.text();
  }
  return "";
}

TEST(Verdict, NamesTheFirstBrokenTextInReadingOrder) {
  Item item = armour("gyuru", "1x", "2x", "3");
  item.bonus({{Bonus::hp, "99999999991"}, {Bonus::ero, "99999999992"}}).rarity("4x");
  EXPECT_EQ(broken_text(item.values), "1x");
  item.level("1");
  EXPECT_EQ(broken_text(item.values), "99999999992");
  item.bonus({{Bonus::ero, ""}});
  EXPECT_EQ(broken_text(item.values), "99999999991");
  item.bonus({{Bonus::hp, ""}});
  EXPECT_EQ(broken_text(item.values), "4x");
  item.rarity("");
  EXPECT_EQ(broken_text(item.values), "2x");
}

TEST(Verdict, AbsurdNumbersGiveAVerdict) {
  const char* huge = "2147483647";
  Item item = weapon("zuzo", huge, huge, huge, huge, huge);
  item.bonus({{Bonus::hp, huge}, {Bonus::ac, "-2147483648"}}).rarity(huge);
  EXPECT_FALSE(balance(item.values).empty());
  item.values.is_weapon = 0;
  EXPECT_FALSE(balance(item.values).empty());
}

struct RarityCase {
  const char* level;
  const char* rarity;
  std::initializer_list<const char*> anti;
  std::int64_t R;
  double K;
  std::int64_t weight_in, weight_out, value_in, value_out;
};

TEST(Rarity, FactorAndScaling) {
  const RarityCase cases[] = {
      {"0", "10", {}, 10, 1.0499999999992724, 100, 104, 2000, 1904},
      {"0", "20", {}, 20, 1.1000000000003638, 100, 110, 1100, 999},
      {"0", "100", {}, 20, 1.1000000000003638, 100, 110, 221, 200},
      {"40", "100", {}, 50, 1.25, 100, 125, 1250, 1000},
      {"0", "0", {}, 0, 1, 100, 100, 1000, 1000},
      {"0",
       "0",
       {"semleges", "jo"},
       0,
       static_cast<double>(round_real48(1 / round_real48(0.95L))),
       100,
       100,
       1000,
       1000},
  };
  for (const RarityCase& c : cases) {
    Item item = armour("pancel", c.level, "0", "0").rarity(c.rarity).anti(c.anti);
    WorkingValues w = gather(item.values);
    w.W = c.weight_in;
    w.V = c.value_in;
    apply_rarity(w);
    EXPECT_EQ(w.R, c.R) << c.rarity;
    EXPECT_EQ(static_cast<double>(w.K), c.K) << c.rarity;
    EXPECT_EQ(w.K, round_real48(w.K));
    EXPECT_EQ(w.W, c.weight_out) << c.rarity;
    EXPECT_EQ(w.V, c.value_out) << c.rarity;
  }
}

}  // namespace
}  // namespace tamo::balance
