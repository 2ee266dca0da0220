#include "app/clean_point.h"

#include <array>
#include <cstddef>
#include <string>

namespace tamo::app {

std::uint64_t work_digest(const Work& work) {
  WorkDigest digest;
  workfile::emit_work(work, digest);
  return digest.value();
}

namespace {

template <class Piece>
std::uint64_t digest_of(const Piece& piece) {
  WorkDigest digest;
  workfile::emit_record(piece, digest);
  return digest.value();
}

template <class Record>
void written_records(const RecordList<Record>& list, const std::string& name,
                     std::vector<WrittenPiece>& out) {
  for (const Record* record : list.all_named(name))
    out.push_back({list.order_of(*record), digest_of(*record)});
}

// What the part writes now: the creator data or the description as one piece, or the
// records of the name in list order.
std::vector<WrittenPiece> written_part(const Work& work, const WorkPart& part) {
  std::vector<WrittenPiece> out;
  WorkDigest digest;
  switch (part.target) {
    case Change::Target::creator:
      workfile::emit_creator(work, digest);
      out.push_back({0, digest.value()});
      break;
    case Change::Target::description:
      workfile::emit_description(work, digest);
      out.push_back({0, digest.value()});
      break;
    case Change::Target::record:
      if (part.kind == RecordKind::room) written_records(work.rooms, part.name, out);
      if (part.kind == RecordKind::monster) written_records(work.monsters, part.name, out);
      if (part.kind == RecordKind::item) written_records(work.items, part.name, out);
      break;
    case Change::Target::whole:
      break;
  }
  return out;
}

bool same_places(const std::vector<WrittenPiece>& a, const std::vector<WrittenPiece>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].order != b[i].order) return false;
  return true;
}

}  // namespace

void CleanPoint::mark(const Work& work) {
  WorkDigest digest;
  workfile::emit_work(work, digest);
  mark(work, digest);
}

void CleanPoint::mark(const Work& work, const WorkDigest& digest) {
  revision_ = work.revision();
  digest_ = digest.value();
  marked_.clear();
  seen_revision_ = revision_;
  whole_changed_ = false;
  asked_revision_ = revision_;
  asked_changed_ = false;
}

void CleanPoint::before(const Work& work, const Change& change) {
  if (change.target == Change::Target::whole) {
    whole_changed_ = true;
    return;
  }
  if (whole_changed_) return;
  WorkPart part = part_of(change);
  PartKey key{part.target, part.kind, part.name};
  if (!marked_.contains(key)) marked_.emplace(std::move(key), written_part(work, part));
}

void CleanPoint::after(const Work& work, const Change&) {
  // A change that threw half way bumped the revision without reaching here.
  if (work.revision() != seen_revision_ + 1) whole_changed_ = true;
  seen_revision_ = work.revision();
}

bool CleanPoint::changed(const Work& work) const {
  if (work.revision() != asked_revision_) {
    asked_revision_ = work.revision();
    asked_changed_ = work.revision() != revision_ && differs_from_mark(work);
  }
  return asked_changed_;
}

bool CleanPoint::differs_from_mark(const Work& work) const {
  if (whole_changed_ || work.revision() != seen_revision_) return work_digest(work) != digest_;
  bool differs = false;
  bool same_records = true;
  std::array<std::ptrdiff_t, 3> count_change{};
  for (const auto& [key, then] : marked_) {
    const auto& [target, kind, name] = key;
    std::vector<WrittenPiece> now = written_part(work, {target, kind, name});
    if (now == then) continue;
    differs = true;
    if (!same_places(now, then)) same_records = false;
    if (target == Change::Target::record)
      count_change[static_cast<std::size_t>(kind)] +=
          static_cast<std::ptrdiff_t>(now.size()) - static_cast<std::ptrdiff_t>(then.size());
  }
  // Every part the work's changes reached writes what it wrote at the mark.
  if (!differs) return false;
  // The same records at the same places, and some write other lines: the file differs.
  if (same_records) return true;
  // More or fewer records of a kind: so does the file.
  for (std::ptrdiff_t n : count_change)
    if (n != 0) return true;
  // Records went and came back elsewhere in the list: only the whole text can tell.
  return work_digest(work) != digest_;
}

}  // namespace tamo::app
