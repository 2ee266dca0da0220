#include "app/clean_point.h"

#include <cstring>

namespace tamo::app {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;

std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
  h = (h ^ word) * kMultiplier;
  return h ^ (h >> 29);
}

}  // namespace

void WorkDigest::tf(std::string_view line) {
  std::uint64_t h = h_;
  const char* p = line.data();
  std::size_t left = line.size();
  for (; left >= 8; left -= 8, p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    h = mix(h, word);
  }
  std::uint64_t tail = 0;
  std::memcpy(&tail, p, left);
  // The length closes the line, so that where one line ends and the next begins counts.
  h_ = mix(mix(h, tail), line.size());
}

std::uint64_t work_digest(const Work& work) {
  WorkDigest digest;
  workfile::emit_work(work, digest);
  return digest.value();
}

void CleanPoint::mark(const Work& work) {
  WorkDigest digest;
  workfile::emit_work(work, digest);
  mark(work, digest);
}

void CleanPoint::mark(const Work& work, const WorkDigest& digest) {
  revision_ = work.revision();
  digest_ = digest.value();
  asked_revision_ = revision_;
  asked_changed_ = false;
}

bool CleanPoint::changed(const Work& work) const {
  if (work.revision() != asked_revision_) {
    asked_revision_ = work.revision();
    asked_changed_ = work.revision() != revision_ && work_digest(work) != digest_;
  }
  return asked_changed_;
}

}  // namespace tamo::app
