#include <QWidget>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gui_fixture.h"

namespace tamo::gui::testing {
namespace {

std::vector<std::string> tab_fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

// The table is written from the documented captions, not from the code: a caption or hint
// that drifts in the editors shows here as the builder would meet it on screen.
TEST_F(WindowTest, EveryComponentShowsItsDocumentedCaptionAndHint) {
  std::ifstream table(std::string(TAMO_GUI_EXPECTED) + "/components.txt");
  ASSERT_TRUE(table) << "components.txt";
  int checked = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> f = tab_fields(line);
    ASSERT_GE(f.size(), 3u) << line;
    const std::string where = f[0] + " " + f[1];
    QWidget* w = window.page(f[0])->findChild<QWidget*>(QString::fromStdString(f[1]));
    if (!w) {
      ADD_FAILURE() << where << ": no such component";
      continue;
    }
    if (f[2] != "*") {
      EXPECT_EQ(w->accessibleName().toStdString(), f[2]) << where;
    }
    EXPECT_EQ(w->toolTip().toStdString(), f.size() > 3 ? f[3] : "") << where;
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace tamo::gui::testing
