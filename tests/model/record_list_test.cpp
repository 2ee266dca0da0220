#include "model/record_list.h"

#include <gtest/gtest.h>

#include "model/records.h"

namespace tamo {
namespace {

std::vector<std::string> names(const RecordList<droom>& l) {
  std::vector<std::string> out;
  for (const droom& r : l) out.push_back(r.filename);
  return out;
}

TEST(RecordList, KeepsCreationOrderAndFindsTheLastOfAName) {
  RecordList<droom> l;
  droom* a1 = l.add("a");
  l.add("b");
  droom* a2 = l.add("a");
  EXPECT_EQ(names(l), (std::vector<std::string>{"a", "b", "a"}));
  EXPECT_EQ(l.find_last("a"), a2);
  EXPECT_EQ(l.all_named("a"), (std::vector<droom*>{a1, a2}));
  EXPECT_EQ(l.find_last("c"), nullptr);
  EXPECT_EQ(l.head(), a1);
  EXPECT_EQ(l.last(), a2);
}

TEST(RecordList, EraseAndRenameKeepTheIndexTrue) {
  RecordList<droom> l;
  droom* a1 = l.add("a");
  droom* b = l.add("b");
  droom* a2 = l.add("a");
  l.erase(a2);
  EXPECT_EQ(l.find_last("a"), a1);
  l.rename(*b, "a");
  EXPECT_EQ(l.find_last("a"), b) << "b stands behind a1 in the list";
  EXPECT_FALSE(l.contains("b"));
  l.rename(*a1, "c");
  EXPECT_EQ(l.find_last("a"), b);
  EXPECT_EQ(names(l), (std::vector<std::string>{"c", "a"}));
  l.erase(a1);
  l.erase(a1);  // a pointer no longer in the list is ignored
  EXPECT_EQ(names(l), (std::vector<std::string>{"a"}));
}

TEST(RecordList, CopiesAreDeep) {
  RecordList<droom> l;
  l.add("a")->short_ = "x";
  RecordList<droom> c = l;
  c.find_last("a")->short_ = "y";
  EXPECT_EQ(l.find_last("a")->short_, "x");
  EXPECT_NE(c.find_last("a"), l.find_last("a"));
}

}  // namespace
}  // namespace tamo
