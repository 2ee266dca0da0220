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
    for (WorkWatcher* watcher : work.watchers_) watcher->before(work, change);
    // A change that throws half way still counts as one; only a finished one is reported.
    struct After {
      Work& work;
      const Change& change;
      int exceptions = std::uncaught_exceptions();
      ~After() {
        ++work.revision_;
        if (std::uncaught_exceptions() == exceptions)
          for (WorkWatcher* watcher : work.watchers_) watcher->after(work, change);
      }
    } after{work, change};
    return std::forward<Edit>(edit)(work.data_);
  }
};

}  // namespace tamo
