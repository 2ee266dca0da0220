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

// A file's list arrives whole: onto an empty or a filled list, with keys it already has,
// end markers among them, and past the size where a key index is kept.
TEST(MixedList, AddingAllTakesEachEntryAsAddingOneByOneWould) {
  MixedList none;
  std::vector<dmixed> markers{{Text("MIXEDEND"), Text("1")}, {Text("MIXEDEND"), Text("2")}};
  add_mixed_all(none, markers);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.begin(), none.end());

  MixedList all;
  MixedList one_by_one;
  for (MixedList* l : {&all, &one_by_one}) add_mixed(*l, "k3", "three");
  std::vector<dmixed> batch;
  for (int i = 0; i < 80; ++i) {
    std::string key = i % 9 == 4 ? "MIXEDEND" : "k" + std::to_string(i % 60);
    batch.push_back({Text(key), Text(std::to_string(i))});
    add_mixed(one_by_one, key, std::to_string(i));
  }
  MixedList before = all;
  add_mixed_all(all, batch);
  EXPECT_EQ(entries(all), entries(one_by_one));
  EXPECT_EQ(entries(before), (Entries{{"k3", "three"}})) << "a copy shares nothing";
  EXPECT_EQ(query_mixed(all, "k3"), "63");
  EXPECT_EQ(all.find("k59"), one_by_one.find("k59"));

  // A copy of a long list shares its key index until one of them changes.
  MixedList copy = all;
  delete_mixed(all, "k0");
  delete_mixed(one_by_one, "k0");
  add_mixed(copy, "uj", "1");
  EXPECT_EQ(entries(all), entries(one_by_one));
  for (const dmixed& e : one_by_one) EXPECT_EQ(all[all.find(e.key)].key, e.key);
  EXPECT_EQ(copy.find("k1"), all.find("k1") + 1);
  EXPECT_EQ(copy.find("uj"), copy.size() - 1);
  EXPECT_EQ(all.find("uj"), MixedList::npos);
}

TEST(MixedList, StrtobIsTrueOnlyForTheTextOne) {
  EXPECT_TRUE(strtob("1"));
  for (const char* s : {"", "0", " 1", "01", "1 ", "igen", "true"}) EXPECT_FALSE(strtob(s)) << s;
  EXPECT_EQ(btostr(true), "1");
  EXPECT_EQ(btostr(false), "0");
}

}  // namespace
}  // namespace tamo
