#include "model/mixed_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

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

// Copies share their entries until one of them changes: every change, on either side, short
// and long lists alike, must leave the other exactly as it was.
TEST(MixedList, AChangeToACopyOrItsSourceNeverShowsInTheOther) {
  const std::pair<const char*, std::function<void(MixedList&)>> changes[] = {
      {"new key", [](MixedList& l) { add_mixed(l, "uj", "1"); }},
      {"new value", [](MixedList& l) { add_mixed(l, "k1", "más"); }},
      {"delete", [](MixedList& l) { delete_mixed(l, "k1"); }},
      {"clear", [](MixedList& l) { clear_mixed(l); }},
      {"add all",
       [](MixedList& l) {
         std::vector<dmixed> more{{Text("k2"), Text("x")}, {Text("uj"), Text("y")}};
         add_mixed_all(l, more);
       }},
      {"copy over", [](MixedList& l) { copy_mixed(MixedList(), l); }},
  };
  for (int length : {3, 40}) {
    MixedList source;
    for (int i = 0; i < length; ++i) add_mixed(source, "k" + std::to_string(i), "v");
    const Entries before = entries(source);
    // The shared block's key index is made before any change.
    ASSERT_EQ(source.find("k1"), 1u);
    for (const auto& [name, change] : changes) {
      for (bool change_the_copy : {true, false}) {
        MixedList a = source;
        MixedList b;
        copy_mixed(a, b);
        MixedList& changed = change_the_copy ? b : a;
        const MixedList& kept = change_the_copy ? a : b;
        change(changed);
        EXPECT_EQ(entries(kept), before) << name << ", length " << length;
        EXPECT_NE(entries(changed), before) << name << ", length " << length;
        // Lookups on both sides answer for their own entries.
        for (const dmixed& e : kept) EXPECT_EQ(kept[kept.find(e.key)].key, e.key) << name;
        for (const dmixed& e : changed) EXPECT_EQ(changed[changed.find(e.key)].key, e.key) << name;
      }
    }
    EXPECT_EQ(entries(source), before);
  }
}

// Copies of a long list on several threads look keys up at once: the key index they share
// is made once and read by all.
TEST(MixedList, CopiesOnOtherThreadsFindTheirKeysAtOnce) {
  MixedList source;
  for (int i = 0; i < 500; ++i) add_mixed(source, "k" + std::to_string(i), std::to_string(i));
  std::vector<std::thread> threads;
  std::vector<int> found(4, 0);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([copy = source, &count = found[t]] {
      for (int i = 0; i < 500; ++i)
        if (query_mixed(copy, "k" + std::to_string(i)) == std::to_string(i)) ++count;
    });
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(found, std::vector<int>(4, 500));
}

TEST(MixedList, StrtobIsTrueOnlyForTheTextOne) {
  EXPECT_TRUE(strtob("1"));
  for (const char* s : {"", "0", " 1", "01", "1 ", "igen", "true"}) EXPECT_FALSE(strtob(s)) << s;
  EXPECT_EQ(btostr(true), "1");
  EXPECT_EQ(btostr(false), "0");
}

}  // namespace
}  // namespace tamo
