#pragma once

#include <ostream>

#include "cli/options.h"
#include "cli/session.h"

namespace tamo::cli {

// Loads the work and saves it into the chosen folder as "Mentés" would, printing the path
// written. 0 when saved, 1 when the save was refused, 2 when the file was not read whole
// (then nothing is written: a partial work must not replace a whole one).
int resave(Session& session, const ResaveCommand& command, std::ostream& out, std::ostream& err);

}  // namespace tamo::cli
