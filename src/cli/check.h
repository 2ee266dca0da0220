#pragma once

#include <string>
#include <vector>

#include "check/report.h"

namespace tamo::cli {

// One file's check as tamo-cli shows it.
struct FileCheck {
  std::string path;  // as given
  check::Report report;
};

// The worst status of the files: 0 all "ok", 1 something refused, 2 a file not read whole.
int check_status(const std::vector<FileCheck>& files);

// The plain report of one file, every line ended by a line feed.
std::string check_text(const FileCheck& file);
// The reports of all files and the exit status as one JSON document.
std::string check_json(const std::vector<FileCheck>& files);

}  // namespace tamo::cli
