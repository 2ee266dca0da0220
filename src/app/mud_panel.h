#pragma once

#include "controls/edit.h"
#include "controls/form.h"

namespace tamo::app {

inline constexpr std::string_view kInmudHint =
    "Parancsok : nez(n), szerkeszt(sz), iranyok(roviditve is), keres, hallgat, szagol, ol, "
    "erzes, beszed";

// The test console's panel: the coloured output above (drawn from the console's own lines)
// and the one-line command input under it.
struct MudPanel {
  MudPanel() {
    inmud.set_max_length(50);
    inmud.set_hint(std::string(kInmudHint));
  }
  controls::Form mud{"mud", "Teszt"};
  controls::Edit inmud{"inmud", "Parancs"};
};

}  // namespace tamo::app
