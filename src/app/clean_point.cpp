#include "app/clean_point.h"

#include "workfile/writer.h"

namespace tamo::app {

namespace {

class DigestSink : public workfile::LineSink {
 public:
  void tf(std::string_view line) override {
    for (char c : line) mix(static_cast<unsigned char>(c));
    mix('\n');
  }
  std::uint64_t digest() const { return h_; }

 private:
  void mix(unsigned char c) { h_ = (h_ ^ c) * 1099511628211ULL; }
  std::uint64_t h_ = 14695981039346656037ULL;
};

}  // namespace

std::uint64_t work_digest(const Work& work) {
  DigestSink sink;
  workfile::emit_work(work, sink);
  return sink.digest();
}

void CleanPoint::mark(const Work& work) {
  revision_ = work.revision();
  digest_ = work_digest(work);
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
