#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/work.h"

namespace tamo::workfile {

class WorkDigest;

// The creator-data refusals, in their order of checking.
inline constexpr std::string_view kMsgNoProject = "Nincs munkanév megadva!";
inline constexpr std::string_view kMsgNoName = "Nincs készítőnév megadva!";
inline constexpr std::string_view kMsgNoMail = "Nincs e-mail cím megadva!";
// The first creator-data refusal of "Mentés", if any.
std::optional<std::string> creator_refusal(const Work& work);

// The lines of the work file for this work, in file order (UTF-8, no line ends).
std::vector<std::string> work_lines(const Work& work);
// The file's bytes: Windows-1250, CR LF after every line.
std::string encode_lines(const std::vector<std::string>& lines);

struct SaveResult {
  bool saved = false;
  // A creator-data refusal, or the failure to create or write the file (naming it).
  std::optional<std::string> message;
  std::filesystem::path path;  // the file written, when saved
};
// The file a save of this work into the folder writes: `project` + ".tamo".
std::filesystem::path work_file_path(const Work& work, const std::filesystem::path& folder);
// Checks the creator data, then writes `project` + ".tamo" into the folder, replacing an
// earlier file only once the new one is whole and on the disk. A symlink stays a link to the
// file written; a replaced file keeps its permissions (and owner where the system allows).
// `digest`, when given, takes the bytes written.
SaveResult savetamo(const Work& work, const std::filesystem::path& folder,
                    WorkDigest* digest = nullptr);
// What the system's error number means, for a message (Hungarian where known).
std::string system_reason(int error);

// "Ment és kilép": fills an empty work name, author name and e-mail address with
// placeholders; they stay in the work.
void apply_exit_defaults(Work& work);
bool has_records(const Work& work);

struct LoadResult {
  // Messages shown while loading, in order (the bad work name, an early end, ...).
  std::vector<std::string> messages;
  // False when the file could not be opened, a line could not be placed, or the file ended
  // before its records did: the work then lacks something the file holds.
  bool complete = true;
  bool opened = true;        // false when the file could not be opened at all
  bool ended_early = false;  // the file ended before its records did
};
// Reads the file into the work, which the caller has emptied.
LoadResult loadfile(Work& work, const std::filesystem::path& path);
// The same for a file's bytes already in memory.
LoadResult load_bytes(Work& work, std::string_view bytes);

}  // namespace tamo::workfile
