#include "map/fingerprint.h"

#include <string_view>

namespace tamo::map {

namespace {

class Digest {
 public:
  // Each text ends with a byte no text holds, so "ab","c" and "a","bc" differ.
  void add(std::string_view text) {
    for (unsigned char c : text) mix(c);
    mix(0x100);
  }
  void add(const MixedList& list) {
    for (const dmixed& e : list) {
      add(e.key);
      add(e.value);
    }
    mix(0x101);
  }
  std::uint64_t value() const { return hash_; }

 private:
  void mix(unsigned v) {
    hash_ ^= v;
    hash_ *= 0x100000001b3ull;
  }
  std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

}  // namespace

std::uint64_t map_fingerprint(const Work& work) {
  Digest d;
  for (const droom& r : work.rooms) {
    d.add(r.filename);
    d.add(r.short_);
    d.add(r.exits);
    d.add(r.doors);
    d.add(r.keys);
    d.add(r.guard);
  }
  return d.value();
}

}  // namespace tamo::map
