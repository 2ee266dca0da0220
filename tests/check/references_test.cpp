#include "check/references.h"

#include <functional>

#include "work_files.h"
#include "work_setup.h"

namespace tamo::check {
namespace {

using tamo::testing::clean_work;

using Strings = std::vector<std::string>;

TEST(References, ACleanWorkHasNone) {
  EXPECT_EQ(reference_warnings(clean_work()), Strings{});
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
  EXPECT_EQ(reference_warnings(w), GetParam().warnings);
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
};

INSTANTIATE_TEST_SUITE_P(Faults, ReferenceFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tamo::check
