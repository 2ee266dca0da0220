#include <gtest/gtest.h>

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
