#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/records.h"
#include "workfile/format.h"

namespace tamo::workfile {
namespace {

// A list the model starts, stores and copies but the file does not carry (or the other way
// round) would be lost on one of the two paths.
template <class Record, std::size_t N>
void expect_same_lists(const format::Block<Record>& block,
                       const std::array<MixedList Record::*, N>& model) {
  std::vector<MixedList Record::*> written;
  for (const format::Field<Record>& field : block.fields)
    if (field.kind == format::Kind::kList) written.push_back(field.list);
  EXPECT_EQ(written.size(), N) << block.begin;
  for (MixedList Record::*list : model)
    EXPECT_EQ(std::count(written.begin(), written.end(), list), 1) << block.begin;
}

TEST(RecordBlocks, TheFileCarriesEveryListTheModelHolds) {
  expect_same_lists(format::room_block(), kRoomLists);
  expect_same_lists(format::monster_block(), kMonsLists);
  expect_same_lists(format::item_block(), kItemLists);
}

}  // namespace
}  // namespace tamo::workfile
