#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

// A text the record holds but the file does not carry would be lost at the next save. The
// record is its texts and its lists and nothing else, so its size tells a field left out.
template <class Record>
void expect_every_field_carried(const format::Block<Record>& block) {
  std::vector<Text Record::*> texts;
  std::size_t lists = 0;
  for (const format::Field<Record>& field : block.fields) {
    if (field.kind == format::Kind::kList) {
      ++lists;
    } else {
      texts.push_back(field.text);
    }
  }
  for (Text Record::*text : texts)
    EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 1) << block.begin;
  EXPECT_EQ(sizeof(Record), texts.size() * sizeof(Text) + lists * sizeof(MixedList))
      << block.begin << ": a field of the record has no key in the file";
}

TEST(RecordBlocks, TheFileCarriesEveryFieldOfEveryRecord) {
  expect_every_field_carried(format::room_block());
  expect_every_field_carried(format::monster_block());
  expect_every_field_carried(format::item_block());
}

TEST(RecordBlocks, TheFileCarriesEveryListTheModelHolds) {
  expect_same_lists(format::room_block(), kRoomLists);
  expect_same_lists(format::monster_block(), kMonsLists);
  expect_same_lists(format::item_block(), kItemLists);
}

}  // namespace
}  // namespace tamo::workfile
