#include "check/references.h"

#include <functional>

#include "work_files.h"
#include "work_setup.h"

namespace tamo::check {
namespace {

using tamo::testing::clean_work;

using Strings = std::vector<std::string>;

TEST(References, ACleanWorkHasNone) {
  EXPECT_EQ(texts(reference_warnings(clean_work())), Strings{});
}

struct Fault {
  const char* name;
  std::function<void(Work&)> make;
  Strings warnings;
};

class ReferenceFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(ReferenceFaults, EachIsNamedOnce) {
  Work w = clean_work();
  GetParam().make(w);
  EXPECT_EQ(texts(reference_warnings(w)), GetParam().warnings);
}

droom& kapu(Work& w) {
  return *setup_room_named(w, "kapu");
}

const Fault kFaults[] = {
    {"exit_into_nothing",
     [](Work& w) { add_mixed(kapu(w).exits, "del", "pince"); },
     {"szoba kapu: a(z) del kijárat nem létező szobába vezet: pince"}},
    {"deleted_target_room",
     [](Work& w) { setup_data(w).rooms.erase(setup_room_named(w, "udvar")); },
     {"szoba kapu: a(z) kelet kijárat nem létező szobába vezet: udvar"}},
    {"guarded_exit_that_is_no_exit",
     [](Work& w) { add_mixed(kapu(w).guard, "eszak", "guarddir"); },
     {"szoba kapu: az őr nem létező kijáratot őriz: eszak"}},
    {"contents_naming_nothing",
     [](Work& w) { add_mixed(kapu(w).contents, "szellem", "2"); },
     {"szoba kapu: a tartalomban szereplő szellem sem élőlény, sem tárgy"}},
    {"item_in_contents_is_fine", [](Work& w) { add_mixed(kapu(w).contents, "gyuru", "1"); }, {}},
    {"equipment_naming_nothing",
     [](Work& w) { add_mixed(setup_mons_named(w, "ork")->equipment, "pajzs", "1"); },
     {"élőlény ork: a felszerelésben szereplő pajzs nem tárgy"}},
    {"key_that_is_no_key_item",
     [](Work& w) { add_mixed(kapu(w).keys, "kelet", "gyuru"); },
     {"szoba kapu: a(z) kelet kijárat kulcsa nem kulcs: gyuru"}},
    {"key_naming_nothing",
     [](Work& w) { add_mixed(kapu(w).keys, "kelet", "lakat"); },
     {"szoba kapu: a(z) kelet kijárat kulcsa nem kulcs: lakat"}},
    {"guard_not_in_the_room",
     [](Work& w) { clear_mixed(kapu(w).contents); },
     {"szoba kapu: az őr nincs a szobában: ork"}},
    {"guard_that_is_an_item",
     [](Work& w) {
       add_mixed(kapu(w).contents, "gyuru", "1");
       add_mixed(kapu(w).guard, "guardname", "gyuru");
     },
     {"szoba kapu: az őr nincs a szobában: gyuru"}},
    {"name_twice_across_lists",
     [](Work& w) { setup_item(w, "udvar"); },
     {"a(z) udvar fájlnév többször szerepel: szoba, tárgy"}},
    {"name_three_times_in_one_list",
     [](Work& w) {
       setup_mons(w, "ork");
       setup_mons(w, "ork");
     },
     {"a(z) ork fájlnév többször szerepel: élőlény, élőlény, élőlény"}},
    {"names_shared_by_every_pair_of_kinds_in_order_of_first_use",
     [](Work& w) {
       setup_item(w, "ork");
       setup_mons(w, "kulcs");
       setup_room(w, "gyuru");
       setup_mons(w, "udvar");
     },
     {"a(z) udvar fájlnév többször szerepel: szoba, élőlény",
      "a(z) gyuru fájlnév többször szerepel: szoba, tárgy",
      "a(z) ork fájlnév többször szerepel: élőlény, tárgy",
      "a(z) kulcs fájlnév többször szerepel: élőlény, tárgy"}},
};

INSTANTIATE_TEST_SUITE_P(Faults, ReferenceFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tamo::check

namespace tamo::check {
namespace {

// The window opens the record a warning names, in the dialog that holds the fault.
TEST(References, EachPointsAtItsRecordAndTheDialogHoldingTheFault) {
  struct Case {
    const char* name;
    std::function<void(Work&)> make;
    Place place;
  };
  const Case cases[] = {
      {"exit",
       [](Work& w) { add_mixed(kapu(w).exits, "del", "pince"); },
       {"szoba", "kapu", "Form5"}},
      {"key",
       [](Work& w) { add_mixed(kapu(w).keys, "kelet", "gyuru"); },
       {"szoba", "kapu", "Form5"}},
      {"contents",
       [](Work& w) { add_mixed(kapu(w).contents, "szellem", "2"); },
       {"szoba", "kapu", "Form7"}},
      {"guard", [](Work& w) { clear_mixed(kapu(w).contents); }, {"szoba", "kapu", "Form18"}},
      {"equipment",
       [](Work& w) { add_mixed(setup_mons_named(w, "ork")->equipment, "pajzs", "1"); },
       {"élőlény", "ork", "Form15"}},
      {"name_twice", [](Work& w) { setup_item(w, "udvar"); }, {"szoba", "udvar", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Work w = clean_work();
    c.make(w);
    std::vector<Warning> found = reference_warnings(w);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].place, c.place);
  }
}

}  // namespace
}  // namespace tamo::check
