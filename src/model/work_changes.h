#pragma once

#include <exception>
#include <utility>

#include "model/work.h"

namespace tamo {

// The one way into a work's file contents, for the model's named operations only: the
// watcher sees the change before and after it, and the revision grows.
class WorkChanges {
 public:
  template <class Edit>
  static decltype(auto) apply(Work& work, const Change& change, Edit&& edit) {
    if (work.watcher_) work.watcher_->before(work, change);
    // A change that throws half way still counts as one; only a finished one is reported.
    struct After {
      Work& work;
      const Change& change;
      int exceptions = std::uncaught_exceptions();
      ~After() {
        ++work.revision_;
        if (work.watcher_ && std::uncaught_exceptions() == exceptions)
          work.watcher_->after(work, change);
      }
    } after{work, change};
    return std::forward<Edit>(edit)(work.data_);
  }
};

}  // namespace tamo
