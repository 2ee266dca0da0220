#pragma once

#include "model/work.h"

namespace tamo::bench {

// An area of `size` rooms as builders make them: streets of ten rooms joined both ways,
// side streets, now and then a stair, and one exit in twenty that does not fit (one-way,
// a door word, or leading nowhere), so the map meets collisions and leftovers.
Work map_area(int size);

}  // namespace tamo::bench
