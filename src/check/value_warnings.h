#pragma once

#include <string>
#include <vector>

#include "model/work.h"

namespace tamo::check {

// Values the editors would never have let in but a file can hold: a bonus the verdict reads
// as 0 that is no plain number, bonuses or restrictions on an item of a kind that has none,
// and a one-line value holding a control character. One sentence each, in list order, in
// time linear in the size of the work.
std::vector<std::string> value_warnings(const Work& work);

}  // namespace tamo::check
