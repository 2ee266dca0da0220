#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tamo::workfile {

// A path from a UTF-8 name, and a path as the messages show it (UTF-8, in quotes).
std::filesystem::path utf8_path(std::string_view name);
std::string shown_path(const std::filesystem::path& path);

}  // namespace tamo::workfile
