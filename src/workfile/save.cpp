#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <string>

#include "model/storing.h"
#include "workfile/file_names.h"
#include "workfile/work_digest.h"
#include "workfile/workfile.h"
#include "workfile/writer.h"

namespace tamo::workfile {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFlushSize = std::size_t{1} << 20;
constexpr std::string_view kPlaceholderProject = "valami";
constexpr std::string_view kPlaceholderName = "valaki";
constexpr std::string_view kPlaceholderMail = "valaki@example.com";
// Links deeper than this are a loop; the system gives up at about the same depth.
constexpr int kMaxLinks = 40;

// Encodes the lines and hands them to the file a megabyte at a time.
class FileSink : public LineSink {
 public:
  FileSink(int fd, WorkDigest* digest) : fd_(fd), digest_(digest) {
    buffer_.reserve(2 * kFlushSize);
  }
  void tf(std::string_view line) override {
    append_file_line(buffer_, line, flushed_, digest_);
    if (buffer_.size() >= kFlushSize) flush();
  }
  // The system's error number of the first failed write, or 0.
  int flush() {
    if (digest_ != nullptr) digest_->take(buffer_);
    flushed_ += buffer_.size();
    std::string_view rest = buffer_;
    while (error_ == 0 && !rest.empty()) {
      ssize_t written = ::write(fd_, rest.data(), rest.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        error_ = written < 0 ? errno : ENOSPC;
        break;
      }
      rest.remove_prefix(static_cast<std::size_t>(written));
    }
    buffer_.clear();
    return error_;
  }

 private:
  int fd_;
  WorkDigest* digest_;
  std::string buffer_;
  std::uint64_t flushed_ = 0;
  int error_ = 0;
};

// The file a save replaces: a symlink is followed to its target, so the link stays a link.
fs::path real_target(fs::path path) {
  std::error_code error;
  for (int depth = 0; depth < kMaxLinks && fs::is_symlink(path, error); ++depth) {
    fs::path to = fs::read_symlink(path, error);
    if (error) break;
    path = to.is_absolute() ? to : path.parent_path() / to;
  }
  return path;
}

// A new file beside the target, so that the final rename stays within one file system. Its
// name is drawn at random, so files left by an earlier crash are never in the way; it gets
// the permissions a new file gets (the process's umask applies). -1 and errno when it cannot
// be made.
int create_temporary(const fs::path& target, fs::path& temporary) {
  static std::mt19937_64 random(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
  static std::mutex mutex;
  std::string stem = "~" + target.stem().string() + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::uint64_t draw;
    {
      std::lock_guard lock(mutex);
      draw = random();
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(draw));
    temporary = target.parent_path() / (stem + digits + ".tmp");
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The earlier file's permissions, and its owner where the system lets us keep it.
int keep_mode_and_owner(int fd, const struct stat& earlier) {
  if (::fchmod(fd, earlier.st_mode & 07777) != 0) return errno;
  if (::fchown(fd, earlier.st_uid, earlier.st_gid) != 0 && errno != EPERM) return errno;
  return 0;
}

// A crash right after the rename must not lose the name's new entry.
void sync_folder(const fs::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes the work into a temporary file, flushed to the disk, then renames it over the target.
// The system's error number of the first failure, or 0; the temporary never outlives a failure.
// `reached` tells whether the target existed or a file could be made beside it.
int write_and_replace(const Work& work, const fs::path& target, bool& reached, WorkDigest* digest) {
  struct stat earlier {};
  bool replaces = ::stat(target.c_str(), &earlier) == 0;
  reached = replaces;
  if (replaces && S_ISDIR(earlier.st_mode)) return EISDIR;
  if (replaces && ::access(target.c_str(), W_OK) != 0) return errno;
  fs::path temporary;
  int fd = create_temporary(target, temporary);
  if (fd < 0) return errno;
  reached = true;
  FileSink sink(fd, digest);
  emit_work(work, sink);
  int error = sink.flush();
  if (error == 0 && replaces) error = keep_mode_and_owner(fd, earlier);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return error;
  }
  sync_folder(target.parent_path());
  return 0;
}

}  // namespace

std::optional<std::string> creator_refusal(const Work& work) {
  if (work.project.empty()) return std::string(kMsgNoProject);
  if (work.name.empty()) return std::string(kMsgNoName);
  if (work.mail.empty()) return std::string(kMsgNoMail);
  return std::nullopt;
}

std::string system_reason(int error) {
  switch (error) {
    case ENOSPC:
      return "nincs elég hely a lemezen";
    case EDQUOT:
      return "elfogyott a lemezkvóta";
    case EACCES:
    case EPERM:
      return "nincs hozzá jogosultság";
    case EROFS:
      return "a fájlrendszer csak olvasható";
    case ENOENT:
      return "nincs ilyen fájl vagy mappa";
    case ENOTDIR:
      return "az elérési út egyik tagja nem mappa";
    case EISDIR:
      return "ezen a néven egy mappa van";
    case ENAMETOOLONG:
      return "túl hosszú név";
    case EFBIG:
      return "a fájl túl nagy";
    case EIO:
      return "írási-olvasási hiba";
    case ELOOP:
      return "körbemutató hivatkozás";
    default:
      return std::strerror(error);
  }
}

fs::path work_file_path(const Work& work, const fs::path& folder) {
  return folder / utf8_path(work.project + ".tamo");
}

SaveResult savetamo(const Work& work, const fs::path& folder, WorkDigest* digest) {
  SaveResult result;
  if ((result.message = creator_refusal(work))) return result;

  fs::path target = work_file_path(work, folder);
  bool reached = false;
  if (int error = write_and_replace(work, real_target(target), reached, digest)) {
    result.message = std::string(reached ? "Nem sikerült kiírni" : "Nem sikerült létrehozni") +
                     " a(z) " + shown_path(target) + " fájlt: " + system_reason(error) + ".";
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
