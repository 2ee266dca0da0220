#pragma once

#include <string>

#include "model/work.h"

namespace tamo::workfile::testing {

// The one-room, one-item work "pelda" and its 51 lines as the file holds them.
Work pelda_work();
std::string pelda_bytes();

// A work that sets every field of every record kind, with accented texts and multi-line
// texts, within the limits a save and load keeps.
Work full_work();

// Field-by-field equality of two works (creator data, description, records, current room).
void expect_same_work(const Work& expected, const Work& actual);

}  // namespace tamo::workfile::testing
