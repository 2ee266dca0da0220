#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "controls/control.h"
#include "controls/edit.h"
#include "controls/form.h"
#include "controls/lists.h"

namespace tamo::controls {
namespace {

TEST(Edit, ChangeHandlerRunsOnlyWhenTheTextChanges) {
  Edit e("e");
  int runs = 0;
  e.on_change = [&] { ++runs; };
  e.set_text("");
  EXPECT_EQ(runs, 0);
  e.set_text("a");
  e.set_text("a");
  EXPECT_EQ(runs, 1);
}

TEST(Edit, AFilterThatEmptiesTheBoxRunsOnceMoreAndStops) {
  Edit e("money");
  int runs = 0;
  e.on_change = [&] {
    ++runs;
    for (char c : e.text())
      if (c < '0' || c > '9') return e.set_text("");
  };
  e.type("12a");
  EXPECT_EQ(e.text(), "");
  EXPECT_EQ(runs, 4);  // "1", "12", "12a", then ""
}

TEST(Edit, LengthLimitBindsTypingOnly) {
  Edit e("level");
  e.set_max_length(3);
  e.type("12345");
  EXPECT_EQ(e.text(), "123");
  e.set_text("123456");
  EXPECT_EQ(e.text(), "123456");
  Edit accents("a");
  accents.set_max_length(2);
  accents.type("áéí");
  EXPECT_EQ(accents.text(), "áé") << "the limit counts characters, not bytes";
}

TEST(Memo, TypedLineBreaksBecomeCrLf) {
  Memo m("long");
  m.type("a\nb");
  EXPECT_EQ(m.text(), "a\r\nb");
}

// Texts already broken by CR LF alone pass as they are; any other break is made a CR LF,
// also right after or before a CR LF.
TEST(Memo, EveryLineBreakBecomesCrLf) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"egy", "egy"},
      {"egy\r\nketto\r\n", "egy\r\nketto\r\n"},
      {"\r\n\r\n", "\r\n\r\n"},
      {"egy\r", "egy\r\n"},
      {"\n", "\r\n"},
      {"egy\r\r\nketto", "egy\r\n\r\nketto"},
      {"egy\r\n\nketto", "egy\r\n\r\nketto"},
      {"\r\n\r", "\r\n\r\n"},
      {"\n\r", "\r\n\r\n"},
  };
  for (const auto& [given, kept] : cases) EXPECT_EQ(crlf_lines(given), kept) << given;
}

// Every route into a one-line box ends at set_text, so each keeps the first line only.
TEST(Edit, AOneLineBoxKeepsTheFirstLineOfWhateverItIsGiven) {
  struct Case {
    const char* given;
    const char* kept;
  };
  const Case cases[] = {{"Kovács\r\nJános", "Kovács"}, {"egy\nketto", "egy"},
                        {"egy\rketto", "egy"},         {"\r\nmasodik", ""},
                        {"egy sor", "egy sor"},        {"vége\r\n", "vége"}};
  for (const Case& c : cases) {
    Edit edit("e");
    ComboBox combo("c", "", ComboBox::Style::editable);
    int changes = 0;
    edit.on_change = [&] { ++changes; };
    edit.user_set_text(c.given);
    combo.user_set_text(c.given);
    EXPECT_EQ(edit.text(), c.kept) << c.given;
    EXPECT_EQ(combo.text(), c.kept) << c.given;
    edit.set_text(c.given);
    EXPECT_EQ(edit.text(), c.kept) << c.given;
    EXPECT_EQ(changes, *c.kept ? 1 : 0) << c.given;
  }
  Edit typed("t");
  typed.type("ab\ncd");
  EXPECT_EQ(typed.text(), "abcd");
  Memo memo("m");
  memo.user_set_text("egy\r\nketto");
  EXPECT_EQ(memo.text(), "egy\r\nketto");
  memo.user_set_text("egy\nketto\rharom\r\n\nöt");
  EXPECT_EQ(memo.text(), "egy\r\nketto\r\nharom\r\n\r\nöt") << "every break is a CR LF";
}

TEST(ListBox, SortedByByteOrderAndSelectionFollowsItsRow) {
  ListBox l("l", "", true);
  l.add("b");
  l.add("B");
  l.add("á");
  l.add("a");
  EXPECT_EQ(l.items(), (std::vector<std::string>{"B", "a", "b", "á"}));
  l.select(l.index_of("b"));
  l.add("aa");
  EXPECT_EQ(l.selected_text(), "b");
  l.remove(0);
  EXPECT_EQ(l.selected_text(), "b");
  l.remove(l.index_of("b"));
  EXPECT_EQ(l.selected(), -1);
  l.select(99);
  EXPECT_EQ(l.selected(), -1);
}

TEST(ListBox, AssignOrdersAsAddingOneByOneWould) {
  const std::vector<std::string> names{"b", "B", "á", "a", "b"};
  for (bool sorted : {true, false}) {
    ListBox added("l", "", sorted);
    for (const std::string& n : names) added.add(n);
    ListBox assigned("l", "", sorted);
    assigned.add("old");
    assigned.select(0);
    assigned.assign(names);
    EXPECT_EQ(assigned.items(), added.items()) << sorted;
    EXPECT_EQ(assigned.selected(), -1);
  }
}

// Items added in bulk are put in place later; every question in between must still see
// the rows and the selection as one sorted insert at a time would leave them.
TEST(ListBox, AddsInAnyOrderAnswerAsSortedInsertsOneByOne) {
  struct Step {
    char op;  // a: add, s: select row, r: remove row, f: find text
    std::string text;
    int row = 0;
  };
  const std::vector<std::vector<Step>> cases{
      {{'a', "c"}, {'a', "a"}, {'s', "", 1}, {'a', "b"}, {'a', "c"}, {'a', "a"}, {'f', "c"}},
      {{'a', "b"}, {'a', "b"}, {'s', "", 1}, {'a', "b"}, {'a', "a"}, {'r', "", 0}, {'a', "b"}},
      {{'a', "x"}, {'f', "y"}, {'a', "y"}, {'f', "y"}, {'r', "", 1}, {'f', "y"}, {'a', "á"}},
  };
  for (std::size_t c = 0; c < cases.size(); ++c) {
    ListBox list("l", "", true);
    std::vector<std::string> rows;
    int selected = -1;
    for (const Step& step : cases[c]) {
      switch (step.op) {
        case 'a': {
          auto at = std::upper_bound(rows.begin(), rows.end(), step.text);
          int index = static_cast<int>(at - rows.begin());
          rows.insert(at, step.text);
          if (selected >= index) ++selected;
          list.add(step.text);
          break;
        }
        case 's':
          selected = step.row;
          list.select(step.row);
          break;
        case 'r':
          rows.erase(rows.begin() + step.row);
          selected = selected == step.row ? -1 : selected - (selected > step.row);
          list.remove(step.row);
          break;
        case 'f': {
          auto at = std::find(rows.begin(), rows.end(), step.text);
          EXPECT_EQ(list.index_of(step.text),
                    at == rows.end() ? -1 : static_cast<int>(at - rows.begin()))
              << c;
          break;
        }
      }
      EXPECT_EQ(list.count(), rows.size()) << c;
    }
    EXPECT_EQ(list.items(), rows) << c;
    EXPECT_EQ(list.selected(), selected) << c;
  }
}

TEST(ComboBox, DropDownTextIsTheSelectedItemAndChangesRunTheHandler) {
  ComboBox c("race", "Faja", ComboBox::Style::drop_down_list, true);
  int runs = 0;
  c.on_change = [&] { ++runs; };
  c.add("ork");
  c.add("elf");
  c.set_text("ork");
  EXPECT_EQ(c.text(), "ork");
  c.set_text("nincs ilyen");
  EXPECT_EQ(c.selected(), -1);
  EXPECT_EQ(c.text(), "");
  EXPECT_EQ(runs, 2);
  c.type("elf");
  EXPECT_EQ(c.text(), "") << "a drop-down list takes no typing";
}

TEST(ComboBox, EditablePickSetsTheText) {
  ComboBox c("filename", "Fájlnév", ComboBox::Style::editable, true);
  std::vector<std::string> seen;
  c.on_change = [&] { seen.push_back(c.text()); };
  c.add("kapu");
  c.user_select(0);
  c.set_max_length(8);
  c.type("123456789");
  EXPECT_EQ(c.text(), "kapu1234");
  EXPECT_EQ(seen.front(), "kapu");
}

TEST(RadioGroup, ClampsAboveAndSelectsNoneBelow) {
  RadioGroup r("light", "Fények", {"a", "b", "c"});
  int clicks = 0;
  r.on_click = [&] { ++clicks; };
  r.set_index(7);
  EXPECT_EQ(r.index(), 2);
  r.set_index(2);
  EXPECT_EQ(clicks, 1);
  r.set_index(-5);
  EXPECT_EQ(r.index(), -1);
  EXPECT_EQ(clicks, 2);
}

TEST(Form, HideSkipsTheCloseHandlerCloseRunsIt) {
  Form f("Form2", "Szoba jellemzők");
  int closes = 0;
  f.on_close = [&] { ++closes; };
  EXPECT_FALSE(f.visible());
  f.show();
  f.hide();
  EXPECT_EQ(closes, 0);
  f.show();
  f.close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(f.visible());
}

TEST(Form, TheLastShownIsInFront) {
  Form a("a"), b("b");
  Stacking stacking;
  stacking.join(a);
  stacking.join(b);
  a.show();
  b.show();
  EXPECT_GT(b.front_order(), a.front_order());
  a.show();
  EXPECT_GT(a.front_order(), b.front_order());
}

TEST(Button, DisabledButtonsIgnoreClicks) {
  Button b("b", "Kész");
  int n = 0;
  b.on_click = [&] { ++n; };
  b.set_enabled(false);
  b.click();
  EXPECT_EQ(n, 0);
  b.set_enabled(true);
  b.click();
  EXPECT_EQ(n, 1);
}

}  // namespace
}  // namespace tamo::controls
