#include "workfile/file_names.h"

namespace tamo::workfile {

std::filesystem::path utf8_path(std::string_view name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string shown_path(const std::filesystem::path& path) {
  std::u8string u8 = path.u8string();
  return "„" + std::string(u8.begin(), u8.end()) + "”";
}

}  // namespace tamo::workfile
