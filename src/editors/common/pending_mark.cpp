#include "editors/common/pending_mark.h"

#include <string>
#include <string_view>

namespace tamo::editors {

namespace {
constexpr std::string_view kMark = " *";
}  // namespace

void show_pending(controls::Button& ready, bool pending) {
  std::string caption = ready.caption();
  const bool marked = caption.ends_with(kMark);
  if (pending == marked) return;
  if (pending) {
    caption += kMark;
  } else {
    caption.resize(caption.size() - kMark.size());
  }
  ready.set_caption(std::move(caption));
}

}  // namespace tamo::editors
