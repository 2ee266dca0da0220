#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "sample_works.h"
#include "temp_folder.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

namespace fs = std::filesystem;

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = tamo::testing::fresh_temp_folder(
        "tamo_save_" +
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> names_in_folder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
      names.push_back(entry.path().filename().string());
    return names;
  }

  fs::path folder_;
};

TEST_F(SaveTest, WritesTheWorkUnderItsNameAndTwiceTheSameBytes) {
  Work work = testing::full_work();
  SaveResult first = savetamo(work, folder_);
  ASSERT_TRUE(first.saved);
  EXPECT_FALSE(first.message);
  EXPECT_EQ(folder_ / "nagy_munka-2.tamo", first.path);
  std::string bytes = read(first.path);
  EXPECT_EQ(encode_lines(work_lines(work)), bytes);
  EXPECT_TRUE(savetamo(work, folder_).saved);
  EXPECT_EQ(bytes, read(first.path));
  EXPECT_EQ(std::vector<std::string>{"nagy_munka-2.tamo"}, names_in_folder());

  Work loaded;
  LoadResult result = loadfile(loaded, first.path);
  EXPECT_TRUE(result.complete);
  testing::expect_same_work(work, loaded);
}

TEST_F(SaveTest, CreatorDataRefusalsInTheirOrderLeaveTheEarlierFile) {
  Work work = testing::pelda_work();
  ASSERT_TRUE(savetamo(work, folder_).saved);
  std::string earlier = read(folder_ / "pelda.tamo");
  struct Case {
    bool project, name, mail;
    std::string_view message;
  };
  const Case cases[] = {
      {false, false, false, kMsgNoProject}, {false, true, true, kMsgNoProject},
      {true, false, false, kMsgNoName},     {true, false, true, kMsgNoName},
      {true, true, false, kMsgNoMail},
  };
  for (const Case& c : cases) {
    Work changed = work;
    WorkData& data = setup_data(changed);
    data.rooms[0].short_ = "más";
    if (!c.project) data.project.clear();
    if (!c.name) data.name.clear();
    if (!c.mail) data.mail.clear();
    SaveResult result = savetamo(changed, folder_);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(c.message, result.message.value_or(""));
  }
  EXPECT_EQ(earlier, read(folder_ / "pelda.tamo"));
  EXPECT_EQ(std::vector<std::string>{"pelda.tamo"}, names_in_folder());
}

TEST_F(SaveTest, FailureNamesTheFileAndTheReasonAndLeavesNoTemporaryBehind) {
  Work work = testing::pelda_work();
  SaveResult missing = savetamo(work, folder_ / "nincs");
  EXPECT_FALSE(missing.saved);
  EXPECT_EQ("Nem sikerült létrehozni a(z) „" + (folder_ / "nincs" / "pelda.tamo").string() +
                "” fájlt: nincs ilyen fájl vagy mappa.",
            missing.message.value_or(""));

  fs::create_directory(folder_ / "pelda.tamo");
  SaveResult blocked = savetamo(work, folder_);
  EXPECT_FALSE(blocked.saved);
  EXPECT_EQ("Nem sikerült kiírni a(z) „" + (folder_ / "pelda.tamo").string() +
                "” fájlt: ezen a néven egy mappa van.",
            blocked.message.value_or(""));
  EXPECT_EQ(std::vector<std::string>{"pelda.tamo"}, names_in_folder());
}

TEST_F(SaveTest, ThroughASymlinkTheTargetIsWrittenAndKeepsItsMode) {
  Work work = testing::pelda_work();
  fs::create_directory(folder_ / "valodi");
  fs::path real = folder_ / "valodi" / "munka.tamo";
  std::ofstream(real) << "régi";
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("valodi/munka.tamo", folder_ / "pelda.tamo");

  SaveResult result = savetamo(work, folder_);
  ASSERT_TRUE(result.saved) << result.message.value_or("");
  EXPECT_TRUE(fs::is_symlink(folder_ / "pelda.tamo"));
  EXPECT_EQ(encode_lines(work_lines(work)), read(real));
  EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write, fs::status(real).permissions());
  EXPECT_EQ((std::vector<std::string>{"munka.tamo"}), [&] {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder_ / "valodi"))
      names.push_back(e.path().filename().string());
    return names;
  }()) << "no temporary left beside the target";
}

TEST_F(SaveTest, AGroupReadableFileStaysSoAndANewFileFollowsTheUmask) {
  Work work = testing::pelda_work();
  fs::path path = folder_ / "pelda.tamo";
  std::ofstream(path) << "régi";
  fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                     fs::perms::group_write;
  fs::permissions(path, shared);
  ASSERT_TRUE(savetamo(work, folder_).saved);
  EXPECT_EQ(shared, fs::status(path).permissions());

  mode_t mask = ::umask(022);
  ::umask(mask);
  Work other = testing::full_work();
  SaveResult fresh = savetamo(other, folder_);
  ASSERT_TRUE(fresh.saved);
  EXPECT_EQ(static_cast<fs::perms>(0666 & ~mask), fs::status(fresh.path).permissions());
}

TEST_F(SaveTest, AReadOnlyFileIsReplacedOnlyWhereTheSystemWouldLetItBeWritten) {
  Work work = testing::pelda_work();
  fs::path path = folder_ / "pelda.tamo";
  std::ofstream(path) << "régi";
  fs::permissions(path, fs::perms::owner_read);
  SaveResult result = savetamo(work, folder_);
  if (::geteuid() == 0) {
    // The superuser may write any file; the file keeps its mode all the same.
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(fs::perms::owner_read, fs::status(path).permissions());
  } else {
    EXPECT_FALSE(result.saved);
    EXPECT_EQ("Nem sikerült kiírni a(z) „" + path.string() + "” fájlt: nincs hozzá jogosultság.",
              result.message.value_or(""));
    EXPECT_EQ("régi", read(path));
  }
}

TEST_F(SaveTest, TemporariesLeftByEarlierCrashesNeverBlockASave) {
  Work work = testing::pelda_work();
  for (int n = 0; n < 150; ++n) std::ofstream(folder_ / ("~pelda." + std::to_string(n) + ".tmp"));
  std::ofstream(folder_ / "~pelda.XXXXXX.tmp");
  SaveResult result = savetamo(work, folder_);
  ASSERT_TRUE(result.saved) << result.message.value_or("");
  EXPECT_EQ(encode_lines(work_lines(work)), read(folder_ / "pelda.tamo"));
  EXPECT_EQ(152u, names_in_folder().size());
}

// A work of a few megabytes, so that a write takes long enough to be cut short.
Work large_work(const std::string& text) {
  Work work = testing::pelda_work();
  for (int n = 0; n < 2000; ++n) {
    droom& room = *setup_room(work, "szoba" + std::to_string(n));
    room.short_ = text;
    room.long_ = std::string(1500, 'a') + "\r\n" + text;
  }
  return work;
}

// Runs the step in a child process and gives its exit status, or -1 when it was killed.
template <class Step>
int in_child(Step step) {
  pid_t child = ::fork();
  if (child == 0) ::_exit(step());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SaveTest, AWriteThatFailsMidwayKeepsTheEarlierFileAndRemovesItsTemporary) {
  Work earlier = testing::pelda_work();
  ASSERT_TRUE(savetamo(earlier, folder_).saved);
  std::string bytes = read(folder_ / "pelda.tamo");
  Work large = large_work("új");
  fs::path message_file = folder_.parent_path() / (folder_.filename().string() + ".uzenet");
  int status = in_child([&] {
    // The system refuses to let a file grow past the limit, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{1 << 20, 1 << 20};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SaveResult result = savetamo(large, folder_);
    std::ofstream(message_file) << result.message.value_or("");
    return result.saved ? 1 : 0;
  });
  EXPECT_EQ(0, status);
  EXPECT_EQ("Nem sikerült kiírni a(z) „" + (folder_ / "pelda.tamo").string() +
                "” fájlt: a fájl túl nagy.",
            read(message_file));
  fs::remove(message_file);
  EXPECT_EQ(bytes, read(folder_ / "pelda.tamo"));
  EXPECT_EQ(std::vector<std::string>{"pelda.tamo"}, names_in_folder());
}

TEST_F(SaveTest, ASaveKilledAtAnyPointLeavesTheEarlierOrTheNewFileWhole) {
  Work earlier = large_work("régi");
  ASSERT_TRUE(savetamo(earlier, folder_).saved);
  fs::permissions(folder_ / "pelda.tamo", fs::perms::owner_read | fs::perms::owner_write);
  std::string old_bytes = read(folder_ / "pelda.tamo");
  Work changed = large_work("új");
  std::string new_bytes = encode_lines(work_lines(changed));
  std::mt19937 random(14);
  for (int round = 0; round < 8; ++round) {
    pid_t child = ::fork();
    if (child == 0) {
      for (;;) savetamo(round % 2 == 0 ? changed : earlier, folder_);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 60000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    std::string now = read(folder_ / "pelda.tamo");
    EXPECT_TRUE(now == old_bytes || now == new_bytes) << "round " << round;
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write,
              fs::status(folder_ / "pelda.tamo").permissions());
  }
  SaveResult after = savetamo(changed, folder_);
  ASSERT_TRUE(after.saved) << after.message.value_or("");
  EXPECT_EQ(new_bytes, read(folder_ / "pelda.tamo"));
}

TEST_F(SaveTest, ExitDefaultsFillOnlyWhatIsEmpty) {
  Work work;
  EXPECT_FALSE(has_records(work));
  apply_exit_defaults(work);
  EXPECT_EQ("valami", work.project);
  EXPECT_EQ("valaki", work.name);
  EXPECT_FALSE(work.mail.empty());
  setup_mons(work, "m");
  EXPECT_TRUE(has_records(work));
  ASSERT_TRUE(savetamo(work, folder_).saved);
  std::vector<std::string> lines = work_lines(work);
  EXPECT_EQ("valami", lines[1]);
  EXPECT_EQ("valaki", lines[3]);
  EXPECT_TRUE(fs::exists(folder_ / "valami.tamo"));

  Work named = testing::pelda_work();
  setup_data(named).name.clear();
  apply_exit_defaults(named);
  EXPECT_EQ("pelda", named.project);
  EXPECT_EQ("valaki", named.name);
  EXPECT_EQ("valaki@example.com", named.mail);
}

TEST_F(SaveTest, LoadingAFileThatCannotBeOpenedNamesIt) {
  Work work;
  fs::path path = folder_ / "nincs.tamo";
  LoadResult result = loadfile(work, path);
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(std::vector<std::string>{"Nem sikerült megnyitni a(z) „" + path.string() +
                                     "” fájlt: nincs ilyen fájl vagy mappa."},
            result.messages);
  EXPECT_TRUE(work.project.empty());

  LoadResult folder = loadfile(work, folder_);
  EXPECT_FALSE(folder.complete);
  EXPECT_EQ(1u, folder.messages.size());
  EXPECT_NE(std::string::npos, folder.messages.at(0).find(folder_.string()));
}

}  // namespace
}  // namespace tamo::workfile
