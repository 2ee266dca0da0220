#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sample_works.h"
#include "work_setup.h"
#include "workfile/workfile.h"

namespace tamo::workfile {
namespace {

namespace fs = std::filesystem;

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tamo_save_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
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

TEST_F(SaveTest, FailureNamesTheFileAndLeavesNoTemporaryBehind) {
  Work work = testing::pelda_work();
  SaveResult missing = savetamo(work, folder_ / "nincs");
  EXPECT_FALSE(missing.saved);
  EXPECT_EQ(
      "Nem sikerült létrehozni a(z) „" + (folder_ / "nincs" / "pelda.tamo").string() + "” fájlt.",
      missing.message.value_or(""));

  fs::create_directory(folder_ / "pelda.tamo");
  SaveResult blocked = savetamo(work, folder_);
  EXPECT_FALSE(blocked.saved);
  EXPECT_EQ("Nem sikerült kiírni a(z) „" + (folder_ / "pelda.tamo").string() + "” fájlt.",
            blocked.message.value_or(""));
  EXPECT_EQ(std::vector<std::string>{"pelda.tamo"}, names_in_folder());
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
  EXPECT_EQ(std::vector<std::string>{"Nem sikerült megnyitni a(z) „" + path.string() + "” fájlt."},
            result.messages);
  EXPECT_TRUE(work.project.empty());

  LoadResult folder = loadfile(work, folder_);
  EXPECT_FALSE(folder.complete);
  EXPECT_EQ(1u, folder.messages.size());
  EXPECT_NE(std::string::npos, folder.messages.at(0).find(folder_.string()));
}

}  // namespace
}  // namespace tamo::workfile
