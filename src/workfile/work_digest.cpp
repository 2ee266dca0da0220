#include "workfile/work_digest.h"

#include <algorithm>
#include <cstring>

namespace tamo::workfile {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr std::size_t kBlock = 32;
// Lines gather into a buffer this large before they are absorbed, small enough to stay in
// the cache while it is hashed.
constexpr std::size_t kPending = std::size_t{64} << 10;

std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
  h = (h ^ word) * kMultiplier;
  return h ^ (h >> 29);
}

std::uint64_t word_at(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

}  // namespace

void append_file_line(std::string& out, std::string_view line, std::uint64_t file_offset,
                      WorkDigest* digest) {
  std::size_t replaced = append_encoded_line(out, line);
  if (replaced != 0 && digest != nullptr) digest->note_replaced(file_offset + out.size(), line);
}

void WorkDigest::tf(std::string_view line) {
  append_file_line(pending_, line, size_ + part_size_, this);
  if (pending_.size() < kPending) return;
  absorb(pending_);
  pending_.clear();
}

void WorkDigest::take(std::string_view bytes) {
  if (!pending_.empty()) {
    absorb(pending_);
    pending_.clear();
  }
  absorb(bytes);
}

void WorkDigest::note_replaced(std::uint64_t end, std::string_view line) {
  std::uint64_t h = mix(replaced_, end);
  for (; line.size() >= 8; line.remove_prefix(8)) h = mix(h, word_at(line.data()));
  std::uint64_t tail = 0;
  std::memcpy(&tail, line.data(), line.size());
  replaced_ = mix(mix(h, tail), line.size());
}

// Four lanes of eight bytes each, so that the multiplications of a block do not wait on
// one another.
void WorkDigest::absorb(std::string_view bytes) {
  auto block = [this](const char* p) {
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane)
      lanes_[lane] = mix(lanes_[lane], word_at(p + 8 * lane));
    size_ += kBlock;
  };
  if (part_size_ != 0) {
    std::size_t fill = std::min(kBlock - part_size_, bytes.size());
    std::memcpy(part_.data() + part_size_, bytes.data(), fill);
    part_size_ += fill;
    bytes.remove_prefix(fill);
    if (part_size_ < kBlock) return;
    block(part_.data());
    part_size_ = 0;
  }
  for (; bytes.size() >= kBlock; bytes.remove_prefix(kBlock)) block(bytes.data());
  std::memcpy(part_.data(), bytes.data(), bytes.size());
  part_size_ = bytes.size();
}

std::uint64_t WorkDigest::value() const {
  WorkDigest rest = *this;
  rest.absorb(rest.pending_);
  std::array<char, kBlock> tail{};
  std::memcpy(tail.data(), rest.part_.data(), rest.part_size_);
  std::uint64_t h = rest.size_ + rest.part_size_;
  for (std::uint64_t lane : rest.lanes_) h = mix(h, lane);
  for (std::size_t at = 0; at < kBlock; at += 8) h = mix(h, word_at(tail.data() + at));
  return mix(h, rest.replaced_);
}

}  // namespace tamo::workfile
