#pragma once

#include <cstdint>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "model/work.h"
#include "model/work_parts.h"
#include "workfile/work_digest.h"

namespace tamo::app {

using workfile::WorkDigest;

std::uint64_t work_digest(const Work& work);

// One piece of the file as written: its place in its list (0 for the creator data and the
// description) and the digest of its lines.
struct WrittenPiece {
  std::uint64_t order;
  std::uint64_t digest;
  friend bool operator==(const WrittenPiece&, const WrittenPiece&) = default;
};

// Whether the work differs from what was last started, loaded or saved, asked as often as
// the window likes. An unchanged revision answers at once. Watching the work, it keeps what
// each part it saw change wrote at the mark, so that the answer costs the changed parts, not
// the work; a change it did not see, or records that came and went, fall back to a digest of
// the writer's whole output. Unwatched, it always takes that digest.
class CleanPoint : public WorkWatcher {
 public:
  // The work as it is now counts as saved.
  void mark(const Work& work);
  // The same, when the work's lines have just streamed through `digest` (a save's own pass).
  void mark(const Work& work, const WorkDigest& digest);
  bool changed(const Work& work) const;

  // WorkWatcher
  void before(const Work& work, const Change& change) override;
  void after(const Work& work, const Change& change) override;

 private:
  using PartKey = std::tuple<Change::Target, RecordKind, std::string>;

  bool differs_from_mark(const Work& work) const;

  std::uint64_t revision_ = 0;
  std::uint64_t digest_ = 0;
  // What each part changed since the mark wrote at the mark.
  std::map<PartKey, std::vector<WrittenPiece>> marked_;
  // The revision after the last change seen whole; any other revision saw a change unseen.
  std::uint64_t seen_revision_ = 0;
  bool whole_changed_ = false;
  // The last answer, kept until the work changes again.
  mutable std::uint64_t asked_revision_ = 0;
  mutable bool asked_changed_ = false;
};

}  // namespace tamo::app
