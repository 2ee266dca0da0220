#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamo::editors {

// The fixed choices of the creature panel's drop-down lists, in the order they are offered.
const std::vector<std::string>& creature_races();
const std::vector<std::string>& creature_genders();
const std::vector<std::string>& creature_classes();

// True when the three chosen classes (the empty text for an unchosen box) all belong to one
// of the three allowed class lists.
bool classes_fit(std::string_view class1, std::string_view class2, std::string_view class3);

}  // namespace tamo::editors
