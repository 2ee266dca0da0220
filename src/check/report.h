#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/work.h"

namespace tamo::check {

inline constexpr std::string_view kRoomKind = "szoba";
inline constexpr std::string_view kCreatureKind = "élőlény";
inline constexpr std::string_view kItemKind = "tárgy";
inline constexpr std::string_view kWorkSubject = "munka";

// Where a finding points: the record it is about (none for the work or the loading) and the
// dialog holding the fault, when a dialog does rather than the record's panel.
struct Place {
  std::string kind;  // kRoomKind, kCreatureKind, kItemKind, kWorkSubject, or empty
  std::string name;
  std::string form;  // the dialog's component name, or empty
  bool operator==(const Place&) const = default;
};

// A fault no editor catches, in one sentence.
struct Warning {
  std::string text;
  Place place;
  bool operator==(const Warning&) const = default;
};

// The sentences alone, in order.
std::vector<std::string> texts(const std::vector<Warning>& warnings);

// One record as its editor's "Kész" judged it.
struct RecordVerdict {
  std::string kind;  // kRoomKind, kCreatureKind or kItemKind
  std::string name;
  // What "Kész" would show instead of storing (the balance verdict exactly as it came).
  std::optional<std::string> refusal;

  bool ok() const { return !refusal; }
  bool operator==(const RecordVerdict&) const = default;
};

// Everything the area check finds in one work, as values: the caller decides how to show it.
struct Report {
  // False when the file was not read whole (a work judged in memory is always whole).
  bool complete = true;
  std::vector<std::string> loading;  // what the loading showed, in order
  // What "Mentés" would refuse the creator data with.
  std::optional<std::string> work_refusal;
  std::vector<RecordVerdict> records;  // rooms, creatures, items, each in list order
  std::vector<Warning> warnings;       // faults no editor catches

  // 0 when read whole and nothing is refused, 1 when something is refused, 2 when the file
  // was not read whole.
  int status() const;
};

// Judges a copy of the work: the work itself, its editors and working copies stay as they are.
Report check_work(const Work& work);
// Loads the file as "Betöltés" does and judges what was read.
Report check_file(const std::filesystem::path& file);

}  // namespace tamo::check
