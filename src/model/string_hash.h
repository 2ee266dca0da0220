#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace tamo {

// Hashes any string-like key alike, so that maps keyed by std::string are searched with a
// string_view without making a string for each lookup.
struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace tamo
