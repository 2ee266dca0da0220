#pragma once

#include <string_view>

#include "controls/edit.h"

namespace tamo::editors {

// The change-handler rule of the editors: a box whose whole text breaks its rule is emptied,
// silently; emptying an empty box changes nothing, so the handler does not recur.
inline void empty_unless(controls::Edit& box, bool (*rule)(std::string_view)) {
  if (!rule(box.text())) box.set_text({});
}

// A long text holding its end-marker line would end early when the work is read back and
// lose what follows, so it is emptied like any other refused text.
inline void empty_if_holding(controls::Memo& memo, std::string_view end_marker) {
  if (memo.text().find(end_marker) != std::string::npos) memo.set_text({});
}

}  // namespace tamo::editors
