#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "check/report.h"
#include "cli/check.h"
#include "cli/session.h"

namespace tamo::cli {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The window's check list, opened after "Betöltés", says what tamo-cli check prints under
// the file's name, line for line, on every acceptance fixture.
TEST(CheckWindow, ListsWhatTamoCliCheckPrints) {
  std::vector<std::filesystem::path> fixtures;
  for (const auto& entry : std::filesystem::directory_iterator(TAMO_ACCEPTANCE_FIXTURES))
    if (entry.path().extension() == ".tamo") fixtures.push_back(entry.path());
  std::sort(fixtures.begin(), fixtures.end());
  ASSERT_GE(fixtures.size(), 5u);
  for (const std::filesystem::path& fixture : fixtures) {
    SCOPED_TRACE(fixture.filename().string());
    std::vector<std::string> printed =
        lines_of(check_text({fixture.string(), check::check_file(fixture)}));
    printed.erase(printed.begin());  // the file's name

    Session session;
    session.open(fixture);
    session.run_event([&] { session.app().menu_bar().choose("Ellenrzs1"); });
    app::AreaCheck& window = session.bench().area_check();
    EXPECT_TRUE(window.form.visible());
    std::vector<std::string> listed;
    for (const std::string& item : window.problems.items()) listed.push_back(one_line(item));
    EXPECT_EQ(listed, printed);
  }
}

}  // namespace
}  // namespace tamo::cli
