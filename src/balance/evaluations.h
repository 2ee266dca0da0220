#pragma once

#include <string>

#include "balance/working_values.h"

namespace tamo::balance {

// The verdict for each kind of item; each starts from "ok" and the last failing check decides.
std::string balarm(WorkingValues w, const std::string& type);
std::string balwea(WorkingValues w, const std::string& type, int two_handed);
std::string baloth(const WorkingValues& w, const std::string& strength);

}  // namespace tamo::balance
