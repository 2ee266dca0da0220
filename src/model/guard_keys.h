#pragma once

#include <string_view>

namespace tamo {

// The keys of a room's guard list besides its guarded exits.
inline constexpr std::string_view kGuardName = "guardname";
inline constexpr std::string_view kGuardSpeech = "guardspeech";
// The value that marks an exit name in the guard list as guarded.
inline constexpr std::string_view kGuardedExit = "guarddir";

// An exit of this name would overwrite the guard's own entries.
constexpr bool is_guard_key(std::string_view name) {
  return name == kGuardName || name == kGuardSpeech;
}

}  // namespace tamo
