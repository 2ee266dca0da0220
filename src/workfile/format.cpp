#include "workfile/format.h"

#include <array>

namespace tamo::workfile::format {

namespace {

template <class R>
constexpr Field<R> text(std::string_view key, Text R::*member) {
  return {key, Kind::kText, member, nullptr, {}};
}
template <class R>
constexpr Field<R> long_text(std::string_view key, std::string_view end) {
  return {key, Kind::kLong, &R::long_, nullptr, end};
}
template <class R>
constexpr Field<R> list(std::string_view key, MixedList R::*member) {
  return {key, Kind::kList, nullptr, member, {}};
}

// The smell default precedes the listen default and the guards precede the exits here,
// unlike the record: stored files have always been written in this order.
const auto kRoomFields = std::to_array<Field<droom>>({
    text("ROOMFILENAME", &droom::filename),
    text("ROOMSHORT", &droom::short_),
    long_text<droom>("ROOMLONG", "ROOMLONGEND"),
    text("ROOMSMELLDEFAULT", &droom::smelldefault),
    text("ROOMLISTENDEFAULT", &droom::listendefault),
    list("ROOMITEMS", &droom::items),
    list("ROOMSMELL", &droom::smell),
    list("ROOMLISTEN", &droom::listen),
    list("ROOMSEARCH", &droom::search),
    list("ROOMPROPERTIES", &droom::properties),
    list("ROOMCONTENTS", &droom::contents),
    list("ROOMGUARD", &droom::guard),
    list("ROOMEXITS", &droom::exits),
    list("ROOMDOORS", &droom::doors),
    list("ROOMKEYS", &droom::keys),
});

const auto kMonsterFields = std::to_array<Field<dmons>>({
    text("MONSFILENAME", &dmons::filename),   text("MONSNAME", &dmons::name),
    text("MONSSHORT", &dmons::short_),        long_text<dmons>("MONSLONG", "MONSLONGEND"),
    text("MONSRACE", &dmons::race),           text("MONSGENDER", &dmons::gender),
    text("MONSCLASS1", &dmons::class1),       text("MONSCLASS2", &dmons::class2),
    text("MONSCLASS3", &dmons::class3),       text("MONSLEVEL", &dmons::level),
    text("MONSALIGNMENT", &dmons::alignment), text("MONSSPEED", &dmons::speed),
    text("MONSSPEMSPEED", &dmons::spemspeed), text("MONSAGGRESSIVE", &dmons::aggressive),
    text("MONSMONEY", &dmons::money),         list("MONSIDS", &dmons::ids),
    list("MONSSPEECH", &dmons::speech),       list("MONSEMOTE", &dmons::emote),
    list("MONSEQUIPMENT", &dmons::equipment),
});

const auto kItemFields = std::to_array<Field<ditem>>({
    text("ITEMFILENAME", &ditem::filename),
    text("ITEMNAME", &ditem::name),
    text("ITEMSHORT", &ditem::short_),
    long_text<ditem>("ITEMLONG", "ITEMLONGEND"),
    text("ITEMMINLEVEL", &ditem::minlevel),
    text("ITEMRARITY", &ditem::rarity),
    text("ITEMWEIGHT", &ditem::weight),
    text("ITEMVALUE", &ditem::value),
    text("ITEMITEMTYPE", &ditem::itemtype),
    text("ITEMIS_WEAPON", &ditem::is_weapon),
    text("ITEMINVISITEM", &ditem::invisitem),
    text("ITEMWC1", &ditem::wc1),
    text("ITEMWC2", &ditem::wc2),
    text("ITEMTWO_HANDED", &ditem::two_handed),
    text("ITEMMY_MESS", &ditem::my_mess),
    text("ITEMYOUR_MESS", &ditem::your_mess),
    text("ITEMSTRENGTH", &ditem::strength),
    text("ITEMHP", &ditem::hp),
    text("ITEMMP", &ditem::mp),
    text("ITEMSP", &ditem::sp),
    text("ITEMTB", &ditem::tb),
    text("ITEMSB", &ditem::sb),
    text("ITEMAC", &ditem::ac),
    text("ITEMMAGI", &ditem::magi),
    text("ITEMMERI", &ditem::meri),
    text("ITEMERO", &ditem::ero),
    text("ITEMALLO", &ditem::allo),
    text("ITEMUGYI", &ditem::ugyi),
    text("ITEMIQ", &ditem::iq),
    text("ITEMBOLCSI", &ditem::bolcsi),
    text("ITEMKARI", &ditem::kari),
    list("ITEMIDS", &ditem::ids),
    list("ITEMANTIS", &ditem::antis),
});

}  // namespace

const Block<droom>& room_block() {
  static const Block<droom> block{"ROOMBEGIN", "ROOMEND", kRoomFields};
  return block;
}
const Block<dmons>& monster_block() {
  static const Block<dmons> block{"MONSBEGIN", "MONSEND", kMonsterFields};
  return block;
}
const Block<ditem>& item_block() {
  static const Block<ditem> block{"ITEMBEGIN", "ITEMEND", kItemFields};
  return block;
}

}  // namespace tamo::workfile::format
