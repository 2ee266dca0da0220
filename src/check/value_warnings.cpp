#include "check/value_warnings.h"

#include <array>
#include <string_view>

#include "check/report.h"
#include "editors/item/item_kinds.h"
#include "model/input_rules.h"
#include "model/numbers.h"
#include "workfile/format.h"

namespace tamo::check {

namespace {

namespace format = workfile::format;

constexpr std::array<std::string_view, kBonusCount> kBonusNames = {
    "hp",   "mp",  "sp",   "tb",   "sb", "ac",     "magi",
    "meri", "ero", "allo", "ugyi", "iq", "bolcsi", "kari"};

// C0 controls, DEL and the C1 controls (U+0080 to U+009F, two bytes in UTF-8).
bool has_control_character(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) return true;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
      return true;
  }
  return false;
}

bool list_has_control_character(const MixedList& list) {
  for (const dmixed& e : list)
    if (has_control_character(e.key) || has_control_character(e.value)) return true;
  return false;
}

constexpr const char* kBonusesDialog = "Form14";
constexpr const char* kRestrictionsDialog = "Form13";
constexpr const char* kCreatorDialog = "Form16";

// A sentence about one record, pointing at the dialog that holds the value (the panel when
// none is named).
Warning about(std::string_view kind, std::string_view name, const std::string& text,
              const char* form = "") {
  return {std::string(kind) + " " + std::string(name) + ": " + text,
          {std::string(kind), std::string(name), form}};
}

// Every value the file holds on one line: texts and list entries, not the long texts.
template <class Record>
void control_characters(const Record& record, const format::Block<Record>& block,
                        std::string_view kind, std::vector<Warning>& out) {
  for (const format::Field<Record>& field : block.fields) {
    bool found = field.kind == format::Kind::kText ? has_control_character(record.*field.text)
                 : field.kind == format::Kind::kList
                     ? list_has_control_character(record.*field.list)
                     : false;
    if (found)
      out.push_back(about(kind, record.filename,
                          "a(z) " + std::string(field.key) + " értékében vezérlőkarakter van"));
  }
}

// A bonus holds something unless it reads as zero: empty, or zeros with an optional sign.
bool holds_bonus(std::string_view value) {
  if (value.starts_with('-')) value.remove_prefix(1);
  return value.find_first_not_of('0') != std::string_view::npos;
}

// The kind as the item editor shows it: a stored text that is no number shows armour.
int shown_kind(const std::string& is_weapon) {
  try {
    return str2int(is_weapon);
  } catch (const ConversionError&) {
    return editors::kind_index(ItemKind::armour);
  }
}

void item_values(const ditem& item, std::vector<Warning>& out) {
  auto bonuses = bonus_fields(item);
  for (std::size_t k = 0; k < kBonusCount; ++k)
    if (!isvalidanynumber(*bonuses[k]))
      out.push_back(about(kItemKind, item.filename,
                          "a(z) " + std::string(kBonusNames[k]) +
                              " bónusz nem egyszerű szám, a mérlegelés 0-nak veszi: " + *bonuses[k],
                          kBonusesDialog));
  if (editors::kind_layout(shown_kind(item.is_weapon)).judged_by_bonuses) return;
  std::string held;
  for (std::size_t k = 0; k < kBonusCount; ++k)
    if (holds_bonus(*bonuses[k])) held += (held.empty() ? "" : ", ") + std::string(kBonusNames[k]);
  if (!held.empty())
    out.push_back(about(kItemKind, item.filename,
                        "ilyen fajta tárgynak nem lehet bónusza, mégis van: " + held,
                        kBonusesDialog));
  std::string restricted;
  for (const dmixed& e : item.antis)
    if (strtob(e.value)) restricted += (restricted.empty() ? "" : ", ") + e.key;
  if (!restricted.empty())
    out.push_back(about(kItemKind, item.filename,
                        "ilyen fajta tárgynak nem lehet korlátozása, mégis van: " + restricted,
                        kRestrictionsDialog));
}

}  // namespace

void creator_value_warnings(const Work& work, std::vector<Warning>& out) {
  struct Creator {
    std::string_view key;
    const std::string& value;
  };
  for (Creator c :
       {Creator{format::kCreatorProject, work.project}, Creator{format::kCreatorName, work.name},
        Creator{format::kCreatorMail, work.mail}})
    if (has_control_character(c.value))
      out.push_back({std::string(kWorkSubject) + ": a(z) " + std::string(c.key) +
                         " értékében vezérlőkarakter van",
                     {std::string(kWorkSubject), {}, kCreatorDialog}});
}

void record_value_warnings(const droom& room, std::vector<Warning>& out) {
  control_characters(room, format::room_block(), kRoomKind, out);
}

void record_value_warnings(const dmons& creature, std::vector<Warning>& out) {
  control_characters(creature, format::monster_block(), kCreatureKind, out);
}

void record_value_warnings(const ditem& item, std::vector<Warning>& out) {
  control_characters(item, format::item_block(), kItemKind, out);
  item_values(item, out);
}

std::vector<Warning> value_warnings(const Work& work) {
  std::vector<Warning> out;
  creator_value_warnings(work, out);
  for (const droom& room : work.rooms) record_value_warnings(room, out);
  for (const dmons& creature : work.monsters) record_value_warnings(creature, out);
  for (const ditem& item : work.items) record_value_warnings(item, out);
  return out;
}

}  // namespace tamo::check
