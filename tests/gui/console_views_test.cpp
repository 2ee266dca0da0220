#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

#include "app/workbench.h"
#include "gui/console_output.h"
#include "gui_fixture.h"
#include "model/numbers.h"
#include "work_setup.h"

namespace tamo::gui::testing {
namespace {

// Two rooms joined east-west; the second one's description is coloured.
class ConsoleViewTest : public WindowTest {
 protected:
  ConsoleViewTest() {
    Work& w = program.bench().work();
    droom* kapu = setup_room(w, "kapu");
    kapu->short_ = "A kapu elott";
    kapu->long_ = "Egy magas fal elott allsz.";
    add_mixed(kapu->exits, "kelet", "udvar");
    droom* udvar = setup_room(w, "udvar");
    udvar->short_ = "Az udvaron";
    udvar->long_ = "Egy %^BOLD%^%^RED%^veres%^RESET%^ zaszlo leng.";
    add_mixed(udvar->exits, "nyugat", "kapu");
    w.current_room = kapu;
    trigger("Teszt1");
    outmud = find<QPlainTextEdit>(window.page("mud"), "outmud");
    inmud = find<QLineEdit>(window.page("mud"), "inmud");
  }

  void enter(const char* command) {
    QTest::keyClicks(inmud, command);
    QTest::keyClick(inmud, Qt::Key_Return);
  }

  // The colour of the character run on screen that holds `text`.
  QColor colour_of(const QString& text) {
    for (QTextBlock b = outmud->document()->begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().text().contains(text))
          return it.fragment().charFormat().foreground().color();
    ADD_FAILURE() << "not on screen: " << text.toStdString();
    return {};
  }

  QString console_text() {
    QStringList lines;
    for (const auto& line : program.bench().console().output().lines())
      lines << QString::fromStdString(line.text);
    return lines.join('\n');
  }

  QPlainTextEdit* outmud = nullptr;
  QLineEdit* inmud = nullptr;
};

TEST_F(ConsoleViewTest, ACommandTypedAndEnteredShowsInTheGamesColours) {
  EXPECT_EQ(window.panels()->currentWidget()->objectName(), "mud");
  EXPECT_EQ(window.focusWidget(), inmud);
  EXPECT_TRUE(outmud->toPlainText().startsWith("kapu\nA kapu elott\n"));

  enter("  k ");
  EXPECT_EQ(inmud->text(), "");
  EXPECT_EQ(program.bench().work().current_room->filename, "udvar");
  EXPECT_EQ(colour_of("veres"), QColor("#FF0000"));
  EXPECT_EQ(colour_of(" zaszlo leng."), QColor("#C0C0C0"));
  EXPECT_EQ(colour_of("Egy kijaratot latsz: nyugat."), QColor("#008000"));
  EXPECT_EQ(colour_of("Az udvaron"), QColor("#0000FF"));
  EXPECT_EQ(outmud->toPlainText(), console_text());
}

// A count that is no number stops the room view after the move: the lines printed so far
// are drawn, the input is empty and the toolkit's message is seen.
TEST_F(ConsoleViewTest, ACommandStoppedByABadCountStillShowsWhatItPrinted) {
  Work& w = program.bench().work();
  setup_item(w, "kard")->short_ = "egy kard";
  add_mixed(setup_room_named(w, "udvar")->contents, "kard", "sok");
  SeenBox seen = answer_message_box([this] { enter("k"); });
  EXPECT_EQ(seen.text.toStdString(), ConversionError("sok").what());
  EXPECT_EQ(inmud->text(), "");
  EXPECT_EQ(program.bench().room_editor().filename.text(), "udvar");
  EXPECT_TRUE(outmud->toPlainText().endsWith("Egy kijaratot latsz: nyugat."));
  EXPECT_EQ(outmud->toPlainText(), console_text());
}

TEST_F(ConsoleViewTest, LooksLikeAGameTerminal) {
  for (QWidget* w : {static_cast<QWidget*>(outmud), static_cast<QWidget*>(inmud)}) {
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_EQ(w->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(w->palette().color(QPalette::Text), QColor(Qt::white));
    // What the font matcher picked on this machine, whichever faces it has, keeps columns.
    QFontInfo font(w->font());
    const QFontMetricsF metrics(w->font());
    for (QChar c : QString::fromUtf8("iW. őÁ_"))
      EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance(QChar('M')))
          << font.family().toStdString() << " " << QString(c).toStdString();
    EXPECT_EQ(font.pixelSize(), 13);
  }
  EXPECT_EQ(outmud->frameShape(), QFrame::NoFrame);
  EXPECT_TRUE(outmud->isReadOnly());
  EXPECT_EQ(outmud->textInteractionFlags(), Qt::NoTextInteraction) << "nothing to select";
  EXPECT_EQ(outmud->focusPolicy(), Qt::NoFocus);
  EXPECT_LT(outmud->geometry().bottom(), inmud->geometry().top()) << "the input is under it";
  EXPECT_EQ(inmud->placeholderText().toStdString(), app::kInmudHint);
  EXPECT_EQ(inmud->toolTip().toStdString(), app::kInmudHint);
}

TEST_F(ConsoleViewTest, TypingStopsAtFiftyCharacters) {
  QTest::keyClicks(inmud, QString(60, 'x'));
  EXPECT_EQ(inmud->text(), QString(50, 'x'));
  EXPECT_EQ(program.bench().mud().inmud.text(), std::string(50, 'x'));
}

// Only what changed is drawn: lines still on screen keep their blocks, the lines trimmed off
// the top leave, and a cleared console starts an empty page.
TEST_F(ConsoleViewTest, RedrawsOnlyTheLinesThatChanged) {
  const int kept_mark = 7;
  for (QTextBlock b = outmud->document()->begin(); b.isValid(); b = b.next())
    b.setUserState(kept_mark);
  int before = outmud->document()->blockCount();
  enter("nez");
  EXPECT_EQ(outmud->toPlainText(), console_text());
  ASSERT_GT(outmud->document()->blockCount(), before);
  EXPECT_EQ(outmud->document()->findBlockByNumber(before - 1).userState(), kept_mark);
  EXPECT_EQ(outmud->document()->findBlockByNumber(before).userState(), -1);

  for (int i = 0; i < 5; ++i) enter("kik");
  EXPECT_EQ(outmud->toPlainText(), console_text()) << "the oldest lines left the top";

  screen.run([this] {
    program.bench().room_editor().filename.set_text("udvar");
    program.bench().Button3Click();
  });
  EXPECT_TRUE(outmud->toPlainText().startsWith("udvar\nAz udvaron\n")) << "cleared first";
  EXPECT_EQ(outmud->toPlainText(), console_text());
}

TEST_F(ConsoleViewTest, TheNewestLinesStayInView) {
  // More than a screenful even after the console keeps only its last lines: long lines wrap.
  std::string tall;
  for (int i = 0; i < 30; ++i) tall += std::to_string(i) + std::string(200, '.') + "\r\n";
  setup_room_named(program.bench().work(), "udvar")->long_ = tall + "%^GREEN%^vege";
  enter("k");
  QScrollBar* bar = outmud->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(outmud->toPlainText(), console_text());
}

// A line of many colours or great length is drawn only to a screenful or two, ending in a
// mark, in its colours; the console still holds all of it, and later lines show whole.
TEST_F(ConsoleViewTest, AVeryLongLineIsDrawnInPartAndKeptWhole) {
  std::string colourful;
  for (int n = 0; n < 20000; ++n) colourful += n % 2 ? "%^RED%^ab" : "%^BLUE%^cd";
  std::string plain(300000, 'x');
  for (const std::string* text : {&colourful, &plain}) {
    setup_room_named(program.bench().work(), "udvar")->short_ = *text;
    enter("k");
    const auto& lines = program.bench().console().output().lines();
    auto held = std::find_if(lines.begin(), lines.end(), [](const auto& line) {
      return line.text.size() > ConsoleOutput::kShownBytesPerLine;
    });
    ASSERT_NE(held, lines.end()) << "the console keeps the whole line";
    QTextBlock shown =
        outmud->document()->findBlockByNumber(static_cast<int>(held - lines.begin()));
    QString expected =
        QString::fromStdString(held->text.substr(0, ConsoleOutput::kShownBytesPerLine)) +
        QString::fromUtf8(ConsoleOutput::kCutMark.data(),
                          static_cast<qsizetype>(ConsoleOutput::kCutMark.size()));
    EXPECT_EQ(shown.text(), expected);
    EXPECT_EQ(outmud->document()->lastBlock().text().toStdString(), lines.back().text);
    if (text == &colourful) {
      EXPECT_EQ(colour_of("ab"), QColor("#AA0000"));
      EXPECT_EQ(colour_of("cd"), QColor("#0000AA"));
    }
    enter("ny");
  }
}

}  // namespace
}  // namespace tamo::gui::testing
