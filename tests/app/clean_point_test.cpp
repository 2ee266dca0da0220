#include "app/clean_point.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "model/storing.h"
#include "workfile/workfile.h"

namespace tamo::app {
namespace {

// The decision the cheap one replaces: the writer's whole output against the saved one.
class FullComparison {
 public:
  void mark(const Work& work) { saved_ = workfile::work_lines(work); }
  bool changed(const Work& work) const { return workfile::work_lines(work) != saved_; }

 private:
  std::vector<std::string> saved_;
};

void store_room_texts(Work& work, const std::string& name, const std::string& short_text) {
  store_room(work, name, [&](droom& r) {
    r.short_ = short_text;
    r.long_ = "Hosszu";
  });
}

struct Step {
  const char* what;
  std::function<void(Work&)> run;
  bool changed;  // what both decisions must answer after the step
};

// Each step runs on the work the previous steps left; "save" marks the clean point.
TEST(CleanPoint, AnswersAsTheFullComparisonThroughEditsThatReturnToTheSavedText) {
  const std::vector<Step> steps = {
      {"nothing yet", [](Work&) {}, false},
      {"creator data set", [](Work& w) { set_creator(w, "proj", "Nev", "a@b"); }, true},
      {"creator data back", [](Work& w) { set_creator(w, "", "", ""); }, false},
      {"same creator data again", [](Work& w) { set_creator(w, "", "", ""); }, false},
      {"description", [](Work& w) { set_description(w, "Egy\r\nKetto"); }, true},
      {"description back", [](Work& w) { set_description(w, ""); }, false},
      {"room stored", [](Work& w) { store_room_texts(w, "a", "Rovid"); }, true},
      {"save", [](Work&) {}, false},
      {"room stored again unchanged", [](Work& w) { store_room_texts(w, "a", "Rovid"); }, false},
      {"room text changed", [](Work& w) { store_room_texts(w, "a", "Mas"); }, true},
      {"room text back", [](Work& w) { store_room_texts(w, "a", "Rovid"); }, false},
      {"second room", [](Work& w) { store_room_texts(w, "b", "B"); }, true},
      {"second room deleted", [](Work& w) { delete_room(w, "b"); }, false},
      {"reverse exit added", [](Work& w) { add_reverse_exits(w, "a", "del", "b"); }, true},
      {"reverse exit removed", [](Work& w) { remove_reverse_exits(w, "a", "del", "b"); }, false},
      {"exits of a missing room", [](Work& w) { set_room_list(w, "x", &droom::exits, {}); }, false},
      {"working copy only", [](Work& w) { add_mixed(w.tmproom.exits, "fel", "a"); }, false},
      {"working copy's exits stored",
       [](Work& w) { set_room_list(w, "a", &droom::exits, w.tmproom.exits); }, true},
      {"save", [](Work&) {}, false},
      {"item stored", [](Work& w) { store_item(w, "kard", [](ditem&) {}); }, true},
      {"creature with the item",
       [](Work& w) {
         add_mixed(w.tmpmons.equipment, "kard", "1");
         store_mons(w, "ork", [](dmons&) {});
       },
       true},
      {"item deleted, equipment cleaned", [](Work& w) { delete_item(w, "kard"); }, true},
      {"creature deleted", [](Work& w) { delete_mons(w, "ork"); }, false},
      {"emptied", [](Work& w) { reset_work(w); }, true},
      {"save", [](Work&) {}, false},
      {"emptied again", [](Work& w) { reset_work(w); }, false},
      {"two rooms",
       [](Work& w) {
         store_room_texts(w, "a", "A");
         store_room_texts(w, "b", "B");
       },
       true},
      {"save", [](Work&) {}, false},
      {"last room deleted and stored again as it was",
       [](Work& w) {
         delete_room(w, "b");
         store_room_texts(w, "b", "B");
       },
       false},
      {"first room deleted and stored again after the other",
       [](Work& w) {
         delete_room(w, "a");
         store_room_texts(w, "a", "A");
       },
       true},
      {"save", [](Work&) {}, false},
      {"one room for another",
       [](Work& w) {
         delete_room(w, "a");
         store_room_texts(w, "c", "A");
       },
       true},
      {"and back",
       [](Work& w) {
         delete_room(w, "c");
         store_room_texts(w, "a", "A");
       },
       false},
      {"a room more", [](Work& w) { store_room_texts(w, "d", "D"); }, true},
      {"its text", [](Work& w) { store_room_texts(w, "d", "E"); }, true},
      {"and gone", [](Work& w) { delete_room(w, "d"); }, false},
      // The file writes "?" for each of these: the lines still differ, and so must the answer.
      {"a text the file cannot hold", [](Work& w) { store_room_texts(w, "a", "中"); }, true},
      {"save", [](Work&) {}, false},
      {"another it cannot hold", [](Work& w) { store_room_texts(w, "a", "文"); }, true},
      {"the question mark the file holds", [](Work& w) { store_room_texts(w, "a", "?"); }, true},
      {"back to the saved one", [](Work& w) { store_room_texts(w, "a", "中"); }, false},
  };
  // Watching the work, it follows the changed parts; unwatched, it digests the whole work.
  for (bool watched : {true, false}) {
    SCOPED_TRACE(watched ? "watched" : "unwatched");
    Work work;
    CleanPoint cheap;
    if (watched) work.add_watcher(&cheap);
    FullComparison full;
    cheap.mark(work);
    full.mark(work);
    for (const Step& step : steps) {
      SCOPED_TRACE(step.what);
      step.run(work);
      if (std::string(step.what) == "save") {
        cheap.mark(work);
        full.mark(work);
      }
      EXPECT_EQ(full.changed(work), step.changed);
      EXPECT_EQ(cheap.changed(work), step.changed);
      // Asking again gives the same answer without anything changing in between.
      EXPECT_EQ(cheap.changed(work), step.changed);
    }
  }
}

TEST(CleanPoint, AWorkLoadedInPlaceIsCleanAgainOnlyWhenMarked) {
  Work work;
  CleanPoint cheap;
  cheap.mark(work);
  ASSERT_TRUE(
      workfile::load_bytes(work, workfile::encode_lines({"CREATORPROJECT", "p", "CREATORNAME", "n",
                                                         "CREATORMAIL", "m"}))
          .complete);
  EXPECT_TRUE(cheap.changed(work));
  cheap.mark(work);
  EXPECT_FALSE(cheap.changed(work));
}

// Lines that differ only in where one ends and the next begins, or in trailing zero bytes
// that fill the last word, must still give different digests.
TEST(WorkDigest, TellsApartLinesThatShareTheirBytes) {
  using Lines = std::vector<std::string>;
  const std::vector<Lines> works = {
      {},
      {""},
      {"", ""},
      {"a"},
      {std::string("a\0", 2)},
      {"ab", "c"},
      {"a", "bc"},
      {"abc"},
      {"12345678"},
      {"1234567", "8"},
      {"12345678", ""},
      {"", "12345678"},
      {"123456789abcdefg"},
      {"12345678", "9abcdefg"},
      // The same bytes in the file, where characters became "?".
      {"?"},
      {"中"},
      {"文"},
      {"中", "?"},
      {"?", "中"},
      {"?", "?"},
  };
  std::vector<std::uint64_t> digests;
  for (const Lines& lines : works) {
    WorkDigest digest;
    for (const std::string& line : lines) digest.tf(line);
    digests.push_back(digest.value());
  }
  for (std::size_t i = 0; i < works.size(); ++i)
    for (std::size_t j = i + 1; j < works.size(); ++j)
      EXPECT_NE(digests[i], digests[j]) << "works " << i << " and " << j;
}

// A save hands the digest its megabyte buffers; the clean point hands it lines. Both must
// give the same value, across buffer ends and with lines the file cannot hold whole.
TEST(WorkDigest, ASaveAndTheWorksLinesGiveTheSameDigest) {
  Work work;
  set_creator(work, "nagy", "valaki", "v@example.org");
  for (int i = 0; i < 3000; ++i)
    store_room(work, "szoba" + std::to_string(i), [&](droom& r) {
      r.short_ = i % 7 == 0 ? "Kert 中 " + std::to_string(i) : "Kert " + std::to_string(i);
      r.long_ = std::string(static_cast<std::size_t>(300 + i % 450), 'x') + "\r\nő";
    });
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tamo_digest_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  WorkDigest written;
  ASSERT_TRUE(workfile::savetamo(work, folder, &written).saved);
  EXPECT_GT(std::filesystem::file_size(folder / "nagy.tamo"), std::uintmax_t{1} << 20);
  std::filesystem::remove_all(folder);
  EXPECT_EQ(written.value(), work_digest(work));

  store_room(work, "szoba2996", [](droom& r) { r.short_ = "Kert 文 2996"; });
  EXPECT_NE(written.value(), work_digest(work));
}

// Through the application: a load marks the work as its file holds it, and a save marks it
// with the digest taken from the save's own pass.
class CleanPointInApplication : public testing::AppTest {};

TEST_F(CleanPointInApplication, LoadAndSaveMarkTheWorkAsTheFileHoldsIt) {
  std::filesystem::path file = folder / "pelda.tamo";
  std::ofstream(file, std::ios::binary)
      << workfile::encode_lines({"CREATORPROJECT", "pelda", "CREATORNAME", "valaki", "CREATORMAIL",
                                 "v@example.org", "ROOMBEGIN", "ROOMFILENAME", "kapu1", "ROOMSHORT",
                                 "Régi", "ROOMLONG", "Hosszu", "ROOMLONGEND", "ROOMEND"});
  app.open_work(file);
  ASSERT_TRUE(app.load_complete());
  EXPECT_FALSE(app.work_changed());
  store_room_texts(app.work(), "kapu1", "Új");
  EXPECT_TRUE(app.work_changed());
  store_room_texts(app.work(), "kapu1", "Régi");
  EXPECT_FALSE(app.work_changed()) << "back to what was loaded";

  store_room_texts(app.work(), "kapu1", "Új");
  app.Ments1Click();
  ASSERT_EQ(platform.messages, std::vector<std::string>{std::string(kMsgSaved)});
  EXPECT_FALSE(app.work_changed());
  store_room_texts(app.work(), "kapu1", "Régi");
  EXPECT_TRUE(app.work_changed()) << "what was loaded is no longer what the file holds";
  store_room_texts(app.work(), "kapu1", "Új");
  EXPECT_FALSE(app.work_changed()) << "back to what was saved";

  // A refused save marks nothing.
  set_creator(app.work(), "pelda", "", "v@example.org");
  app.Ments1Click();
  EXPECT_TRUE(app.work_changed());
  set_creator(app.work(), "pelda", "valaki", "v@example.org");
  EXPECT_FALSE(app.work_changed());
}

}  // namespace
}  // namespace tamo::app
