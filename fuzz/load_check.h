#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamo::workfile {

// Loads the bytes as a work file and checks what every input must give: the same work
// whether read at once or a few bytes at a time, and a work whose saved form loads back
// whole, without messages, and saves again to the same bytes. Returns the first broken
// promise, or none.
std::optional<std::string> check_load(std::string_view bytes);

}  // namespace tamo::workfile
