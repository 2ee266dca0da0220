#pragma once

#include <string_view>

#include "controls/edit.h"

namespace tamo::editors {

// The change-handler rule of the editors: a box whose whole text breaks its rule is emptied,
// silently; emptying an empty box changes nothing, so the handler does not recur.
inline void empty_unless(controls::Edit& box, bool (*rule)(std::string_view)) {
  if (!rule(box.text())) box.set_text({});
}

}  // namespace tamo::editors
