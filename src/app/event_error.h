#pragma once

#include <exception>
#include <string>
#include <system_error>

namespace tamo::app {

// What the user reads when an error escapes an event handler: a short Hungarian reason for
// the kinds the program knows (out of memory, a refusal of the system), the conversion's own
// sentence, and the error's own text otherwise.
std::string event_error_text(const std::exception_ptr& error);

// The system's reason for an error code, in Hungarian where the program knows it.
std::string error_code_reason(const std::error_code& code);
// A thread or mapping the system could not give for lack of memory fails this way.
bool is_out_of_memory(const std::error_code& code);

}  // namespace tamo::app
