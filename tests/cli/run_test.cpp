#include "cli/run.h"

#include <sstream>

#include "cli/options.h"
#include "cli_fixture.h"

namespace tamo::cli::testing {
namespace {

// One run of tamo-cli with its standard streams kept.
struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class RunCli : public CliTest {
 protected:
  Outcome run_cli(std::vector<std::string> args, const std::string& input = "",
                  bool terminal = false) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Outcome r;
    r.status = run(args, in, out, err, terminal);
    r.out = out.str();
    r.err = err.str();
    return r;
  }
  std::string path(const std::filesystem::path& p) { return p.string(); }
};

TEST_F(RunCli, ErrorsOfUseAreOneLineAndStatus64) {
  std::string work = path(write_work(clean_work()));
  std::string missing = path(folder / "nincs.tamo");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"check"},
                                             {"check", work, missing},
                                             {"play", missing},
                                             {"play", work, "--start", "pince"},
                                             {"play", work, "--start", "Kapu"},
                                             {"resave", missing},
                                             {"resave", work, "--out", path(folder / "nincs")},
                                             {"resave", work, "--out", work}}) {
    Outcome r = run_cli(args, "n\n");
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, "") << ::testing::PrintToString(args);
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  EXPECT_EQ(run_cli({"check", work, missing}).err, "tamo-cli: nincs ilyen fájl: " + missing + "\n");
}

TEST_F(RunCli, HelpIsTheUsage) {
  Outcome r = run_cli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, usage_text());
}

TEST_F(RunCli, CheckReportsEveryFileInTurn) {
  Work refused = clean_work();
  room_exists(refused, "udvar")->short_.clear();
  std::string a = path(write_work(clean_work(), "a.tamo"));
  std::string b = path(write_work(refused, "b.tamo"));
  Outcome r = run_cli({"check", a, b});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.find(a + "\nszoba kapu: ok\n"), 0u);
  EXPECT_NE(r.out.find(b + "\nszoba kapu: ok\nszoba udvar: Nincs rövid leírás megadva!\n"),
            std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST_F(RunCli, PlayPrintsEveryLineOfACommandEvenBeyondWhatTheConsoleKeeps) {
  Work w = clean_work();
  std::string long_text;
  for (int i = 0; i < 40; ++i) long_text += (i ? "\r\n" : "") + std::to_string(i) + ". sor";
  room_exists(w, "udvar")->long_ = long_text;
  Outcome r = run_cli({"play", path(write_work(w)), "--start", "udvar"}, "n\n");
  EXPECT_EQ(r.status, 0);
  std::size_t first = r.out.find("0. sor\n");
  std::size_t again = r.out.find("0. sor\n", first + 1);
  ASSERT_NE(again, std::string::npos) << "shown on entering and again for n";
  EXPECT_NE(r.out.find("39. sor\n", again), std::string::npos);
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << "no colour unless a terminal";
  EXPECT_EQ(r.err, "");
}

TEST_F(RunCli, PlayColoursATerminalOnlyWhenAuto) {
  std::string work = path(write_work(clean_work()));
  EXPECT_NE(run_cli({"play", work}, "", true).out.find("\x1b[38;2;"), std::string::npos);
  EXPECT_EQ(run_cli({"play", work, "--color=never"}, "", true).out.find('\x1b'), std::string::npos);
  EXPECT_NE(run_cli({"play", work, "--color=always"}).out.find("\x1b[38;2;"), std::string::npos);
}

TEST_F(RunCli, PlayShowsAnEscapedErrorOnStandardErrorAndGoesOn) {
  Work w = clean_work();
  add_mixed(room_exists(w, "udvar")->contents, "ork", "sok");
  Outcome r = run_cli({"play", path(write_work(w)), "--color=never"}, "k\nkik\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "'sok' nem érvényes egész szám.\n");
  EXPECT_NE(r.out.find("Zelvaria Editor"), std::string::npos) << "the next command still runs";
}

TEST_F(RunCli, ResaveWritesTheSameBytesAndNamesTheFile) {
  std::filesystem::path source = write_work(clean_work(), "forras.tamo");
  std::filesystem::create_directories(folder / "ki");
  Outcome r = run_cli({"resave", path(source), "--out", path(folder / "ki")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, path(folder / "ki" / "pelda.tamo") + "\n");
  EXPECT_EQ(r.err, "A mentés befejeződött.\n");
  std::ifstream a(source, std::ios::binary), b(folder / "ki" / "pelda.tamo", std::ios::binary);
  std::string before((std::istreambuf_iterator<char>(a)), {});
  std::string after((std::istreambuf_iterator<char>(b)), {});
  EXPECT_EQ(after, before);
}

TEST_F(RunCli, ResaveRefusedWithoutCreatorName) {
  Work w = clean_work();
  w.name.clear();
  Outcome r = run_cli({"resave", path(write_work(w)), "--out", path(folder)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Nincs készítőnév megadva!\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "pelda.tamo"));
}

TEST_F(RunCli, ResaveWritesNothingFromAFileThatBrokeOff) {
  std::string bytes = workfile::encode_lines(workfile::work_lines(clean_work()));
  bytes.resize(bytes.rfind("ITEMEND"));
  std::filesystem::create_directories(folder / "ki");
  Outcome r = run_cli({"resave", path(write_bytes("w.tamo", bytes)), "--out", path(folder / "ki")});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err, "");
  EXPECT_TRUE(std::filesystem::is_empty(folder / "ki"));
}

}  // namespace
}  // namespace tamo::cli::testing
