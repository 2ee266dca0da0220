#pragma once

#include <cstdint>
#include <string_view>

#include "model/work.h"
#include "workfile/writer.h"

namespace tamo::app {

// A 64-bit digest of the writer's lines as they stream past: the work's own text without
// holding it. Words of eight bytes are mixed at once, so that a large work costs little
// more than walking it.
class WorkDigest : public workfile::LineSink {
 public:
  void tf(std::string_view line) override;
  std::uint64_t value() const { return h_; }

 private:
  std::uint64_t h_ = 0x243F6A8885A308D3ULL;
};

std::uint64_t work_digest(const Work& work);

// Whether the work differs from what was last started, loaded or saved, asked as often as
// the window likes. An unchanged revision answers at once; after changes, a digest of the
// writer's lines tells an edit that went back to the saved text from a real change.
class CleanPoint {
 public:
  // The work as it is now counts as saved.
  void mark(const Work& work);
  // The same, when the work's lines have just streamed through `digest` (a save's own pass).
  void mark(const Work& work, const WorkDigest& digest);
  bool changed(const Work& work) const;

 private:
  std::uint64_t revision_ = 0;
  std::uint64_t digest_ = 0;
  // The last answer, kept until the work changes again.
  mutable std::uint64_t asked_revision_ = 0;
  mutable bool asked_changed_ = false;
};

}  // namespace tamo::app
