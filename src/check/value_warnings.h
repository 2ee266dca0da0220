#pragma once

#include <string>
#include <vector>

#include "check/report.h"
#include "model/work.h"

namespace tamo::check {

// Values the editors would never have let in but a file can hold: a bonus the verdict reads
// as 0 that is no plain number, bonuses or restrictions on an item of a kind that has none,
// and a one-line value holding a control character. One sentence each, in list order, in
// time linear in the size of the work.
std::vector<Warning> value_warnings(const Work& work);

// The creator data's part of those, and one record's.
void creator_value_warnings(const Work& work, std::vector<Warning>& out);
void record_value_warnings(const droom& room, std::vector<Warning>& out);
void record_value_warnings(const dmons& creature, std::vector<Warning>& out);
void record_value_warnings(const ditem& item, std::vector<Warning>& out);

}  // namespace tamo::check
