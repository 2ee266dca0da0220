#include <gtest/gtest.h>

#include "console_fixture.h"
#include "model/numbers.h"
#include "work_setup.h"

namespace tamo::testconsole::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kTildes(" " + std::string(76, '~'));

class Commands : public ConsoleTest {
 protected:
  void SetUp() override {
    here = &room("terem", "A terem");
    work.current_room = here;
  }
  // A room reached through `exit` from here; its view is its name and short description.
  droom& exit_to(const std::string& exit, const std::string& target) {
    droom& r = room(target, target + " rovid");
    add_mixed(here->exits, exit, target);
    return r;
  }
  Lines view_of(const std::string& name) const {
    return {name, name + " rovid", "", "", "", "", "Nem latsz kijaratot.", ""};
  }
  droom* here = nullptr;
};

TEST_F(Commands, ShortFormsAndKeypadDigitsMoveThroughTheirExits) {
  const std::pair<std::string, std::string> cases[] = {
      {"k", "kelet"},
      {"6", "kelet"},
      {"e", "eszak"},
      {"8", "eszak"},
      {"ny", "nyugat"},
      {"4", "nyugat"},
      {"d", "del"},
      {"2", "del"},
      {"ek", "eszakkelet"},
      {"9", "eszakkelet"},
      {"dk", "delkelet"},
      {"3", "delkelet"},
      {"dny", "delnyugat"},
      {"1", "delnyugat"},
      {"eny", "eszaknyugat"},
      {"7", "eszaknyugat"},
      {"f", "fel"},
      {"-", "fel"},
      {"l", "le"},
      {"+", "le"},
      {"ki", "ki"},
      {"5", "ki"},
      {"kelet", "kelet"},
      {" \t k \r", "kelet"},
      {"elozo\r\nk", "kelet"},
      {"elozo\nk\r\n", "kelet"},
  };
  for (const auto& [typed, exit] : cases)
    if (query_mixed(here->exits, exit).empty()) exit_to(exit, "cel_" + exit);
  for (const auto& [typed, exit] : cases) {
    work.current_room = here;
    console.command(typed);
    ASSERT_NE(work.current_room, nullptr);
    EXPECT_EQ(work.current_room->filename, "cel_" + exit) << typed;
  }
}

TEST_F(Commands, OtherCasesAndPartialFormsDoNothing) {
  exit_to("kelet", "cel");
  for (const std::string typed : {"K", "ke", "k k", "Kelet", "0", ""}) {
    EXPECT_TRUE(run(typed).empty()) << typed;
    EXPECT_EQ(work.current_room, here) << typed;
  }
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(Commands, AMoveLoadsTheNewRoomIntoTheRoomEditorBehindTheConsole) {
  droom& cel = exit_to("kelet", "cel");
  add_mixed(cel.exits, "nyugat", "terem");
  add_mixed(cel.properties, "indoors", "1");
  add_mixed(work.tmproom.search, "regi", "x");
  Lines lines = run("k");
  EXPECT_EQ(work.current_room, &cel);
  EXPECT_EQ(lines.front(), "");  // check_pre_exit's closing line
  EXPECT_EQ(lines.at(1), "cel");
  EXPECT_EQ(lines.at(7), "Egy kijaratot latsz: nyugat.");
  EXPECT_EQ(host.calls, (Lines{"open_room cel behind", "focus_input"}));
  EXPECT_EQ(work.tmproom.exits, cel.exits);
  EXPECT_EQ(work.tmproom.properties, cel.properties);
  EXPECT_TRUE(work.tmproom.search.empty());
}

TEST_F(Commands, DoorKeyAndGuardMessagesComeBeforeTheMove) {
  exit_to("kelet", "cel");
  add_mixed(here->doors, "kelet", "tolgyfaajto");
  add_mixed(here->keys, "kelet", "kulcs");
  item("kulcs", "rozsdas kulcs");
  add_mixed(here->guard, "guardname", "or");
  add_mixed(here->guard, "guardspeech", "Megallj!");
  add_mixed(here->guard, "kelet", "guarddir");
  creature("or", "Bela");
  Lines expected = {"Eppen atgyalogoltal tolgyfaajto-n.",
                    "Ha van nalad rozsdas kulcs, kinyithatod.", "Bela mondja: Megallj!",
                    "Mondhat, amit akar, elsurransz mellette.", ""};
  Lines view = view_of("cel");
  expected.insert(expected.end(), view.begin(), view.end());
  EXPECT_EQ(run("k"), expected);
  EXPECT_EQ(work.current_room->filename, "cel");
  EXPECT_EQ(line(2).colour_at(0), 0xFFFF00u);                           // the guard's name
  EXPECT_EQ(line(2).colour_at(line(2).text.find("Megallj")), kSilver);  // the speech
}

TEST_F(Commands, GuardAndKeyEdgeCases) {
  exit_to("kelet", "cel");
  exit_to("del", "masik");
  add_mixed(here->keys, "kelet", "nincsilyen");
  add_mixed(here->guard, "guardname", "nincsilyen");
  add_mixed(here->guard, "guardspeech", "Hmm.");
  add_mixed(here->guard, "kelet", "guarddir");
  Lines lines = run("k");
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
            (Lines{"Ha van nalad , kinyithatod.", " mondja: Hmm.",
                   "Mondhat, amit akar, elsurransz mellette.", ""}));
  work.current_room = here;
  EXPECT_EQ(run("d").front(), "");  // the guard watches only the marked exit
}

TEST_F(Commands, AnExitIntoAMissingRoomPrintsItsMessagesAndStays) {
  add_mixed(here->exits, "le", "pince");
  add_mixed(here->doors, "le", "csapoajto");
  EXPECT_EQ(run("l"), (Lines{"Eppen atgyalogoltal csapoajto-n.", ""}));
  EXPECT_EQ(work.current_room, here);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(Commands, ABadCountInTheNewRoomStopsAfterTheMove) {
  droom& cel = exit_to("kelet", "cel");
  creature("ork").short_ = "Ork";
  add_mixed(cel.contents, "ork", "sok");
  EXPECT_THROW(console.command("k"), ConversionError);
  EXPECT_EQ(work.current_room, &cel);
  EXPECT_EQ(texts().back(), "Nem latsz kijaratot.");
}

TEST_F(Commands, LookEditListenAndSmellTheRoom) {
  here->listendefault = "Csend";
  here->smelldefault = "Dohos";
  const Lines view = {"terem", "A terem", "", "Dohos", "Csend", "", "Nem latsz kijaratot.", ""};
  EXPECT_EQ(run("n"), view);
  EXPECT_EQ(run("nez"), view);
  EXPECT_EQ(run("hallgat"), (Lines{"Csend", ""}));
  EXPECT_EQ(colour_of(0), kTeal);
  EXPECT_EQ(run("szagol"), (Lines{"Dohos", ""}));
  EXPECT_EQ(colour_of(0), kOlive);
  host.calls.clear();
  add_mixed(here->items, "fal", "Feher.");
  EXPECT_EQ(run("sz").at(0), "terem");
  EXPECT_EQ(host.calls, (Lines{"open_room terem front", "focus_input"}));
  EXPECT_EQ(work.tmproom.items, here->items);
  EXPECT_EQ(run("szerkeszt").at(0), "terem");
}

TEST_F(Commands, VerbsTakeTheArgumentAsTyped) {
  add_mixed(here->items, "fal", "Feher.");
  add_mixed(here->search, "fal", "Semmi.");
  EXPECT_EQ(run("n fal"), (Lines{"Feher.", ""}));
  EXPECT_EQ(colour_of(0), kSilver);
  EXPECT_EQ(run("nez fal"), (Lines{"Feher.", ""}));
  EXPECT_EQ(run("  keres fal  "), (Lines{"Semmi.", ""}));
  EXPECT_TRUE(run("nez  fal").empty());  // the second blank belongs to the argument
  EXPECT_TRUE(run("keres").empty());
  EXPECT_TRUE(run("ol").empty());
  EXPECT_TRUE(run("n semmi").empty());
}

TEST_F(Commands, OlAndSzWithAnArgumentReachTheCreature) {
  dmons& m = creature("ork", "Grok");
  m.level = "0";
  add_mixed(m.ids, "ork", "");
  add_mixed(here->contents, "ork", "1");
  EXPECT_EQ(run("ol ork"), (Lines{"Egy hirtelen gondolattal megolted Grok-t!",
                                  "Szereztel 1 tapasztalati pontot.", ""}));
  EXPECT_TRUE(run("sz ork").empty());
  EXPECT_TRUE(run("szerkeszt ork").empty());
  EXPECT_EQ(host.calls, (Lines{"open_creature ork", "open_creature ork"}));
}

TEST_F(Commands, EmotesAndSpeechOfTheCreaturesInTheRoom) {
  dmons& a = creature("a", "Aladar");
  add_mixed(a.emote, "Asit.", "");
  add_mixed(a.speech, "Jo napot!", "");
  add_mixed(a.speech, "Viszlat!", "");
  dmons& b = creature("b", "Bela");
  add_mixed(b.emote, "Nevet.", "");
  add_mixed(b.speech, "Szia!", "");
  creature("c", "Kint").emote = a.emote;  // not in the room
  add_mixed(here->contents, "b", "1");
  add_mixed(here->contents, "a", "2");
  EXPECT_EQ(run("erzes"), (Lines{"Nevet.", "Asit.", ""}));
  EXPECT_EQ(run("beszed"), (Lines{"Bela mondja: Szia!", "Aladar mondja: Jo napot!",
                                  "Aladar mondja: Viszlat!", ""}));
  const ConsoleLine& l = line(0);
  EXPECT_EQ(l.colour_at(0), 0xFFFF00u);
  EXPECT_EQ(l.colour_at(l.text.find("mondja")), 0xFFFF00u);
  EXPECT_EQ(l.colour_at(l.text.find("Szia")), kSilver);
}

TEST_F(Commands, SpeechInAnEmptyRoomIsOneEmptyLine) {
  EXPECT_EQ(run("beszed"), (Lines{""}));
  EXPECT_EQ(run("erzes"), (Lines{""}));
}

TEST_F(Commands, TheWhoListWorksEvenWithoutARoom) {
  work.current_room = nullptr;
  const std::pair<std::string, std::string> authors[] = {{"", "Nevtelen"}, {"Marud", "Marud"}};
  for (const auto& [name, shown] : authors) {
    setup_data(work).name = name;
    for (const std::string typed : {"kik", "kik halhatatlan", "kik wiz"}) {
      EXPECT_EQ(run(typed), (Lines{kTildes, "                             Zelvaria Editor",
                                   "                 Jelenleg 2 kalandozo talalhato a Tamo-ben.",
                                   kTildes, " [Peaceful   ] Marud varja az uj teruleteket",
                                   " [Teruletiro ] " + shown, kTildes, ""}))
          << typed;
    }
  }
  EXPECT_EQ(colour_of(0), kGreen);
  EXPECT_EQ(colour_of(1), kBrightRed);
  EXPECT_EQ(colour_of(2), kSilver);
  EXPECT_EQ(line(4).colour_at(1), kSilver);
  EXPECT_EQ(line(4).colour_at(2), 0x00AA00u);
  EXPECT_EQ(line(4).colour_at(10), kSilver);
}

TEST_F(Commands, WithoutARoomEverythingElseIsIgnored) {
  exit_to("kelet", "cel");
  work.current_room = nullptr;
  for (const std::string typed : {"n", "nez", "sz", "hallgat", "k", "n fal", "erzes", "beszed"})
    EXPECT_TRUE(run(typed).empty()) << typed;
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(Commands, EnteringTheConsoleKeepsEarlierOutput) {
  console.output().add_text("korabbi", kSilver);
  console.enter();
  EXPECT_EQ(texts().front(), "korabbi");
  EXPECT_EQ(texts().at(1), "terem");
  EXPECT_EQ(host.calls, (Lines{"show_console", "focus_input", "focus_input"}));
  work.current_room = nullptr;
  host.calls.clear();
  console.enter();
  EXPECT_EQ(host.calls, (Lines{"show_console", "focus_input"}));
}

TEST_F(Commands, ThePreviewMakesTheRoomCurrentOnAClearedConsole) {
  droom& masik = room("masik", "masik rovid");
  console.output().add_text("korabbi", kSilver);
  console.show_room(masik);
  EXPECT_EQ(work.current_room, &masik);
  EXPECT_EQ(texts(), view_of("masik"));
  EXPECT_EQ(host.calls.front(), "show_console");
  EXPECT_EQ(host.calls.back(), "focus_input");
}

}  // namespace
}  // namespace tamo::testconsole::testing
