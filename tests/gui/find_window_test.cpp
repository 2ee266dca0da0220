#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTest>

#include "gui_fixture.h"

namespace tamo::gui::testing {
namespace {

class FindWindowTest : public WindowTest {
 protected:
  // The work opened and the find box shown by its shortcut.
  QWidget* open_find_box() {
    answer_message_box([this] { program.open(TAMO_ACCEPTANCE_FIXTURES "/szobak.tamo"); });
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    return window.page("findbox");
  }
};

// Ctrl+F opens the box beside the main window; typing without accents lists the hits under
// their kind's heading, and Enter opens the room and the dialog holding the text.
TEST_F(FindWindowTest, TypingListsHitsAndEnterOpensTheRecord) {
  QWidget* box = open_find_box();
  ASSERT_TRUE(box->isVisible());
  EXPECT_EQ(box->windowTitle(), "Keresés");
  EXPECT_TRUE(window.isEnabled());
  auto* text = find<QLineEdit>(box, "findtext");
  EXPECT_TRUE(QTest::qWaitFor([text] { return text->hasFocus(); }));
  QTest::keyClicks(text, "megallj");
  auto* list = find<QListWidget>(box, "found");
  ASSERT_TRUE(QTest::qWaitFor([list] { return list->count() == 2; }));
  EXPECT_EQ(list->item(0)->text(), "Szobák (1)");
  EXPECT_TRUE(list->item(0)->font().bold());
  EXPECT_EQ(list->item(1)->text(), "    kapu – az őr szövege: Megállj!");
  EXPECT_FALSE(list->item(1)->font().bold());

  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "room");
  EXPECT_EQ(program.bench().room_editor().filename.text(), "kapu");
  EXPECT_TRUE(window.page("Form18")->isVisible());
  EXPECT_TRUE(box->isVisible());
}

// (QTRY_* would return from a failing test unseen by the test runner; qWaitFor is checked.)

// Enter straight after typing opens what was typed, though the list had no pause to follow;
// a double-click opens the hit it is on.
TEST_F(FindWindowTest, EnterBeforeThePauseAndADoubleClickOpenTheRightRecord) {
  QWidget* box = open_find_box();
  auto* text = find<QLineEdit>(box, "findtext");
  QTest::keyClicks(text, "pince");
  QTest::keyClick(text, Qt::Key_Return);
  EXPECT_EQ(program.bench().room_editor().filename.text(), "pince");

  text->clear();
  QTest::keyClicks(text, "udvar");
  auto* list = find<QListWidget>(box, "found");
  QList<QListWidgetItem*> hit;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    hit = list->findItems("    udvar – rövid leírás: Az udvaron", Qt::MatchExactly);
    return hit.size() == 1;
  }));
  QRect row = list->visualItemRect(hit.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(program.bench().room_editor().filename.text(), "udvar");
}

// The hits follow the work: a room stored while the box shows is found without typing again.
TEST_F(FindWindowTest, TheHitsFollowTheWork) {
  QWidget* box = open_find_box();
  QTest::keyClicks(find<QLineEdit>(box, "findtext"), "boltiv");
  auto* list = find<QListWidget>(box, "found");
  screen.run([this] {
    editors::RoomEditor& room = program.bench().room_editor();
    app.Szoba1Click();
    room.filename.type("bolt");
    room.short_.type("A boltiv alatt");
    room.long_.type("Hideg van.");
    room.Button1.click();
  });
  EXPECT_TRUE(QTest::qWaitFor([list] {
    return list->findItems("    bolt – rövid leírás: A boltiv alatt", Qt::MatchExactly).size() == 1;
  }));
}

}  // namespace
}  // namespace tamo::gui::testing
