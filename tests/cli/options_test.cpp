#include "cli/options.h"

#include <gtest/gtest.h>

namespace tamo::cli {
namespace {

Command parse(std::vector<std::string> args) {
  return parse_command_line(args);
}

TEST(Options, Check) {
  auto c = std::get<CheckCommand>(parse({"check", "a.tamo", "--json", "b.tamo"}));
  EXPECT_TRUE(c.json);
  EXPECT_EQ(c.files, (std::vector<std::string>{"a.tamo", "b.tamo"}));
  auto dashed = std::get<CheckCommand>(parse({"check", "--", "-odd.tamo"}));
  EXPECT_EQ(dashed.files, (std::vector<std::string>{"-odd.tamo"}));
}

TEST(Options, Play) {
  auto p = std::get<PlayCommand>(parse({"play", "w.tamo", "--start", "kapu", "--color=never"}));
  EXPECT_EQ(p.file, "w.tamo");
  EXPECT_EQ(p.start_room, "kapu");
  EXPECT_EQ(p.color, ColorMode::never);
  EXPECT_EQ(std::get<PlayCommand>(parse({"play", "w.tamo"})).color, ColorMode::automatic);
}

TEST(Options, Resave) {
  auto r = std::get<ResaveCommand>(parse({"resave", "w.tamo", "--out=/tmp/x"}));
  EXPECT_EQ(r.out_dir, "/tmp/x");
  EXPECT_FALSE(r.replace);
  EXPECT_EQ(std::get<ResaveCommand>(parse({"resave", "w.tamo"})).out_dir, ".");
  EXPECT_TRUE(std::get<ResaveCommand>(parse({"resave", "--replace", "w.tamo"})).replace);
}

TEST(Options, UsageErrorsAreOneLine) {
  for (auto args : std::vector<std::vector<std::string>>{{},
                                                         {"frobnicate"},
                                                         {"check"},
                                                         {"check", "--yaml", "a"},
                                                         {"play"},
                                                         {"play", "a", "b"},
                                                         {"play", "a", "--start"},
                                                         {"play", "a", "--color=blue"},
                                                         {"resave", "a", "--out"},
                                                         {"resave", "--force", "a"}}) {
    Command c = parse(args);
    auto* e = std::get_if<UsageError>(&c);
    ASSERT_NE(e, nullptr) << (args.empty() ? "" : args.front());
    EXPECT_EQ(e->message.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace tamo::cli
