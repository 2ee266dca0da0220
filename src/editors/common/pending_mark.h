#pragma once

#include "controls/control.h"

namespace tamo::editors {

// A panel whose "Kész" would change the work shows a mark after that button's caption; the
// caption itself stays as it is while the panel matches what is stored.
void show_pending(controls::Button& ready, bool pending);

}  // namespace tamo::editors
