#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace tamo::testing {

// A fresh, empty folder for one test. The process id keeps apart two runs of the same test
// at once (two checkouts tested on one machine), which would otherwise empty each other's.
inline std::filesystem::path fresh_temp_folder(const std::string& stem) {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / (stem + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace tamo::testing
