#include "opponent/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(Descriptor&& other) noexcept : fd_(other.Release()) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  int Release() { return std::exchange(fd_, -1); }
  void Reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

bool IsRegular(int fd) {
  struct stat status;
  return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Writes all of text at offset, or at the end of the file for a descriptor
// opened to append.
bool WriteAllAt(int fd, const std::string& text, off_t offset) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::pwrite(fd, text.data() + done, text.size() - done, offset + static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

std::string SystemReason(int error) { return std::strerror(error); }

// The real path of path's folder, then its name; a name that is "." or ".."
// (or none) is resolved with the rest. False with errno set when the folder
// cannot be resolved.
bool RealFolderThenName(const fs::path& path, fs::path& resolved) {
  if (path.empty()) return errno = ENOENT, false;
  const fs::path name = path.filename();
  const bool whole = name.empty() || name == "." || name == "..";
  const fs::path folder = whole ? path : path.has_parent_path() ? path.parent_path() : fs::path(".");
  char* real = ::realpath(folder.c_str(), nullptr);
  if (real == nullptr) return false;
  resolved = whole ? fs::path(real) : fs::path(real) / name;
  std::free(real);
  return true;
}

// Where a save of path lands: the file that a chain of symbolic links finally
// points to (even one that does not exist yet), or path itself, each step
// resolved as the system resolves it.
fs::path SaveTarget(const std::string& path) {
  fs::path target = path;
  fs::path real;
  if (RealFolderThenName(target, real)) target = real;
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
    const fs::path link = fs::read_symlink(target, error);
    if (error) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
    if (RealFolderThenName(target, real)) target = real;
  }
  return target;
}

constexpr char kSavingInfix[] = ".saving";
constexpr char kNameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;

// Whether name is one that a save of the file targetName chooses for its
// temporary file, or the fixed one older versions chose.
bool IsTemporaryName(const std::string& name, const std::string& targetName) {
  const std::string stem = targetName + kSavingInfix;
  if (name == stem) return true;
  if (name.size() != stem.size() + 1 + kSuffixLength || name.compare(0, stem.size(), stem) != 0 ||
      name[stem.size()] != '.')
    return false;
  return name.find_first_not_of(kNameLetters, stem.size() + 1) == std::string::npos;
}

// Creates "<target>.saving.XXXXXX" exclusively, under a name no file has,
// with the given mode (narrowed by the umask). Sets temporary to its name.
Descriptor CreateTemporary(const fs::path& target, mode_t mode, std::string& temporary) {
  static std::atomic<unsigned> counter = 0;
  unsigned long long mix = static_cast<unsigned long long>(::getpid()) * 0x9E3779B97F4A7C15ull ^
                           static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    mix = mix * 6364136223846793005ull + 1442695040888963407ull + ++counter;
    std::string suffix;
    for (std::size_t i = 0, bits = mix >> 16; i < kSuffixLength; ++i, bits /= 62) suffix += kNameLetters[bits % 62];
    temporary = target.string() + kSavingInfix + '.' + suffix;
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (file.Valid() || errno != EEXIST) return Descriptor(file.Release());
  }
  errno = EEXIST;
  return Descriptor();
}

// Rewrites target where it stands: the new bytes over the old from the
// start, flushed, and only then the file cut to the new length, so that an
// interruption never leaves a file shorter than both.
bool RewriteInPlace(const fs::path& target, const std::string& text, std::string& error) {
  Descriptor file(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (!file.Valid()) return error = SystemReason(errno), false;
  if (!IsRegular(file.Get())) return error = "not a regular file", false;
  if (!WriteAllAt(file.Get(), text, 0) || ::fsync(file.Get()) != 0) return error = SystemReason(errno), false;
  if (::ftruncate(file.Get(), static_cast<off_t>(text.size())) != 0 || ::fsync(file.Get()) != 0)
    return error = SystemReason(errno), false;
  if (::close(file.Release()) != 0) return error = SystemReason(errno), false;
  return true;
}

// The process that holds a flock on the file open at fd, as the system lists
// it; 0 when none is found.
pid_t FlockHolder(int fd) {
  struct stat status;
  if (::fstat(fd, &status) != 0) return 0;
  std::ifstream locks("/proc/locks");
  pid_t onDevice = 0, onInode = 0;
  int inodeMatches = 0;
  for (std::string line; std::getline(locks, line);) {
    std::istringstream fields(line);
    std::string number, kind, advisory, access, device;
    long pid = 0;
    fields >> number >> kind;
    if (kind == "->") continue;  // a waiter, not the holder
    if (!(fields >> advisory >> access >> pid >> device) || kind != "FLOCK") continue;
    unsigned major = 0, minor = 0;
    unsigned long long inode = 0;
    if (std::sscanf(device.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3 || inode != status.st_ino) continue;
    if (major == ::major(status.st_dev) && minor == ::minor(status.st_dev)) onDevice = static_cast<pid_t>(pid);
    onInode = static_cast<pid_t>(pid);
    ++inodeMatches;
  }
  // Some file systems list another device than the one fstat reports; an
  // inode number alone is trusted only when one lock has it.
  return onDevice != 0 ? onDevice : inodeMatches == 1 ? onInode : 0;
}

// The process id a holder wrote into its lock file; 0 when there is none.
pid_t WrittenHolder(int fd) {
  char text[32] = {};
  const ssize_t length = ::pread(fd, text, sizeof text - 1, 0);
  if (length <= 0) return 0;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  return end != text && *end == '\n' && pid > 0 && pid <= INT_MAX ? static_cast<pid_t>(pid) : 0;
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

ProfileReading OpenProfileForReading(const std::string& path) {
  ProfileReading reading;
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat status;
  if (!file.Valid()) {
    const int reason = errno;
    if (reason == ENOENT)
      reading.missing = true;
    else
      reading.reason =
          ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) ? "is a folder" : SystemReason(reason);
    return reading;
  }
  if (::fstat(file.Get(), &status) != 0)
    reading.reason = SystemReason(errno);
  else if (S_ISDIR(status.st_mode))
    reading.reason = "is a folder";
  else if (!S_ISREG(status.st_mode))
    reading.reason = "not a regular file";
  else if (reading.stream.reset(::fdopen(file.Get(), "rb")); !reading.stream)
    reading.reason = SystemReason(errno);
  else
    file.Release();
  return reading;
}

bool ResolveProfilePath(const std::string& path, std::string& resolved, std::string& error) {
  fs::path real;
  if (!RealFolderThenName(path, real)) return error = SystemReason(errno), false;
  resolved = real.string();
  return true;
}

CProfileLock CProfileLock::Acquire(const std::string& path) {
  CProfileLock lock;
  if (path.empty()) {
    lock.state_ = State::Failed;
    lock.reason_ = SystemReason(ENOENT);
    return lock;
  }
  const fs::path target = SaveTarget(path);
  lock.target_ = target.string();
  lock.lockPath_ = lock.target_ + ".lock";
  // Never through a link planted under the lock's name, never waiting on a
  // FIFO. Others who may not write the lock file can still lock it.
  constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  Descriptor file(::open(lock.lockPath_.c_str(), O_RDWR | O_CREAT | kFlags, 0666));
  bool writable = file.Valid();
  if (!file.Valid() && (errno == EACCES || errno == EROFS)) {
    const int refusal = errno;
    file.Reset(::open(lock.lockPath_.c_str(), O_RDONLY | kFlags));
    if (!file.Valid() && errno == ENOENT) {
      // The folder refuses new files to this user, whose saves therefore
      // rewrite the profile in place: its own file carries the lock.
      file.Reset(::open(lock.target_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
      if (file.Valid())
        lock.lockPath_ = lock.target_;
      else
        errno = refusal;
    }
  }
  if (!file.Valid()) {
    lock.state_ = State::Failed;
    lock.reason_ = SystemReason(errno);
    return lock;
  }
  if (!IsRegular(file.Get())) {
    lock.state_ = State::Failed;
    lock.reason_ = "not a regular file";
    return lock;
  }
  while (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) {
      lock.state_ = State::InUse;
      lock.holder_ = FlockHolder(file.Get());
      if (lock.holder_ == 0 && lock.lockPath_ != lock.target_) lock.holder_ = WrittenHolder(file.Get());
    } else {
      lock.state_ = State::Failed;
      lock.reason_ = SystemReason(errno);
    }
    return lock;
  }
  lock.state_ = State::Held;
  lock.holder_ = ::getpid();
  if (writable) {
    // Only a name for the player; a lock whose file cannot take it still holds.
    const std::string pid = std::to_string(lock.holder_) + '\n';
    if (::ftruncate(file.Get(), 0) == 0) WriteAllAt(file.Get(), pid, 0);
  }
  lock.fd_ = file.Release();
  return lock;
}

CProfileLock::CProfileLock(CProfileLock&& other) noexcept
    : state_(std::exchange(other.state_, State::Free)),
      fd_(std::exchange(other.fd_, -1)),
      holder_(std::exchange(other.holder_, 0)),
      reason_(std::move(other.reason_)),
      lockPath_(std::move(other.lockPath_)),
      target_(std::move(other.target_)) {}

CProfileLock& CProfileLock::operator=(CProfileLock&& other) noexcept {
  if (this != &other) {
    Release();
    state_ = std::exchange(other.state_, State::Free);
    fd_ = std::exchange(other.fd_, -1);
    holder_ = std::exchange(other.holder_, 0);
    reason_ = std::move(other.reason_);
    lockPath_ = std::move(other.lockPath_);
    target_ = std::move(other.target_);
  }
  return *this;
}

CProfileLock::~CProfileLock() { Release(); }

void CProfileLock::Release() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor drops the lock
  fd_ = -1;
  if (state_ == State::Held) {
    state_ = State::Free;
    holder_ = 0;
  }
}

int CProfileLock::SweepStaleSaves() const {
  if (!Held()) return 0;
  const fs::path target = target_;
  const std::string name = target.filename().string();
  int removed = 0;
  std::error_code error;
  for (fs::directory_iterator entry(target.parent_path(), error), end; !error && entry != end; entry.increment(error)) {
    if (!IsTemporaryName(entry->path().filename().string(), name)) continue;
    if (entry->is_regular_file(error) && !entry->is_symlink(error) && ::unlink(entry->path().c_str()) == 0) ++removed;
  }
  return removed;
}

std::string ProfileInUseMessage(const std::string& file, pid_t holder) {
  std::string message = file + " is in use by another Tarvell";
  if (holder > 0) message += " (process " + std::to_string(holder) + ")";
  return message;
}

bool ReplaceFileContent(const std::string& path, const std::string& text, std::string& error) {
  const fs::path target = SaveTarget(path);

  // An existing target must be one this user could open for writing; its
  // permissions, owner and group carry over to the new file.
  struct stat old {};
  bool exists = false;
  {
    Descriptor existing(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (existing.Valid()) {
      if (::fstat(existing.Get(), &old) != 0) return error = SystemReason(errno), false;
      if (!S_ISREG(old.st_mode)) return error = "not a regular file", false;
      exists = true;
    } else if (errno != ENOENT) {
      return error = SystemReason(errno), false;
    }
  }
  // Replacing a file with other names would leave them the old content.
  if (exists && old.st_nlink > 1) return RewriteInPlace(target, text, error);

  std::string temporary;
  Descriptor file;
  file = CreateTemporary(target, exists ? 0600 : 0666, temporary);
  if (!file.Valid()) {
    const int reason = errno;
    if (exists && (reason == EACCES || reason == EPERM || reason == EROFS)) return RewriteInPlace(target, text, error);
    return error = SystemReason(reason), false;
  }

  auto fail = [&](int reason) {
    error = SystemReason(reason);
    ::unlink(temporary.c_str());
    return false;
  };
  if (exists) {
    struct stat created;
    if (::fstat(file.Get(), &created) != 0) return fail(errno);
    if ((created.st_uid != old.st_uid || created.st_gid != old.st_gid) &&
        ::fchown(file.Get(), old.st_uid, old.st_gid) != 0) {
      // This user cannot hand a new file to the profile's owner and group;
      // the file they have stays theirs, rewritten where it stands.
      ::unlink(temporary.c_str());
      return RewriteInPlace(target, text, error);
    }
    if (::fchmod(file.Get(), old.st_mode & 07777) != 0) return fail(errno);
  }
  if (!WriteAllAt(file.Get(), text, 0)) return fail(errno);
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
  // Other programs hold this lock only for one write and its cut-back, so
  // waiting for it (in the system, not by polling) is short; without it one
  // program's cut-back could take another's block that came in between.
  while (::flock(file.Get(), LOCK_EX) != 0 && errno == EINTR) {
  }
  ssize_t written;
  do written = ::write(file.Get(), text.data(), text.size());
  while (written < 0 && errno == EINTR);
  if (written == static_cast<ssize_t>(text.size())) return true;
  const int reason = written < 0 ? errno : ENOSPC;
  if (written > 0) {
    // Appending leaves the offset at the end of this write's bytes; they are
    // cut off only while nothing follows them.
    struct stat now;
    const off_t end = ::lseek(file.Get(), 0, SEEK_CUR);
    if (end >= written && ::fstat(file.Get(), &now) == 0 && now.st_size == end &&
        ::ftruncate(file.Get(), end - written) != 0) {
      // Nothing more can be done; the log is a trace, never read back.
    }
  }
  errno = reason;
  return false;
}
