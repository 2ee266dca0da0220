#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app_fixture.h"
#include "model/storing.h"
#include "work_setup.h"

namespace tamo::app::testing {
namespace {

class WorkCommands : public AppTest {
 protected:
  void fill_creator_data() {
    setup_data(app.work()).project = "pelda";
    setup_data(app.work()).name = "valaki";
    setup_data(app.work()).mail = "valaki@example.org";
  }
  std::filesystem::path write_file(const std::string& name, const std::string& bytes) {
    std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  int files_in_folder() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder),
                                          std::filesystem::directory_iterator()));
  }
};

const std::string kBadNameFile =
    "CREATORPROJECT\r\nPelda\r\nCREATORNAME\r\nvalaki\r\nCREATORMAIL\r\nv@example.org\r\n"
    "ROOMBEGIN\r\nROOMFILENAME\r\nkapu1\r\nROOMEND\r\n";

TEST_F(WorkCommands, SaveShowsTheCompletionMessageOnlyAfterWritingTheFile) {
  app.Kszt1Click();
  setup_data(app.work()).project = "pelda";
  app.Ments1Click();
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nincs készítőnév megadva!"}));
  EXPECT_EQ(app.main_window().caption(), "Tamo");
  EXPECT_EQ(files_in_folder(), 0);
  EXPECT_TRUE(app.creator_data().form.visible()) << "a refusal hides no dialog";

  platform.messages.clear();
  fill_creator_data();
  app.Ments1Click();
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"A mentés befejeződött."}));
  EXPECT_TRUE(std::filesystem::exists(folder / "pelda.tamo"));
  EXPECT_EQ(app.main_window().caption(), "pelda - Tamo");
  EXPECT_FALSE(app.creator_data().form.visible());
}

TEST_F(WorkCommands, AFailedSaveShowsOnlyTheFailureAndKeepsTheCaption) {
  fill_creator_data();
  app.set_work_folder(folder / "nincs-ilyen");
  app.Ments1Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "Nem sikerült létrehozni a(z) „" +
                                      (folder / "nincs-ilyen" / "pelda.tamo").string() +
                                      "” fájlt: nincs ilyen fájl vagy mappa.");
  EXPECT_EQ(app.main_window().caption(), "Tamo");
}

TEST_F(WorkCommands, SaveAndExitWritesOnlyAWorkWithRecords) {
  app.Kilps1Click();
  EXPECT_TRUE(app.finished());
  EXPECT_EQ(files_in_folder(), 0);
  EXPECT_EQ(app.work().project, "valami") << "the placeholders stay in the work";
  EXPECT_EQ(app.work().name, "valaki");
  EXPECT_FALSE(app.work().mail.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WorkCommands, SaveAndExitFillsTheCreatorDataAndSaves) {
  store_room(app.work(), "kapu1");
  app.Kszt1Click();
  app.Kilps1Click();
  EXPECT_TRUE(app.finished());
  EXPECT_TRUE(std::filesystem::exists(folder / "valami.tamo"));
  EXPECT_TRUE(platform.messages.empty()) << "no completion message on the way out";
  EXPECT_FALSE(app.creator_data().form.visible());
}

TEST_F(WorkCommands, SaveAndExitStaysOpenWhenTheFileCannotBeWritten) {
  store_room(app.work(), "kapu1");
  app.set_work_folder(folder / "nincs-ilyen");
  app.Kilps1Click();
  EXPECT_FALSE(app.finished());
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(WorkCommands, LoadAsksForATamoFileInTheCurrentDirectory) {
  platform.answer = UnsavedAnswer::discard;
  setup_data(app.work()).project = "regi";
  app.Betlts1Click();
  ASSERT_EQ(platform.open_requests.size(), 1u);
  const OpenFileRequest& r = platform.open_requests[0];
  EXPECT_EQ(r.start_dir, ".");
  EXPECT_EQ(r.filter_caption, "Tamo fájlok (*.tamo)");
  EXPECT_EQ(r.pattern, "*.tam*");
  EXPECT_EQ(app.work().project, "regi") << "a cancelled dialog changes nothing";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WorkCommands, LoadReplacesABadWorkNameAndSetsTheCaption) {
  int refills = 0;
  app.hooks().room.fill_filename_choices = [&] { ++refills; };
  app.Kszt1Click();
  platform.chosen_file = write_file("pelda.tamo", kBadNameFile);
  app.Betlts1Click();
  EXPECT_EQ(app.work().project, "tamotmp");
  EXPECT_EQ(platform.messages,
            (std::vector<std::string>{"A fájlnév nem volt megfelelő, atírva tamotmp.tamo - re.\r\n"
                                      "Javaslom, ird át a munka nevét, aztán mentsél!"}));
  EXPECT_EQ(app.main_window().caption(), "tamotmp - Tamo");
  ASSERT_NE(room_exists(app.work(), "kapu1"), nullptr);
  EXPECT_EQ(app.work().current_room, room_exists(app.work(), "kapu1"));
  EXPECT_EQ(refills, 2) << "emptied with the work, then rebuilt from the loaded rooms";
  EXPECT_FALSE(app.creator_data().form.visible());
  EXPECT_EQ(front_panel(), "");
}

TEST_F(WorkCommands, AFileThatCannotBeOpenedLeavesAnEmptyWorkAndTheCaption) {
  fill_creator_data();
  app.Ments1Click();
  platform.messages.clear();
  app.open_work(folder / "nincs.tamo");
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(app.work().project, "");
  EXPECT_EQ(app.main_window().caption(), "pelda - Tamo");
}

TEST_F(WorkCommands, OpeningAFileFromTheCommandLineLoadsItAsBetoltesDoes) {
  app.open_work(write_file("x.tamo", kBadNameFile));
  EXPECT_EQ(app.main_window().caption(), "tamotmp - Tamo");
  EXPECT_EQ(app.work().rooms.size(), 1u);
  EXPECT_FALSE(app.work_changed()) << "a loaded work counts as saved";
}

TEST_F(WorkCommands, AWorkNotReadWholeCountsAsChangedUntilSaved) {
  app.open_work(write_file("x.tamo", kBadNameFile + "\r\nROOMBEGIN\r\nROOMEND\r\n"));
  EXPECT_EQ(app.work().rooms.size(), 2u);
  EXPECT_FALSE(app.load_complete());
  EXPECT_EQ(app.main_window().caption(), "tamotmp - Tamo") << "the file was read to its end";
  EXPECT_TRUE(app.work_changed());
  platform.answer = UnsavedAnswer::cancel;
  EXPECT_FALSE(app.FormCloseQuery());

  setup_data(app.work()).project = "pelda";
  app.Ments1Click();
  EXPECT_FALSE(app.work_changed());
}

TEST_F(WorkCommands, AFileThatCannotBeOpenedIsNoChange) {
  app.open_work(folder / "nincs.tamo");
  EXPECT_FALSE(app.load_complete());
  EXPECT_FALSE(app.work_changed());
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kPeldaFile =
    "CREATORPROJECT\r\npelda\r\nCREATORNAME\r\nvalaki\r\nCREATORMAIL\r\nv@example.org\r\n"
    "ROOMBEGIN\r\nROOMFILENAME\r\nkapu1\r\nROOMEND\r\n";

TEST_F(WorkCommands, ALoadedWorkIsSavedBesideItsFileWhateverTheCurrentFolder) {
  std::filesystem::create_directory(folder / "masik");
  std::filesystem::path file = folder / "masik" / "pelda.tamo";
  std::ofstream(file, std::ios::binary) << kPeldaFile;
  platform.chosen_file = file;
  app.Betlts1Click();
  EXPECT_EQ(app.save_place(), "Mentés helye: „" + file.string() + "”");
  setup_data(app.work()).desc = "uj";
  app.Ments1Click();
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(kMsgSaved)});
  EXPECT_TRUE(platform.replace_questions.empty()) << "its own file is replaced without a question";
  EXPECT_NE(read_file(file).find("CREATORDESC\r\nuj\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "pelda.tamo"));

  // A new work name saves beside it under that name, and then belongs there.
  setup_data(app.work()).project = "masik";
  app.Ments1Click();
  EXPECT_TRUE(std::filesystem::exists(folder / "masik" / "masik.tamo"));
  EXPECT_EQ(app.work_file(), folder / "masik" / "masik.tamo");
}

TEST_F(WorkCommands, ANewWorkIsSavedInTheWorkFolder) {
  EXPECT_EQ(app.save_place(), "Mentés helye: „" + (folder / "").string() + "”");
  fill_creator_data();
  app.Ments1Click();
  EXPECT_TRUE(std::filesystem::exists(folder / "pelda.tamo"));
  EXPECT_EQ(app.work_file(), folder / "pelda.tamo");
}

TEST_F(WorkCommands, SavingOverAnotherWorksFileAsksFirstAndNemKeepsIt) {
  std::filesystem::path other = write_file("pelda.tamo", kPeldaFile);
  fill_creator_data();
  store_room(app.work(), "masik1");
  platform.replace = false;
  app.Ments1Click();
  ASSERT_EQ(platform.replace_questions.size(), 1u);
  EXPECT_EQ(platform.replace_questions[0],
            "Már van „" + other.string() +
                "” fájl, de ez a munka nem abból való: más munka is lehet benne. Felülírod?");
  EXPECT_TRUE(platform.messages.empty()) << "no completion message when nothing was written";
  EXPECT_EQ(read_file(other), kPeldaFile);
  EXPECT_TRUE(app.work_changed());

  platform.replace = true;
  app.Ments1Click();
  EXPECT_EQ(platform.replace_questions.size(), 2u);
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(kMsgSaved)});
  EXPECT_NE(read_file(other).find("masik1"), std::string::npos);
  app.Ments1Click();
  EXPECT_EQ(platform.replace_questions.size(), 2u) << "now it is this work's file";
}

TEST_F(WorkCommands, SaveAndExitAsksBeforeReplacingAnotherWorksFile) {
  std::filesystem::path other = write_file("valami.tamo", kPeldaFile);
  store_room(app.work(), "kapu1");
  platform.replace = false;
  app.Kilps1Click();
  EXPECT_EQ(platform.replace_questions.size(), 1u);
  EXPECT_FALSE(app.finished());
  EXPECT_EQ(read_file(other), kPeldaFile);
}

TEST_F(WorkCommands, SavingAWorkNotReadWholeOverItsFileAsksFirst) {
  std::filesystem::path file =
      write_file("pelda.tamo", kPeldaFile + "\r\nROOMBEGIN\r\nROOMEND\r\n");
  std::string bytes = read_file(file);
  app.open_work(file);
  platform.messages.clear();
  platform.replace = false;
  app.Ments1Click();
  ASSERT_EQ(platform.replace_questions.size(), 1u);
  EXPECT_EQ(platform.replace_questions[0],
            "A munka nem töltődött be hiánytalanul a(z) „" + file.string() +
                "” fájlból: ha felülírod, ami kimaradt belőle, elvész. Felülírod mégis?");
  EXPECT_EQ(read_file(file), bytes);
  EXPECT_TRUE(platform.messages.empty());

  platform.replace = true;
  app.Ments1Click();
  EXPECT_NE(read_file(file), bytes);
  EXPECT_FALSE(app.work_changed());
}

TEST_F(WorkCommands, SaveAsTakesTheChosenNameAsTheWorkName) {
  fill_creator_data();
  std::filesystem::create_directory(folder / "uj");
  platform.chosen_save = folder / "uj" / "masnev.tamo";
  app.Mentsmsknt1Click();
  ASSERT_EQ(platform.save_requests.size(), 1u);
  EXPECT_EQ(platform.save_requests[0].start_dir, folder);
  EXPECT_EQ(platform.save_requests[0].file_name, "pelda.tamo");
  EXPECT_EQ(platform.save_requests[0].filter_caption, "Tamo fájlok (*.tamo)");
  EXPECT_EQ(platform.save_requests[0].pattern, "*.tamo");
  EXPECT_EQ(app.work().project, "masnev");
  EXPECT_TRUE(std::filesystem::exists(folder / "uj" / "masnev.tamo"));
  EXPECT_EQ(app.main_window().caption(), "masnev - Tamo");
  EXPECT_EQ(platform.messages, std::vector<std::string>{std::string(kMsgSaved)});
  EXPECT_EQ(app.save_folder(), folder / "uj");
}

TEST_F(WorkCommands, SaveAsRefusesANameThatIsNoWorkNameAndWritesNothing) {
  fill_creator_data();
  for (const char* name : {"Nagy.tamo", "ekezet\xC3\xA9s.tamo", "a.b.tamo", ".tamo"}) {
    platform.messages.clear();
    platform.chosen_save = folder / name;
    app.Mentsmsknt1Click();
    ASSERT_EQ(platform.messages.size(), 1u) << name;
    EXPECT_NE(platform.messages[0].find("nem lehet a munka neve"), std::string::npos) << name;
    EXPECT_EQ(app.work().project, "pelda");
  }
  EXPECT_EQ(files_in_folder(), 0);

  platform.chosen_save.reset();
  platform.messages.clear();
  app.Mentsmsknt1Click();
  EXPECT_TRUE(platform.messages.empty()) << "a cancelled dialog does nothing";
}

TEST_F(WorkCommands, SaveAndExitAsksAboutAWorkWithoutRecordsThatHoldsSomething) {
  setup_data(app.work()).desc = "Egy leírás.";
  platform.answer = UnsavedAnswer::cancel;
  app.Kilps1Click();
  EXPECT_EQ(platform.questions, std::vector<std::string>{std::string(kMsgUnsaved)});
  EXPECT_FALSE(app.finished());

  platform.answer = UnsavedAnswer::save;
  app.Kilps1Click();
  EXPECT_TRUE(app.finished());
  EXPECT_NE(read_file(folder / "valami.tamo").find("CREATORDESC\r\nEgy le"), std::string::npos);
}

TEST_F(WorkCommands, UnchangedWorkIsReplacedWithoutAQuestion) {
  app.j1Click();
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_TRUE(app.FormCloseQuery());
  EXPECT_TRUE(platform.questions.empty());
}

TEST_F(WorkCommands, UnsavedWorkIsKeptWhenTheUserCancels) {
  setup_data(app.work()).project = "pelda";
  platform.answer = UnsavedAnswer::cancel;
  app.j1Click();
  app.Betlts1Click();
  EXPECT_FALSE(app.FormCloseQuery());
  EXPECT_EQ(platform.questions, std::vector<std::string>(3, std::string(kMsgUnsaved)));
  EXPECT_TRUE(platform.open_requests.empty()) << "cancel comes before the open dialog";
  EXPECT_EQ(app.work().project, "pelda");
}

TEST_F(WorkCommands, DiscardingUnsavedWorkGoesOn) {
  store_room(app.work(), "kapu1");
  platform.answer = UnsavedAnswer::discard;
  EXPECT_TRUE(app.FormCloseQuery());
  app.j1Click();
  EXPECT_TRUE(app.work().rooms.empty());
  EXPECT_EQ(files_in_folder(), 0);
  platform.questions.clear();
  app.j1Click();
  EXPECT_TRUE(platform.questions.empty()) << "the new work is the new starting point";
}

TEST_F(WorkCommands, SavingUnsavedWorkWritesItFirstAndStopsWhenRefused) {
  store_room(app.work(), "kapu1");
  platform.answer = UnsavedAnswer::save;
  app.j1Click();
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nincs munkanév megadva!"}));
  EXPECT_EQ(app.work().rooms.size(), 1u) << "a refused save keeps the work";
  EXPECT_FALSE(app.FormCloseQuery());

  platform.messages.clear();
  fill_creator_data();
  app.j1Click();
  EXPECT_TRUE(std::filesystem::exists(folder / "pelda.tamo"));
  EXPECT_TRUE(app.work().rooms.empty());
  EXPECT_EQ(app.main_window().caption(), "Tamo");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(WorkCommands, SavedWorkNeedsNoQuestionUntilItChangesAgain) {
  fill_creator_data();
  app.Ments1Click();
  EXPECT_FALSE(app.work_changed());
  setup_data(app.work()).desc = "uj leiras";
  EXPECT_TRUE(app.work_changed());
}

}  // namespace
}  // namespace tamo::app::testing
