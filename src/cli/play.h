#pragma once

#include <istream>
#include <ostream>

#include "cli/options.h"
#include "cli/session.h"

namespace tamo::cli {

// Loads the work, stands in the first room (or the chosen one, as "Hogy néz ki?" would), prints
// what "Teszt" prints, then types each input line into the console and prints every line the
// console adds for it. Messages go to `err`; a work that broke off is played as far as it was read.
int play(Session& session, const PlayCommand& command, std::istream& in, std::ostream& out,
         std::ostream& err, bool colour);

}  // namespace tamo::cli
