#include "opponent/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  int Release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool IsRegular(int fd) {
  struct stat status;
  return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

std::string Reason(int error) { return std::strerror(error); }

// Where a save of path lands: the file that a chain of symbolic links finally
// points to (even one that does not exist yet), or path itself.
fs::path SaveTarget(const std::string& path) {
  fs::path target = path;
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
    const fs::path link = fs::read_symlink(target, error);
    if (error) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target;
}

bool RewriteInPlace(const fs::path& target, const std::string& text, std::string& error) {
  Descriptor file(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return error = Reason(errno), false;
  if (!IsRegular(file.Get())) return error = "not a regular file", false;
  if (::ftruncate(file.Get(), 0) != 0 || !WriteAll(file.Get(), text) || ::fsync(file.Get()) != 0)
    return error = Reason(errno), false;
  if (::close(file.Release()) != 0) return error = Reason(errno), false;
  return true;
}

}  // namespace

std::FILE* OpenRegularFile(const std::string& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid() || !IsRegular(file.Get())) return nullptr;
  // Reads from a regular file never block; the flag only kept open() from
  // waiting on a FIFO, so it can stay.
  std::FILE* stream = ::fdopen(file.Get(), "rb");
  if (stream != nullptr) file.Release();
  return stream;
}

bool ReplaceFileContent(const std::string& path, const std::string& text, std::string& error) {
  const fs::path target = SaveTarget(path);
  const std::string temporary = target.string() + ".saving";

  // An existing target must be one this user could open for writing, and
  // its permissions carry over to the new file.
  mode_t mode = 0666;  // narrowed by the umask for a new file
  bool exists = false;
  {
    Descriptor existing(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (existing.Valid()) {
      if (!IsRegular(existing.Get())) return error = "not a regular file", false;
      struct stat status;
      if (::fstat(existing.Get(), &status) == 0) mode = status.st_mode & 07777;
      exists = true;
    } else if (errno != ENOENT) {
      return error = Reason(errno), false;
    }
  }

  // A temporary file left by a save that was killed goes first; creating the
  // new one exclusively also refuses anything planted under its name.
  ::unlink(temporary.c_str());
  Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : mode));
  if (!file.Valid()) {
    const int reason = errno;
    if (exists && (reason == EACCES || reason == EPERM || reason == EROFS)) return RewriteInPlace(target, text, error);
    return error = Reason(reason), false;
  }

  auto fail = [&](int reason) {
    error = Reason(reason);
    ::unlink(temporary.c_str());
    return false;
  };
  if (!WriteAll(file.Get(), text)) return fail(errno);
  if (exists && ::fchmod(file.Get(), mode) != 0) return fail(errno);
  if (::fsync(file.Get()) != 0) return fail(errno);
  if (::close(file.Release()) != 0) return fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);

  // The rename itself is durable only once the folder is on disk.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Valid()) ::fsync(directory.Get());
  return true;
}

bool AppendWhole(const std::string& path, const std::string& text) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
  if (!file.Valid() || !IsRegular(file.Get())) return false;
  struct stat before;
  if (::fstat(file.Get(), &before) != 0) return false;
  if (WriteAll(file.Get(), text)) return true;
  const int reason = errno;
  if (::ftruncate(file.Get(), before.st_size) != 0) {
    // Nothing more can be done; the log is a trace, never read back.
  }
  errno = reason;
  return false;
}
