#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/report.h"
#include "model/work.h"

namespace tamo::check {

// What the editors would not catch: exits and guarded exits into nothing, contents and
// equipment naming nothing, keys that are no key items, a guard not in its room, and file
// names used more than once. One sentence each, in list order, in time linear in the
// size of the work.
std::vector<Warning> reference_warnings(const Work& work);

// One room's or creature's part of those, as of the work around it.
void room_references(const Work& work, const droom& room, std::vector<Warning>& out);
void creature_references(const Work& work, const dmons& creature, std::vector<Warning>& out);
// The sentence about a file name used more than once, if it is.
std::optional<Warning> name_warning(const Work& work, std::string_view name);
// The file names a record's sentences depend on besides its own: whether a record of each
// kind has them, and whether the last item of the name is a key.
void referenced_names(const droom& room, std::vector<std::string>& out);
void referenced_names(const dmons& creature, std::vector<std::string>& out);

}  // namespace tamo::check
