#include "workfile/workfile.h"

namespace tamo::workfile {

// Placeholder until the reader and writer land.
std::vector<std::string> work_lines(const Work&) { return {}; }
std::string encode_lines(const std::vector<std::string>&) { return {}; }
SaveResult savetamo(const Work&, const std::filesystem::path&) { return {}; }
void apply_exit_defaults(Work&) {}
bool has_records(const Work& work) {
  return !work.rooms.empty() || !work.monsters.empty() || !work.items.empty();
}
LoadResult loadfile(Work&, const std::filesystem::path&) { return {}; }

}  // namespace tamo::workfile
