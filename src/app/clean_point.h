#pragma once

#include <cstdint>

#include "model/work.h"

namespace tamo::app {

// Whether the work differs from what was last started, loaded or saved, asked as often as
// the window likes. An unchanged revision answers at once; after changes, a digest of the
// writer's lines, taken as they stream past, tells an edit that went back to the saved
// text from a real change.
class CleanPoint {
 public:
  // The work as it is now counts as saved.
  void mark(const Work& work);
  bool changed(const Work& work) const;

 private:
  std::uint64_t revision_ = 0;
  std::uint64_t digest_ = 0;
  // The last answer, kept until the work changes again.
  mutable std::uint64_t asked_revision_ = 0;
  mutable bool asked_changed_ = false;
};

// A 64-bit FNV-1a digest of the writer's lines, each followed by a line feed.
std::uint64_t work_digest(const Work& work);

}  // namespace tamo::app
