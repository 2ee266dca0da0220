#include "model/item_kind.h"

#include <gtest/gtest.h>

namespace tamo {
namespace {

TEST(ItemKind, OnlyTheDigitTheProgramWritesNamesAKind) {
  struct Case {
    const char* stored;
    std::optional<ItemKind> kind;
  };
  for (const Case& c :
       {Case{"0", ItemKind::armour}, Case{"1", ItemKind::weapon}, Case{"4", ItemKind::soft_drink},
        Case{"5", ItemKind::key}, Case{"6", ItemKind::other}, Case{"7", std::nullopt},
        Case{"05", std::nullopt}, Case{"5 ", std::nullopt}, Case{"", std::nullopt},
        Case{"-1", std::nullopt}, Case{"kulcs", std::nullopt}})
    EXPECT_EQ(stored_item_kind(c.stored), c.kind) << '"' << c.stored << '"';
}

TEST(ItemKind, EveryKindReadsBackFromWhatTheFileStores) {
  for (ItemKind kind : {ItemKind::armour, ItemKind::weapon, ItemKind::food, ItemKind::alcohol,
                        ItemKind::soft_drink, ItemKind::key, ItemKind::other})
    EXPECT_EQ(stored_item_kind(stored_text(kind)), kind);
}

TEST(ItemKind, OnlyAKeyOpensADoor) {
  ditem item;
  for (const char* stored : {"5", "05", "6", ""}) {
    item.is_weapon = stored;
    EXPECT_EQ(is_key_item(item), std::string(stored) == "5") << stored;
  }
}

}  // namespace
}  // namespace tamo
