#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "model/storing.h"
#include "temp_folder.h"
#include "work_files.h"
#include "workfile/workfile.h"

#include "gui_fixture.h"

namespace tamo::gui::testing {
namespace {

using CheckWindowTest = WindowTest;

// F7 lists the faults of a loaded work beside the main window; a double-click on one opens
// its room and the exits dialog holding it, and the status bar counts the problems.
TEST_F(CheckWindowTest, ADoubleClickedFaultOpensItsRecordAndDialog) {
  answer_message_box([this] { program.open(TAMO_ACCEPTANCE_FIXTURES "/szobak.tamo"); });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_F7);
  QWidget* check = window.page("areacheck");
  ASSERT_TRUE(check->isVisible());
  EXPECT_EQ(check->windowTitle(), "Ellenőrzés");
  EXPECT_TRUE(window.isEnabled());
  auto* list = find<QListWidget>(check, "problems");
  QList<QListWidgetItem*> exit =
      list->findItems("figyelmeztetés: szoba kapu: a(z) del kijárat", Qt::MatchStartsWith);
  ASSERT_EQ(exit.size(), 1);
  auto* count = find<QLabel>(&window, "problemcount");
  const QString summary = qs(program.bench().area_check().summary());
  EXPECT_TRUE(QTest::qWaitFor([&] { return count->text() == summary; }))
      << count->text().toStdString();
  EXPECT_NE(program.bench().area_check().problem_count(), 0u);

  QRect row = list->visualItemRect(exit.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "room");
  EXPECT_EQ(program.bench().room_editor().filename.text(), "kapu");
  EXPECT_TRUE(window.page("Form5")->isVisible());
  EXPECT_TRUE(check->isVisible());
}

// The list follows the work: what the check reports after a change shows without asking.
TEST_F(CheckWindowTest, TheListFollowsTheWork) {
  trigger("Ellenrzs1");
  auto* list = find<QListWidget>(window.page("areacheck"), "problems");
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return list->findItems("munka: ", Qt::MatchStartsWith).size() == 1; }));
  screen.run([this] {
    editors::RoomEditor& room = program.bench().room_editor();
    app.Szoba1Click();
    room.filename.type("pince");
    room.short_.type("Egy pince");
    room.long_.type("Sotet pince.");
    room.Button1.click();
  });
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return list->findItems("szoba pince: ok", Qt::MatchExactly).size() == 1; }));
}

// A work whose check has more lines than the list takes between two events: the lines come a
// slice at a time, a change meanwhile is followed, and the list ends holding every line.
TEST_F(CheckWindowTest, ABigWorksLinesFillTheListInSlicesAndFollowAChangeMeanwhile) {
  const std::filesystem::path folder = tamo::testing::fresh_temp_folder("tamo_gui_big_check");
  Work big = tamo::testing::clean_work();
  for (int i = 0; i < 20000; ++i)
    setup_room(big, "r" + std::to_string(i), "Egy szoba", i % 2 ? "Csendes szoba." : "");
  const std::filesystem::path file = folder / "nagy.tamo";
  std::ofstream(file, std::ios::binary) << workfile::encode_lines(workfile::work_lines(big));
  program.open(file);
  app::AreaCheck& check = program.bench().area_check();
  auto* list = find<QListWidget>(window.page("areacheck"), "problems");
  ASSERT_TRUE(QTest::qWaitFor([&] { return check.filling() && list->count() > 0; }, 60000));
  screen.run([this] { delete_room(app.work(), "r3"); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !check.judging() && !check.filling(); }, 60000));
  QApplication::processEvents();
  ASSERT_EQ(static_cast<std::size_t>(list->count()), check.lines().size());
  for (int row = 0; row < list->count(); ++row)
    ASSERT_EQ(list->item(row)->text().toStdString(), check.lines()[row].text) << row;
  EXPECT_TRUE(list->findItems("szoba r3:", Qt::MatchStartsWith).isEmpty());
  EXPECT_EQ(program.bench().area_check().problem_count(), 10000u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tamo::gui::testing
