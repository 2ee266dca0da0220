#include "app/status_line.h"

namespace tamo::app {

namespace {
// The folder is on the status bar's right already; the line names the file.
std::string short_path(const std::filesystem::path& path) {
  return path.has_parent_path() ? "…/" + path.filename().string() : path.string();
}
}  // namespace

std::string loaded_line(const std::filesystem::path& path, const Work& work, bool whole) {
  std::string line = whole ? "Betöltve: " : "Nem egészben betöltve: ";
  line += short_path(path);
  line += ", " + std::to_string(work.rooms.size()) + " szoba";
  line += ", " + std::to_string(work.monsters.size()) + " élőlény";
  line += ", " + std::to_string(work.items.size()) + " tárgy";
  return line;
}

std::string saved_line(const std::filesystem::path& path) {
  return "Mentve: " + short_path(path);
}

std::string stored_line(std::string_view name, std::string_view kind) {
  return std::string(name) + " " + std::string(kind) + " tárolva";
}

}  // namespace tamo::app
