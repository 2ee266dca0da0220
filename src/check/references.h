#pragma once

#include <string>
#include <vector>

#include "model/work.h"

namespace tamo::check {

// What the editors would not catch: exits and guarded exits into nothing, contents and
// equipment naming nothing, keys that are no key items, a guard not in its room, and file
// names used more than once. One sentence each, in list order, in time linear in the
// size of the work.
std::vector<std::string> reference_warnings(const Work& work);

}  // namespace tamo::check
