#include "cli/map_command.h"

#include <gtest/gtest.h>

namespace tamo::cli {
namespace {

TEST(MapOptions, FileOutAndStartInAnyOrderAndEitherSpelling) {
  auto m =
      std::get<MapCommand>(parse_command_line({"map", "--out", "t.svg", "w.tamo", "--start=kapu"}));
  EXPECT_EQ(m.file, "w.tamo");
  EXPECT_EQ(m.out, "t.svg");
  EXPECT_EQ(m.start_room, "kapu");
  auto bare = std::get<MapCommand>(parse_command_line({"map", "w.tamo"}));
  EXPECT_FALSE(bare.out.has_value());
  EXPECT_FALSE(bare.start_room.has_value());
}

TEST(MapOptions, MistakesAreOneLineEach) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"map"}, "tamo-cli map: nincs megadva fájl"},
      {{"map", "a.tamo", "b.tamo"}, "tamo-cli map: csak egy fájl adható meg"},
      {{"map", "a.tamo", "--out"}, "tamo-cli: a(z) --out kapcsolóhoz érték kell"},
      {{"map", "a.tamo", "--szines"}, "tamo-cli: ismeretlen kapcsoló: --szines"},
  };
  for (const Case& c : cases) {
    Command command = parse_command_line(c.args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(command)) << c.message;
    EXPECT_EQ(std::get<UsageError>(command).message, c.message);
  }
}

}  // namespace
}  // namespace tamo::cli
