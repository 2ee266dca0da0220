#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamo::editors {

// Counts held as decimal text of any length (an equipment count, a level) are read and changed
// as text, so a number read from a file is never cut short by a conversion. The empty text
// counts as none, like an entry without a value.
bool valid_count(std::string_view count);
// Both take a valid count; the result has no leading zeros.
std::string count_plus_one(std::string_view count);
std::string count_minus_one(std::string_view count);  // the count is at least 1
// The count, or the cap when the count is larger.
std::size_t count_up_to(std::string_view count, std::size_t cap);

}  // namespace tamo::editors
