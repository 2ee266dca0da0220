#include "workfile/line_pipe.h"

#include <algorithm>

#include "workfile/byte_scan.h"
#include "workfile/codec.h"

namespace tamo::workfile {

LinePipe::LinePipe(std::FILE* file, std::size_t chunk)
    : file_(file), chunk_(std::max<std::size_t>(chunk, 1)) {
  producer_ = std::thread([this] { produce(); });
}

LinePipe::~LinePipe() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  producer_.join();
}

std::unique_ptr<LinePipe::Batch> LinePipe::spare_batch() {
  {
    std::lock_guard lock(mutex_);
    if (!spare_.empty()) {
      std::unique_ptr<Batch> batch = std::move(spare_.back());
      spare_.pop_back();
      return batch;
    }
  }
  return std::make_unique<Batch>();
}

// False when the reader has gone and nothing more is wanted.
bool LinePipe::hand_over(std::unique_ptr<Batch> batch) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return stop_ || ready_.size() < kDepth; });
  if (stop_) return false;
  ready_.push_back(std::move(batch));
  lock.unlock();
  changed_.notify_all();
  return true;
}

void LinePipe::produce() {
  try {
    for (;;) {
      std::unique_ptr<Batch> batch = spare_batch();
      batch->bytes.resize(chunk_);
      std::size_t got = std::fread(batch->bytes.data(), 1, chunk_, file_);
      batch->bytes.resize(got);
      split(*batch);
      if (got == 0 || ended_) {
        batch->last = true;
        bool failed = got == 0 && !ended_ && std::ferror(file_);
        if (spans_) {
          batch->lines.push_back(batch->spanning.emplace_back(std::move(pending_)));
          batch->fails_with_last_line = failed;
        } else {
          batch->fails_at_end = failed;
        }
      }
      transcode(*batch);
      bool last = batch->last;
      if (!hand_over(std::move(batch)) || last) return;
    }
  } catch (...) {
    std::lock_guard lock(mutex_);
    error_ = std::current_exception();
    changed_.notify_all();
  }
}

// The same cuts as LineReader::next, made over a whole chunk at once.
void LinePipe::split(Batch& batch) {
  std::string_view rest = batch.bytes;
  while (!rest.empty()) {
    if (skip_lf_) {
      skip_lf_ = false;
      if (rest.front() == '\n') {
        rest.remove_prefix(1);
        continue;
      }
    }
    std::size_t length = find_break_or_nul(rest);
    std::string_view piece = rest.substr(0, length);
    if (length == rest.size()) {
      pending_.append(piece);
      spans_ = true;
      return;
    }
    char brk = rest[length];
    rest.remove_prefix(length + 1);
    if (brk == '\0') {
      ended_ = true;
      if (!spans_ && piece.empty()) return;
    }
    skip_lf_ = brk == '\r';
    if (spans_) {
      pending_.append(piece);
      batch.lines.push_back(batch.spanning.emplace_back(std::move(pending_)));
      pending_.clear();
      spans_ = false;
    } else {
      batch.lines.push_back(piece);
    }
    if (ended_) return;
  }
}

// The lines' texts are gathered in one buffer first and pointed at after, as the buffer
// moves while it grows.
void LinePipe::transcode(Batch& batch) {
  std::vector<std::string_view>& lines = batch.lines;
  std::vector<std::size_t> ends(lines.size());
  batch.text.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    append_cp1250_as_utf8(batch.text, lines[i]);
    ends[i] = batch.text.size();
  }
  std::size_t begin = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    lines[i] = std::string_view(batch.text).substr(begin, ends[i] - begin);
    begin = ends[i];
  }
}

bool LinePipe::next(std::string_view& line) {
  while (current_ == nullptr || index_ == current_->lines.size()) {
    if (current_ != nullptr && current_->last) {
      failed_ = failed_ || current_->fails_at_end;
      line = {};
      return false;
    }
    std::unique_lock lock(mutex_);
    if (current_ != nullptr) {
      current_->spanning.clear();
      current_->lines.clear();
      spare_.push_back(std::move(current_));
    }
    changed_.wait(lock, [this] { return !ready_.empty() || error_ != nullptr; });
    if (ready_.empty()) std::rethrow_exception(error_);
    current_ = std::move(ready_.front());
    ready_.pop_front();
    index_ = 0;
    lock.unlock();
    changed_.notify_all();
  }
  line = current_->lines[index_++];
  if (current_->fails_with_last_line && index_ == current_->lines.size()) failed_ = true;
  return true;
}

}  // namespace tamo::workfile
