#include "map/fingerprint.h"

#include <functional>

#include "map_fixture.h"
#include "work_setup.h"

namespace tamo::map::testing {
namespace {

TEST_F(MapTest, FingerprintMovesWithWhatTheMapShowsAndOnlyThat) {
  struct Case {
    const char* what;
    std::function<void(droom&)> change;
    bool shows;
  };
  const Case cases[] = {
      {"exit", [](droom& r) { add_mixed(r.exits, "del", "b"); }, true},
      {"exit target", [](droom& r) { add_mixed(r.exits, "kelet", "c"); }, true},
      {"door", [](droom& r) { add_mixed(r.doors, "kelet", "ajto"); }, true},
      {"key", [](droom& r) { add_mixed(r.keys, "kelet", "kulcs"); }, true},
      {"guard", [](droom& r) { add_mixed(r.guard, "kelet", "guarddir"); }, true},
      {"short", [](droom& r) { r.short_ = "Más"; }, true},
      {"long", [](droom& r) { r.long_ = "Hosszú"; }, false},
      {"properties", [](droom& r) { add_mixed(r.properties, "light", "3"); }, false},
  };
  room("a", {{"kelet", "b"}});
  room("b", {{"nyugat", "a"}});
  const std::uint64_t before = map_fingerprint(work);
  for (const Case& c : cases) {
    Work changed = work;
    c.change(setup_data(changed).rooms[0]);
    EXPECT_EQ(map_fingerprint(changed) != before, c.shows) << c.what;
  }
  Work renamed = work;
  setup_data(renamed).rooms.rename(setup_data(renamed).rooms[1], "c");
  EXPECT_NE(map_fingerprint(renamed), before);
  Work fewer = work;
  setup_data(fewer).rooms.erase(&setup_data(fewer).rooms[1]);
  EXPECT_NE(map_fingerprint(fewer), before);
}

}  // namespace
}  // namespace tamo::map::testing
