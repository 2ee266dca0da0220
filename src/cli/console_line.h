#pragma once

#include <string>

#include "testconsole/output.h"

namespace tamo::cli {

// A console line as a terminal prints it: plain, or each run of characters in its console
// colour as a 24-bit ANSI colour, reset at the end. Ends in a line feed. Control characters
// of the text show as escapes, so only the colours reach the terminal as commands.
std::string render_line(const testconsole::ConsoleLine& line, bool colour);

}  // namespace tamo::cli
