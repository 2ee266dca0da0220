#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/form_registry.h"
#include "app/menu.h"

namespace tamo::app {
namespace {

std::vector<std::string> names(const Menu& menu) {
  std::vector<std::string> out;
  for (const MenuItem& i : menu.items) out.push_back(i.name);
  return out;
}

TEST(MenuBar, AnEntryGoesAfterTheNamedOneOrAtTheEnd) {
  MenuBar bar;
  bar.add_menu("Munka1", "Munka");
  bar.add_item("Munka1", {"a", "A", {}, {}});
  bar.add_separator("Munka1", "N2");
  bar.add_item("Munka1", {"c", "C", {}, {}});
  bar.add_item("Munka1", {"b", "B", "Ctrl+B", {}}, "a");
  bar.add_item("Munka1", {"d", "D", {}, {}}, "c");
  EXPECT_EQ(names(bar.menus().front()), (std::vector<std::string>{"a", "b", "N2", "c", "d"}));
  EXPECT_EQ(bar.item("b").shortcut, "Ctrl+B");
  EXPECT_TRUE(is_separator(bar.item("N2")));
}

TEST(MenuBar, ChoosingAnEntryRunsItsHandlerAndUnknownNamesAreRefused) {
  MenuBar bar;
  bar.add_menu("Sg1", "Súgó");
  int runs = 0;
  bar.add_item("Sg1", {"Nvjegy1", "Névjegy", "F1", [&runs] { ++runs; }});
  bar.choose("Nvjegy1");
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(bar.choose("nincs"), std::out_of_range);
  EXPECT_THROW(bar.add_item("nincs", {"x", "X", {}, {}}), std::out_of_range);
  EXPECT_THROW(bar.add_item("Sg1", {"x", "X", {}, {}}, "nincs"), std::out_of_range);
  EXPECT_EQ(names(bar.menus().front()), (std::vector<std::string>{"Nvjegy1"}));
}

TEST(FormRegistry, FormsShareTheFrontOrderOfTheirRegistryOnly) {
  FormRegistry one, other;
  one.add_placeholder(FormRegistry::Kind::panel, "a", "");
  controls::Form installed("a", "A");
  one.install(installed);
  controls::Form b("b");
  one.add(FormRegistry::Kind::dialog, b, FormRegistry::OnReset::hidden);
  controls::Form& elsewhere = other.add_placeholder(FormRegistry::Kind::panel, "c", "");
  EXPECT_EQ(&one.get("a"), &installed);
  b.show();
  for (int i = 0; i < 3; ++i) elsewhere.show();
  installed.show();
  EXPECT_GT(installed.front_order(), b.front_order());
  b.show();
  EXPECT_EQ(b.front_order(), installed.front_order() + 1) << "another registry's forms count apart";
  EXPECT_EQ(one.entries().back().on_reset, FormRegistry::OnReset::hidden);
}

}  // namespace
}  // namespace tamo::app
