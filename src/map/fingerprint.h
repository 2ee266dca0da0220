#pragma once

#include <cstdint>

#include "model/work.h"

namespace tamo::map {

// A digest of everything the map shows (room names, short texts, exits, doors, keys,
// guards), so a view lays the work out again only when its picture can have changed.
std::uint64_t map_fingerprint(const Work& work);

}  // namespace tamo::map
