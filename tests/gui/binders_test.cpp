#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <ostream>

#include "controls/edit.h"
#include "controls/lists.h"
#include "gui_fixture.h"
#include "workfile/codec.h"

namespace tamo::gui::testing {
namespace {

// Controls of the test's own, bound onto a shown page.
class BinderTest : public WindowTest {
 protected:
  BinderTest() : column(new QVBoxLayout(&page)) { page.show(); }
  template <class W>
  W* place(W* widget) {
    column->addWidget(widget);
    screen.sync();
    return widget;
  }
  // Keyboard focus needs the page to be the active window.
  void activate_page() {
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  QWidget page;
  QVBoxLayout* column;
};

TEST_F(BinderTest, LengthLimitBindsTypingOnly) {
  controls::Edit level("level", "Szint");
  level.set_max_length(3);
  QLineEdit* line = place(screen.edit(level));
  EXPECT_EQ(line->objectName(), "level");
  EXPECT_EQ(line->accessibleName(), "Szint");
  QTest::keyClicks(line, "12345");
  EXPECT_EQ(level.text(), "123");
  EXPECT_EQ(line->text(), "123");

  screen.run([&] { level.set_text("123456"); });
  EXPECT_EQ(line->text(), "123456") << "text set by the program is not cut";
  line->end(false);
  QTest::keyClicks(line, "7");
  EXPECT_EQ(level.text(), "123456");
  QTest::keyClick(line, Qt::Key_Backspace);
  EXPECT_EQ(level.text(), "12345") << "an over-long text can still be shortened";
}

TEST_F(BinderTest, TypedTextWindows1250CannotHoldArrivesAsQuestionMarks) {
  if (workfile::cp1250_safe("ŵ") == "ŵ") GTEST_SKIP() << "the Windows-1250 codec has not landed";
  controls::Edit name("name", "Név");
  QLineEdit* line = place(screen.edit(name));
  for (const QString& ch : {QStringLiteral("ő"), QStringLiteral("€"), QStringLiteral("ŵ")}) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, ch);
    QApplication::sendEvent(line, &key);
  }
  EXPECT_EQ(name.text(), "ő€?");
  EXPECT_EQ(line->text(), QString::fromUtf8("ő€?"));
  line->insert(QStringLiteral("ŵŷ"));  // a paste
  EXPECT_EQ(name.text(), "ő€???");
}

TEST_F(BinderTest, TypingIntoABigComboDoesNotRebuildItsList) {
  controls::ComboBox filename("filename", "Fájlnév", controls::ComboBox::Style::editable, true);
  for (int i = 0; i < 5000; ++i) filename.add("szoba" + std::to_string(i));
  QComboBox* box = place(screen.combo(filename));
  ASSERT_EQ(box->count(), 5000);
  int rebuilds = 0;
  QAbstractItemModel* model = box->model();
  QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++rebuilds; });
  QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] { ++rebuilds; });
  QObject::connect(model, &QAbstractItemModel::rowsRemoved, [&] { ++rebuilds; });

  QTest::keyClicks(box->lineEdit(), "uj");
  EXPECT_EQ(filename.text(), "uj");
  EXPECT_EQ(rebuilds, 0);

  screen.run([&] { filename.add("aaa"); });
  EXPECT_EQ(box->count(), 5001);
  EXPECT_EQ(box->itemText(0), "aaa");
  EXPECT_EQ(box->currentText(), "uj") << "a new row leaves the typed text alone";
}

TEST_F(BinderTest, PickingAChoiceOfAComboSetsTheText) {
  controls::ComboBox kind("itemtype", "", controls::ComboBox::Style::drop_down_list);
  for (const char* k : {"gyuru", "sisak", "pancel"}) kind.add(k);
  int changes = 0;
  kind.on_change = [&] { ++changes; };
  QComboBox* box = place(screen.combo(kind));
  emit box->activated(2);
  EXPECT_EQ(kind.text(), "pancel");
  EXPECT_EQ(changes, 1);
  screen.run([&] { kind.set_text("sisak"); });
  EXPECT_EQ(box->currentText(), "sisak");
}

TEST_F(BinderTest, RadioGroupFillsItsColumnsAndClampsLikeTheCore) {
  controls::RadioGroup kind(
      "is_weapon", "Típus",
      {"páncél", "fegyver", "étel", "alkohol", "alkoholmentes", "kulcs", "egyéb"}, 2);
  int clicks = 0;
  kind.on_click = [&] { ++clicks; };
  QGroupBox* group = place(screen.radio(kind));
  EXPECT_EQ(group->title(), "Típus");
  auto* grid = static_cast<QGridLayout*>(group->layout());
  int row = 0, col = 0, span = 0;
  grid->getItemPosition(grid->indexOf(group->findChild<QRadioButton*>("is_weapon_4")), &row, &col,
                        &span, &span);
  EXPECT_EQ(std::pair(row, col), std::pair(0, 1)) << "filled down the first column first";

  group->findChild<QRadioButton*>("is_weapon_1")->click();
  EXPECT_EQ(kind.index(), 1);
  EXPECT_EQ(clicks, 1);
  screen.run([&] { kind.set_index(12); });
  EXPECT_TRUE(group->findChild<QRadioButton*>("is_weapon_6")->isChecked());
  screen.run([&] { kind.set_index(-1); });
  for (QRadioButton* b : group->findChildren<QRadioButton*>()) EXPECT_FALSE(b->isChecked());
}

TEST_F(BinderTest, ListSelectionGoesBothWaysAndHiddenControlsHide) {
  controls::ListBox exits("posexits", "Kijáratok");
  for (const char* e : {"eszak", "kelet", "del"}) exits.add(e);
  int selections = 0;
  exits.on_select = [&] { ++selections; };
  QListWidget* list = place(screen.list(exits));
  list->setCurrentRow(1);
  EXPECT_EQ(exits.selected(), 1);
  EXPECT_EQ(selections, 1);
  screen.run([&] {
    exits.remove(1);
    exits.set_visible(false);
  });
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(selections, 1) << "program-made changes raise no user events";
}

// Each change to a long list: which rows give way to which, and the row chosen before it.
struct ListPatch {
  const char* what;
  std::size_t first;
  std::size_t count;
  std::vector<std::string> rows;
  int chosen;
};

void PrintTo(const ListPatch& patch, std::ostream* out) {
  *out << patch.what;
}

class ListPatchTest : public BinderTest, public ::testing::WithParamInterface<ListPatch> {};

TEST_P(ListPatchTest, OnlyTheChangedRowsAreWrittenAndTheChosenRowFollowsTheCore) {
  const ListPatch& patch = GetParam();
  controls::ListBox lines("problems", "Ellenőrzés");
  std::vector<std::string> rows;
  for (int i = 0; i < 200; ++i) rows.push_back("sor " + std::to_string(i));
  lines.assign(rows);
  QListWidget* list = place(screen.list(lines));
  screen.run([&] { lines.select(patch.chosen); });
  QListWidgetItem* first_row = list->item(0);
  QListWidgetItem* last_row = list->item(199);
  int swaps = 0;
  QObject::connect(list->model(), &QAbstractItemModel::modelReset, [&] { swaps += 1000; });
  QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] { ++swaps; });
  QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, [&] { ++swaps; });

  screen.run([&] { lines.replace(patch.first, patch.count, patch.rows); });

  ASSERT_EQ(list->count(), static_cast<int>(lines.items().size())) << patch.what;
  for (int i = 0; i < list->count(); ++i)
    ASSERT_EQ(list->item(i)->text().toStdString(), lines.items()[i]) << patch.what << " row " << i;
  EXPECT_EQ(list->item(0), first_row) << patch.what << ": rows before the change stay";
  EXPECT_EQ(list->item(list->count() - 1), last_row) << patch.what << ": rows after it stay";
  EXPECT_LE(swaps, 2) << patch.what;
  EXPECT_EQ(list->currentRow(), lines.selected()) << patch.what;
  const QList<QListWidgetItem*> selected = list->selectedItems();
  if (lines.selected() < 0) {
    EXPECT_TRUE(selected.isEmpty()) << patch.what;
  } else {
    ASSERT_EQ(selected.size(), 1) << patch.what;
    EXPECT_EQ(selected.front(), list->item(lines.selected())) << patch.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ListPatchTest,
    ::testing::Values(ListPatch{"a row inserted before the chosen one", 50, 0, {"uj"}, 120},
                      ListPatch{"rows removed before the chosen one", 50, 3, {}, 120},
                      ListPatch{"a row rewritten after the chosen one", 150, 1, {"mas"}, 120},
                      ListPatch{"the chosen row itself rewritten", 120, 1, {"mas"}, 120},
                      ListPatch{"the chosen row removed", 119, 3, {}, 120},
                      ListPatch{"many rows swapped for fewer", 20, 150, {"a", "b", "c"}, 5},
                      ListPatch{"a run of equal rows, one more", 60, 0, {"sor 60"}, 61},
                      ListPatch{
                          "nothing chosen, rows replaced by more", 10, 2, {"x", "y", "z"}, -1}));

TEST_F(BinderTest, AComboChangedInTheMiddleKeepsItsChoice) {
  controls::ComboBox exits("exits", "", controls::ComboBox::Style::drop_down_list);
  for (const char* e : {"eszak", "kelet", "del", "nyugat", "fel"}) exits.add(e);
  QComboBox* box = place(screen.combo(exits));
  screen.run([&] { exits.set_text("nyugat"); });
  ASSERT_EQ(box->currentText(), "nyugat");
  screen.run([&] {
    exits.remove(1);
    exits.add("le");
  });
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  EXPECT_EQ(shown, QStringList({"eszak", "del", "nyugat", "fel", "le"}));
  EXPECT_EQ(box->currentIndex(), exits.selected());
  EXPECT_EQ(box->currentText(), QString::fromStdString(exits.text()));
}

TEST_F(BinderTest, TabLeavesAMemoWithoutTypingATab) {
  controls::Memo text("long", "Hosszú leírás");
  controls::Edit next("smelldefault", "Alapszag");
  QPlainTextEdit* memo = place(screen.memo(text));
  QLineEdit* line = place(screen.edit(next));
  activate_page();
  memo->setFocus();
  QTest::keyClicks(memo, "ab");
  QTest::keyClick(memo, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), line);
  EXPECT_EQ(text.text(), "ab");
  QTest::keyClick(line, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), memo);
}

TEST_F(BinderTest, TheCoreLearnsTheFocusTheUserGives) {
  controls::Edit name("monsname", "Név");
  controls::ComboBox race("race", "Faj", controls::ComboBox::Style::editable);
  controls::RadioGroup kind("is_weapon", "Típus", {"páncél", "fegyver"});
  QLineEdit* line = place(screen.edit(name));
  QComboBox* combo = place(screen.combo(race));
  QGroupBox* group = place(screen.radio(kind));
  activate_page();
  controls::Focus& focus = app.focus();
  screen.run([&] { focus.set(&name); });
  EXPECT_EQ(QApplication::focusWidget(), line);

  QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
  EXPECT_TRUE(focus.on(race)) << "a click into the combo box's line";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(focus.on(kind)) << "a tab onto one of the group's buttons";
  QWidget* radio_button = QApplication::focusWidget();
  EXPECT_TRUE(group->isAncestorOf(radio_button));
  std::uint64_t learnt = focus.revision();
  screen.sync();
  EXPECT_EQ(focus.revision(), learnt);
  EXPECT_EQ(QApplication::focusWidget(), radio_button) << "learning draws nothing back";

  // A focus the core set and has not yet drawn wins over the widget Qt moved to meanwhile.
  screen.run([&] {
    focus.set(&name);
    combo->setFocus();
  });
  EXPECT_TRUE(focus.on(name));
  EXPECT_EQ(QApplication::focusWidget(), line);
}

TEST_F(BinderTest, AViewNamesACaptionlessControlForScreenReaders) {
  controls::Edit sentence("posspeech");
  QLineEdit* line = place(screen.edit(sentence));
  screen.set_accessible_name(sentence, "Új mondat");
  screen.sync();
  QTest::keyClicks(line, "Szia");
  screen.run([&] { sentence.set_text("Viszlát"); });
  EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name), "Új mondat");
  screen.run([&] { sentence.set_caption("Mondat"); });
  EXPECT_EQ(line->accessibleName(), "Mondat") << "a caption, once there, is the name";
}

}  // namespace
}  // namespace tamo::gui::testing
