#include "model/mixed_list.h"

#include <gtest/gtest.h>

namespace tamo {
namespace {

std::vector<std::pair<std::string, std::string>> entries(const MixedList& l) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const dmixed& e : l) out.emplace_back(e.key, e.value);
  return out;
}

using Entries = std::vector<std::pair<std::string, std::string>>;

TEST(MixedList, AddingAnExistingKeyKeepsItsPlaceAndTakesTheNewValue) {
  MixedList l;
  add_mixed(l, "indoors", "1");
  add_mixed(l, "light", "2");
  add_mixed(l, "indoors", "0");
  EXPECT_EQ(entries(l), (Entries{{"indoors", "0"}, {"light", "2"}}));
}

TEST(MixedList, TheEndMarkerIsNeverAKey) {
  MixedList l;
  add_mixed(l, "MIXEDEND", "x");
  EXPECT_TRUE(l.empty());
  add_mixed(l, "a", "1");
  add_mixed(l, "MIXEDEND", "");
  EXPECT_EQ(entries(l), (Entries{{"a", "1"}}));
}

TEST(MixedList, KeysAreCaseSensitive) {
  MixedList l;
  add_mixed(l, "Kapu", "1");
  add_mixed(l, "kapu", "2");
  EXPECT_EQ(l.size(), 2u);
  EXPECT_EQ(query_mixed(l, "Kapu"), "1");
}

TEST(MixedList, QueryOfMissingKeyOrEmptyListIsEmpty) {
  MixedList l;
  EXPECT_EQ(query_mixed(l, "x"), "");
  add_mixed(l, "a", "1");
  EXPECT_EQ(query_mixed(l, "x"), "");
}

TEST(MixedList, AnEmptyValueStaysAndCannotBeDeleted) {
  MixedList l;
  add_mixed(l, "a", "");
  EXPECT_EQ(l.size(), 1u);
  EXPECT_EQ(query_mixed(l, "a"), "");
  delete_mixed(l, "a");
  EXPECT_EQ(entries(l), (Entries{{"a", ""}}));
}

TEST(MixedList, DeletingHeadOnlyAndMissingEntries) {
  MixedList l;
  add_mixed(l, "a", "1");
  delete_mixed(l, "a");
  EXPECT_TRUE(l.empty());

  add_mixed(l, "a", "1");
  add_mixed(l, "b", "2");
  add_mixed(l, "c", "3");
  delete_mixed(l, "a");
  EXPECT_EQ(entries(l), (Entries{{"b", "2"}, {"c", "3"}}));
  delete_mixed(l, "zz");
  EXPECT_EQ(entries(l), (Entries{{"b", "2"}, {"c", "3"}}));
}

TEST(MixedList, CopyReplacesTheDestinationInSourceOrder) {
  MixedList src, dst;
  add_mixed(dst, "old", "1");
  copy_mixed(src, dst);
  EXPECT_TRUE(dst.empty());

  add_mixed(src, "b", "2");
  add_mixed(src, "a", "");
  add_mixed(dst, "old", "1");
  copy_mixed(src, dst);
  EXPECT_EQ(entries(dst), (Entries{{"b", "2"}, {"a", ""}}));
  add_mixed(src, "b", "9");
  EXPECT_EQ(query_mixed(dst, "b"), "2") << "a copy shares nothing with its source";
}

TEST(MixedList, LongListsKeepTheirOrderAndUniqueKeysThroughAddsAndDeletes) {
  MixedList l;
  for (int i = 0; i < 100; ++i) add_mixed(l, "k" + std::to_string(i), std::to_string(i));
  add_mixed(l, "k5", "five");
  delete_mixed(l, "k0");
  add_mixed(l, "k0", "again");
  delete_mixed(l, "k50");
  EXPECT_EQ(l.size(), 99u);
  EXPECT_EQ(l[0].key, "k1");
  EXPECT_EQ(query_mixed(l, "k5"), "five");
  EXPECT_EQ(query_mixed(l, "k50"), "");
  EXPECT_EQ(query_mixed(l, "k99"), "99");
  EXPECT_EQ(l[98].key, "k0");
  MixedList copy;
  copy_mixed(l, copy);
  EXPECT_EQ(copy, l);
  add_mixed(copy, "k99", "x");
  EXPECT_EQ(query_mixed(l, "k99"), "99");
}

TEST(MixedList, StrtobIsTrueOnlyForTheTextOne) {
  EXPECT_TRUE(strtob("1"));
  for (const char* s : {"", "0", " 1", "01", "1 ", "igen", "true"}) EXPECT_FALSE(strtob(s)) << s;
  EXPECT_EQ(btostr(true), "1");
  EXPECT_EQ(btostr(false), "0");
}

}  // namespace
}  // namespace tamo
