#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/session.h"

namespace tamo::cli {

Command parse_map(const std::vector<std::string>& args);

// Loads the work, stands in ROOM as "Hogy néz ki?" would, and prints the layout (each room's
// cell, then what does not fit) or writes the picture and prints its path. Status 0: done;
// 1: the picture could not be written; 2: the file was not read whole (the map shows what was).
int draw_map(Session& session, const MapCommand& command, std::ostream& out, std::ostream& err);

}  // namespace tamo::cli
