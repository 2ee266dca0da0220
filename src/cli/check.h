#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tamo::cli {

inline constexpr std::string_view kRoomKind = "szoba";
inline constexpr std::string_view kCreatureKind = "élőlény";
inline constexpr std::string_view kItemKind = "tárgy";

// One record as its editor's "Kész" judged it.
struct RecordCheck {
  std::string kind;  // szoba, élőlény or tárgy
  std::string name;
  bool ok = true;
  // "ok", or what "Kész" showed (the balance verdict exactly as it came).
  std::string result = "ok";
};

struct FileCheck {
  std::string path;  // as given
  bool complete = false;
  std::vector<RecordCheck> records;  // rooms, creatures, items, each in list order
  std::vector<std::string> warnings;
  std::vector<std::string> errors;  // what the loading showed
};

// Loads the file as "Betöltés" does and judges every record as its editor's "Kész" would
// once the builder chose its file name.
FileCheck check_file(const std::filesystem::path& file, std::string shown_path);

// 0 when every file loaded whole and every record is "ok", 1 when a record is refused, 2
// when a file was not read whole.
int check_status(const std::vector<FileCheck>& files);

// The plain report of one file, every line ended by a line feed.
std::string check_text(const FileCheck& file);
// The reports of all files and the exit status as one JSON document.
std::string check_json(const std::vector<FileCheck>& files);

}  // namespace tamo::cli
