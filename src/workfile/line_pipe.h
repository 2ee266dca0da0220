#pragma once

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tamo::workfile {

// Splits a file into lines exactly as LineReader does and hands them out as UTF-8, on a
// thread of its own, so that reading, splitting and transcoding a large work overlap with
// building its records. The thread lives
// as long as the pipe; destroying the pipe stops and joins it.
class LinePipe {
 public:
  // Up to kDepth + 2 batches live at once, each several times its chunk (the lines' views
  // alone take 16 bytes a line), so a chunk is kept small next to the work being built.
  static constexpr std::size_t kDefaultChunk = std::size_t{1} << 18;

  explicit LinePipe(std::FILE* file, std::size_t chunk = kDefaultChunk);
  ~LinePipe();
  LinePipe(const LinePipe&) = delete;
  LinePipe& operator=(const LinePipe&) = delete;

  // As LineReader::next, but the line is already UTF-8; the view stays valid until the
  // next call.
  bool next(std::string_view& line);
  // As LineReader::failed: true once the lines handed out reached a failed read.
  bool failed() const { return failed_; }

 private:
  // The lines that end in one chunk, cut from the chunk or from the lines that began
  // earlier, then transcoded into text.
  struct Batch {
    std::string bytes;
    std::deque<std::string> spanning;
    std::vector<std::string_view> lines;
    std::string text;
    bool last = false;
    bool fails_with_last_line = false;  // the read failed right after a line cut short
    bool fails_at_end = false;
  };
  static constexpr std::size_t kDepth = 4;  // batches ready at most, to bound memory

  void produce();
  void split(Batch& batch);
  static void transcode(Batch& batch);
  std::unique_ptr<Batch> spare_batch();
  bool hand_over(std::unique_ptr<Batch> batch);

  std::FILE* file_;
  std::size_t chunk_;

  // Producer's own state, carried from one chunk to the next.
  std::string pending_;   // a line that began in an earlier chunk
  bool spans_ = false;    // pending_ holds such a line
  bool skip_lf_ = false;  // the last line ended in CR, so an LF right after belongs to it
  bool ended_ = false;    // a NUL byte was reached

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::unique_ptr<Batch>> ready_;
  std::vector<std::unique_ptr<Batch>> spare_;
  bool stop_ = false;
  std::exception_ptr error_;

  // Consumer's state.
  std::unique_ptr<Batch> current_;
  std::size_t index_ = 0;
  bool failed_ = false;

  std::thread producer_;
};

}  // namespace tamo::workfile
