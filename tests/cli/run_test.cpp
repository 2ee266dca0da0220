#include "cli/run.h"

#include <sstream>

#include "cli/options.h"
#include "cli_fixture.h"
#include "work_setup.h"

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

TEST_F(RunCli, HelpIsTheUsageWhereverItIsAsked) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"help"}, {"-h"}, {"check", "--help"}, {"play", "x.tamo", "-h"}}) {
    Outcome r = run_cli(args);
    EXPECT_EQ(r.status, 0) << ::testing::PrintToString(args);
    EXPECT_EQ(r.out, usage_text());
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(run_cli({"check", "--", "--help"}).status, kExitUsage) << "a file of that name";
}

TEST_F(RunCli, VersionIsTheProjectVersion) {
  Outcome r = run_cli({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string("tamo-cli ") + TAMO_VERSION + "\n");
}

TEST_F(RunCli, OutputThatCannotBeWrittenIsAFailure) {
  std::string work = path(write_work(clean_work()));
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  out.setstate(std::ios::badbit);
  EXPECT_EQ(run({"check", work}, in, out, err, false), 2);
  EXPECT_EQ(err.str(), "tamo-cli: nem sikerült kiírni a kimenetet\n");
}

TEST_F(RunCli, CheckReportsEveryFileInTurn) {
  Work refused = clean_work();
  setup_room_named(refused, "udvar")->short_.clear();
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
  setup_room_named(w, "udvar")->long_ = long_text;
  Outcome r = run_cli({"play", path(write_work(w)), "--start", "udvar"}, "n\n");
  EXPECT_EQ(r.status, 0);
  std::size_t first = r.out.find("0. sor\n");
  std::size_t again = r.out.find("0. sor\n", first + 1);
  ASSERT_NE(again, std::string::npos) << "shown on entering and again for n";
  EXPECT_NE(r.out.find("39. sor\n", again), std::string::npos);
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << "no colour unless a terminal";
  EXPECT_EQ(r.err, "");
}

TEST_F(RunCli, PlayShowsEveryEquipmentLineUpToItsBoundThenHowManyMore) {
  struct Case {
    std::string count;
    std::size_t lines;
    std::string more;  // the last line, when there are more
  };
  for (const Case& c :
       {Case{"30", 30, ""}, Case{"10000", 10000, ""},
        Case{"2000000000", 10000, "(és még 1999990000 darab: egy gyuru (ujjon viselve))\n"}}) {
    Work w = clean_work();
    add_mixed(setup_mons_named(w, "ork")->ids, "ork", "1");
    delete_mixed(setup_mons_named(w, "ork")->equipment, "gyuru");
    add_mixed(setup_mons_named(w, "ork")->equipment, "gyuru", c.count);
    Outcome r = run_cli({"play", path(write_work(w)), "--color=never"}, "n ork\n");
    EXPECT_EQ(r.status, 0);
    std::size_t lines = 0;
    for (std::size_t at = r.out.find("egy gyuru (ujjon viselve)\n"); at != std::string::npos;
         at = r.out.find("egy gyuru (ujjon viselve)\n", at + 1))
      ++lines;
    EXPECT_EQ(lines, c.lines) << c.count;
    if (c.more.empty())
      EXPECT_EQ(r.out.find("és még"), std::string::npos);
    else
      EXPECT_NE(r.out.find("egy gyuru (ujjon viselve)\n" + c.more), std::string::npos);
  }
}

TEST_F(RunCli, PlayAnnouncesWhatItKeptOfAnOverlongLine) {
  std::string work = path(write_work(clean_work()));
  std::string overlong = "kik" + std::string(47, ' ') + "zzz";
  Outcome r = run_cli({"play", work, "--color=never"}, "n\n" + overlong + "\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "tamo-cli play: a(z) 2. sor hosszabb, mint amit a parancssor elfogad (50 "
            "karakter); ennyi maradt belőle: \"kik" +
                std::string(47, ' ') + "\"\n");
  EXPECT_NE(r.out.find("Zelvaria Editor"), std::string::npos) << "what was kept still runs";
}

TEST_F(RunCli, PlayReadsInputThatIsNoUtf8AsWindows1250) {
  Work w = clean_work();
  add_mixed(setup_mons_named(w, "ork")->ids, "őr", "1");
  std::string work = path(write_work(w));
  Outcome utf8 = run_cli({"play", work, "--color=never"}, "n őr\n");
  Outcome cp1250 = run_cli({"play", work, "--color=never"}, "n \xf5r\r\n");
  EXPECT_NE(utf8.out.find("Zold es buta."), std::string::npos);
  EXPECT_EQ(cp1250.out, utf8.out);
  EXPECT_EQ(cp1250.err, "");
}

TEST_F(RunCli, PlayStartRoomWhoseNameTheEditorRefusesIsNamedSo) {
  Work w = clean_work();
  setup_room(w, "Kamra")->short_ = "Egy kamra";
  Outcome r = run_cli({"play", path(write_work(w)), "--start", "Kamra"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "tamo-cli play: a(z) Kamra nem érvényes szoba-fájlnév (1-16 kisbetű, számjegy, - "
            "vagy _), a szerkesztő nem nyithatja meg\n");
}

TEST_F(RunCli, ControlCharactersOfTheWorkNeverReachTheTerminal) {
  Work w = clean_work();
  setup_room_named(w, "kapu")->short_ = "\x1b]0;cim\x07\x1b[2J";
  setup_data(w).rooms.rename(*setup_room_named(w, "udvar"), "udvar\x1b[31m");
  std::string work = path(write_work(w));
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"check", work}, {"play", work, "--color=always"}, {"play", work, "--color=never"}}) {
    Outcome r = run_cli(args, "n\nk\n");
    std::string shown = r.out + r.err;
    // The only escapes left are the colours tamo-cli writes itself.
    for (std::size_t at = shown.find('\x1b'); at != std::string::npos;
         at = shown.find('\x1b', at + 1)) {
      EXPECT_EQ(shown[at + 1], '[');
      EXPECT_TRUE(shown.compare(at, 7, "\x1b[38;2;") == 0 || shown.compare(at, 4, "\x1b[0m") == 0)
          << shown.substr(at, 10);
    }
    EXPECT_EQ(shown.find('\x07'), std::string::npos) << ::testing::PrintToString(args);
    EXPECT_NE(shown.find("\\x1b"), std::string::npos) << ::testing::PrintToString(args);
  }
}

TEST_F(RunCli, PlayColoursATerminalOnlyWhenAuto) {
  std::string work = path(write_work(clean_work()));
  EXPECT_NE(run_cli({"play", work}, "", true).out.find("\x1b[38;2;"), std::string::npos);
  EXPECT_EQ(run_cli({"play", work, "--color=never"}, "", true).out.find('\x1b'), std::string::npos);
  EXPECT_NE(run_cli({"play", work, "--color=always"}).out.find("\x1b[38;2;"), std::string::npos);
}

TEST_F(RunCli, PlayShowsAnEscapedErrorOnStandardErrorAndGoesOn) {
  Work w = clean_work();
  add_mixed(setup_room_named(w, "udvar")->contents, "ork", "sok");
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

// Nobody is there to answer "Felülírod?": a file the work did not come from may hold another
// work, so it stays unless --replace says otherwise; the work's own file is simply saved.
TEST_F(RunCli, ResaveReplacesAnotherFileOnlyWhenToldTo) {
  std::filesystem::path source = write_work(clean_work(), "forras.tamo");
  std::filesystem::create_directories(folder / "ki");
  const std::filesystem::path target = folder / "ki" / "pelda.tamo";
  const std::string other = "ROOMBEGIN\r\nROOMFILENAME\r\nmas\r\nROOMEND\r\n";
  std::ofstream(target, std::ios::binary) << other;
  auto held = [&target] {
    std::ifstream in(target, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  };

  Outcome refused = run_cli({"resave", path(source), "--out", path(folder / "ki")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "Már van „" + path(target) +
                             "” fájl, de ez a munka nem abból való: más munka is lehet benne. "
                             "Felülírod?\ntamo-cli: nem írom felül; a --replace kapcsolóval "
                             "felülírható.\n");
  EXPECT_EQ(held(), other);

  Outcome replaced = run_cli({"resave", path(source), "--out", path(folder / "ki"), "--replace"});
  EXPECT_EQ(replaced.status, 0);
  EXPECT_EQ(replaced.out, path(target) + "\n");
  std::ifstream in(source, std::ios::binary);
  EXPECT_EQ(held(), std::string((std::istreambuf_iterator<char>(in)), {}));

  Outcome own = run_cli({"resave", path(target), "--out", path(folder / "ki")});
  EXPECT_EQ(own.status, 0) << own.err;
  EXPECT_EQ(own.err, "A mentés befejeződött.\n");
}

TEST_F(RunCli, ResaveRefusedWithoutCreatorName) {
  Work w = clean_work();
  setup_data(w).name.clear();
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
