#pragma once

#include <string_view>

namespace tamo {

// 1 to 16 bytes of a-z, 0-9, "-" and "_", with at least one letter.
bool validfilename(std::string_view text);
// Not empty, digits only.
bool validnumber(std::string_view text);
// Digits with at most one "-", which must stand first; the empty text and a lone "-" pass.
bool isvalidanynumber(std::string_view text);

}  // namespace tamo
