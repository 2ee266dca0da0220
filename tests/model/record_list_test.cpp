#include "model/record_list.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

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

TEST(RecordList, RecordsLoadedUnindexedAreFoundOnceIndexed) {
  RecordList<droom> l;
  for (const char* name : {"a", "", "a", ""}) l.add_unindexed()->filename = name;
  l.index_added();
  droom* b = l.add("b");
  EXPECT_EQ(l.all_named("").size(), 2u);
  EXPECT_EQ(l.find_last("a"), &l[2]);
  EXPECT_EQ(l.find_last("b"), b);
  EXPECT_LT(l.order_of(l[3]), l.order_of(*b));
}

// A record taken out and put back at its old place, as undo does, stands where it stood,
// also among records of the same name.
TEST(RecordList, InsertAtPutsARecordBackInListAndNameOrder) {
  RecordList<droom> l;
  l.add("a")->short_ = "1";
  l.add("b");
  droom* a2 = l.add("a");
  a2->short_ = "2";
  l.add("a")->short_ = "3";
  std::uint64_t order = l.order_of(*a2);
  droom kept = *a2;
  l.erase(a2);
  droom* back = l.insert_at(kept, order);
  EXPECT_EQ(names(l), (std::vector<std::string>{"a", "b", "a", "a"}));
  EXPECT_EQ(&l[2], back);
  std::vector<std::string> shorts;
  for (const droom* r : l.all_named("a")) shorts.push_back(r->short_);
  EXPECT_EQ(shorts, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(l.order_of(*back), order);
  EXPECT_EQ(l.find_last("a")->short_, "3");
}

// Random adds, loads, erases, renames and put-backs against a plain vector: order, lookups and
// positions stay true, records that stay keep their address and texts (erased places are
// reused), and under the sanitizers nothing leaks or is read after it is gone.
TEST(RecordList, StaysTrueThroughMixedChanges) {
  struct Expected {
    std::string name;
    std::string text;
    const droom* at;
  };
  std::mt19937 random(16);
  RecordList<droom> l;
  std::vector<Expected> model;
  std::vector<std::pair<droom, std::uint64_t>> taken;
  const std::vector<std::string> pool_names = {"", "a", "b", "a much longer file name here"};
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  for (int step = 0; step < 3000; ++step) {
    std::string name = pool_names[pick(pool_names.size())];
    std::string text = "record text number " + std::to_string(step) + " long enough for a block";
    switch (pick(6)) {
      case 0:
      case 1: {
        droom* r = l.add(name);
        r->short_ = text;
        model.push_back({name, text, r});
        break;
      }
      case 2: {
        std::size_t n = pick(4);
        for (std::size_t k = 0; k < n; ++k) {
          droom* r = l.add_unindexed();
          r->filename = name;
          r->short_ = text;
          model.push_back({name, text, r});
        }
        l.index_added();
        break;
      }
      case 3:
      case 4:
        if (!model.empty()) {
          std::size_t i = pick(model.size());
          droom* r = &l[i];
          if (pick(2) == 0) taken.emplace_back(*r, l.order_of(*r));
          l.erase(r);
          model.erase(model.begin() + static_cast<std::ptrdiff_t>(i));
        }
        break;
      case 5:
        if (!taken.empty() && pick(2) == 0) {
          auto [record, order] = taken.back();
          taken.pop_back();
          bool still_there = false;
          for (const droom& r : l) still_there |= l.order_of(r) == order;
          if (still_there) break;
          droom* back = l.insert_at(record, order);
          std::size_t i = 0;
          while (i < model.size() && l.order_of(*model[i].at) < order) ++i;
          model.insert(model.begin() + static_cast<std::ptrdiff_t>(i),
                       {record.filename, record.short_, back});
        } else if (!model.empty()) {
          std::size_t i = pick(model.size());
          l.rename(l[i], name);
          model[i].name = name;
        }
        break;
    }
    ASSERT_EQ(l.size(), model.size());
  }
  std::set<std::string> seen;
  for (std::size_t i = 0; i < model.size(); ++i) {
    ASSERT_EQ(&l[i], model[i].at);
    ASSERT_EQ(l[i].filename, model[i].name);
    ASSERT_EQ(l[i].short_, model[i].text);
    ASSERT_EQ(l.first_of_its_name(l[i]), seen.insert(model[i].name).second) << i;
    if (i > 0) {
      ASSERT_LT(l.order_of(l[i - 1]), l.order_of(l[i]));
    }
  }
  for (const std::string& name : pool_names) {
    std::vector<const droom*> want;
    for (const Expected& e : model)
      if (e.name == name) want.push_back(e.at);
    EXPECT_EQ(std::as_const(l).all_named(name), want) << name;
    EXPECT_EQ(l.find_last(name), want.empty() ? nullptr : want.back()) << name;
  }
  RecordList<droom> copy = l;
  RecordList<droom> moved = std::move(l);
  EXPECT_EQ(moved.size(), model.size());
  EXPECT_TRUE(model.empty() || &moved[0] == model[0].at) << "a moved list keeps its records";
  copy = std::move(moved);  // the copy's own records are freed
  EXPECT_EQ(copy.size(), model.size());
  EXPECT_EQ(names(copy).size(), model.size());
}

// Large works fill the pool's full-size chunks (a huge page each); records there keep their
// places and texts while others come and go, and places given back are used again.
TEST(RecordList, LargeListsKeepEveryRecordAcrossFullSizeChunks) {
  RecordList<droom> l;
  std::vector<const droom*> at;
  for (int i = 0; i < 60000; ++i) {
    droom* r = l.add("szoba" + std::to_string(i));
    r->short_ = "a room of a large work, number " + std::to_string(i);
    at.push_back(r);
  }
  for (int i = 59999; i >= 0; i -= 10) l.erase(&l[static_cast<std::size_t>(i)]);
  std::vector<const droom*> reused;
  for (int i = 0; i < 8000; ++i) reused.push_back(l.add("uj" + std::to_string(i)));
  std::size_t kept = 0;
  for (int i = 0; i < 60000; ++i) {
    if ((59999 - i) % 10 == 0) continue;
    const droom& r = l[kept++];
    ASSERT_EQ(&r, at[static_cast<std::size_t>(i)]);
    ASSERT_EQ(r.filename, "szoba" + std::to_string(i));
    ASSERT_EQ(r.short_, "a room of a large work, number " + std::to_string(i));
  }
  EXPECT_EQ(l.size(), kept + reused.size());
  EXPECT_EQ(reused.front(), at[9]) << "the last place given back is handed out first";
  EXPECT_EQ(l.find_last("uj7999"), reused.back());
}

}  // namespace
}  // namespace tamo
