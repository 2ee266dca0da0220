#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "model/storing.h"
#include "workfile/file_names.h"
#include "workfile/workfile.h"
#include "workfile/writer.h"

namespace tamo::workfile {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFlushSize = std::size_t{1} << 20;
constexpr std::string_view kPlaceholderProject = "valami";
constexpr std::string_view kPlaceholderName = "valaki";
constexpr std::string_view kPlaceholderMail = "valaki@example.com";

// Encodes the lines and hands them to the file a megabyte at a time.
class FileSink : public LineSink {
 public:
  explicit FileSink(std::FILE* file) : file_(file) { buffer_.reserve(2 * kFlushSize); }
  void tf(std::string_view line) override {
    append_encoded_line(buffer_, line);
    if (buffer_.size() >= kFlushSize) flush();
  }
  // False once any write has failed.
  bool flush() {
    if (ok_ && !buffer_.empty())
      ok_ = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
    buffer_.clear();
    return ok_;
  }

 private:
  std::FILE* file_;
  std::string buffer_;
  bool ok_ = true;
};

// A new file beside the target, so that the final rename stays within one file system.
// Exclusive creation keeps a stray file of the same name from being overwritten.
std::FILE* create_temporary(const fs::path& target, fs::path& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string stem = "~" + target.stem().string() + "." + std::to_string(counter++) + ".tmp";
    temporary = target.parent_path() / stem;
    if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> creator_refusal(const Work& work) {
  if (work.project.empty()) return std::string(kMsgNoProject);
  if (work.name.empty()) return std::string(kMsgNoName);
  if (work.mail.empty()) return std::string(kMsgNoMail);
  return std::nullopt;
}

SaveResult savetamo(const Work& work, const fs::path& folder) {
  SaveResult result;
  if ((result.message = creator_refusal(work))) return result;

  fs::path target = folder / utf8_path(work.project + ".tamo");
  fs::path temporary;
  std::FILE* file = create_temporary(target, temporary);
  if (file == nullptr) {
    result.message = "Nem sikerült létrehozni a(z) " + shown_path(target) + " fájlt.";
    return result;
  }
  FileSink sink(file);
  emit_work(work, sink);
  bool written = sink.flush();
  written = std::fclose(file) == 0 && written;
  std::error_code error;
  if (written) fs::rename(temporary, target, error);
  if (!written || error) {
    fs::remove(temporary, error);
    result.message = "Nem sikerült kiírni a(z) " + shown_path(target) + " fájlt.";
    return result;
  }
  result.saved = true;
  result.path = target;
  return result;
}

void apply_exit_defaults(Work& work) {
  if (!work.project.empty() && !work.name.empty() && !work.mail.empty()) return;
  set_creator(work, work.project.empty() ? std::string(kPlaceholderProject) : work.project,
              work.name.empty() ? std::string(kPlaceholderName) : work.name,
              work.mail.empty() ? std::string(kPlaceholderMail) : work.mail);
}

bool has_records(const Work& work) {
  return !work.rooms.empty() || !work.monsters.empty() || !work.items.empty();
}

}  // namespace tamo::workfile
