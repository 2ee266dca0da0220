#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tamo::cli {

// The whole of tamo-cli: the arguments after the program name, the standard streams, and
// whether standard output is a terminal (for --color=auto). Returns the exit status.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, bool out_is_terminal);

}  // namespace tamo::cli
