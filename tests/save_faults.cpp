#include "tests/save_faults.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
#define TARVELL_OWN_FILE_CALLS 1
#endif

std::atomic<SaveFault> failing{SaveFault::None};

// Whether name is a save's temporary file ("<target>.saving.XXXXXX").
bool IsTemporary(const std::string& name) { return name.find(".saving.") != std::string::npos; }

[[maybe_unused]] bool IsTemporary(int fd) {
  char path[4096];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(link.c_str(), path, sizeof path - 1);
  return length > 0 && IsTemporary(std::string(path, static_cast<std::size_t>(length)));
}

}  // namespace

#ifdef TARVELL_OWN_FILE_CALLS
extern "C" {
int fsync(int fd) {
  if (failing == SaveFault::Flush && IsTemporary(fd)) return errno = EIO, -1;
  return static_cast<int>(::syscall(SYS_fsync, fd));
}
int close(int fd) {
  const bool fail = failing == SaveFault::Close && IsTemporary(fd);
  const int result = static_cast<int>(::syscall(SYS_close, fd));
  if (fail) return errno = EIO, -1;  // closed all the same, as the system does
  return result;
}
int rename(const char* from, const char* to) {
  if (failing == SaveFault::Rename && IsTemporary(std::string(from))) return errno = EIO, -1;
  return static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}
}
#endif

bool CanCause(SaveFault fault) {
#ifdef TARVELL_OWN_FILE_CALLS
  constexpr bool kOwnFileCalls = true;
#else
  constexpr bool kOwnFileCalls = false;
#endif
  return kOwnFileCalls || fault == SaveFault::None || fault == SaveFault::Open || fault == SaveFault::Write;
}

CausedSaveFault::CausedSaveFault(SaveFault fault) : fault_(fault) {
  switch (fault) {
    case SaveFault::Open: {
      // No file can be opened at all: the limit of open files is 0 (those
      // open already stay open).
      rlimit limit;
      ::getrlimit(RLIMIT_NOFILE, &limit);
      sizeLimit_ = limit.rlim_cur;
      limit.rlim_cur = 0;
      ::setrlimit(RLIMIT_NOFILE, &limit);
      break;
    }
    case SaveFault::Write: {
      // The write stops at 16 bytes; the signal the limit sends is ignored,
      // as the system then fails the write with EFBIG.
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit limit;
      ::getrlimit(RLIMIT_FSIZE, &limit);
      sizeLimit_ = limit.rlim_cur;
      limit.rlim_cur = 16;
      ::setrlimit(RLIMIT_FSIZE, &limit);
      break;
    }
    default: failing = fault; break;
  }
}

CausedSaveFault::~CausedSaveFault() {
  if (fault_ == SaveFault::Open) {
    rlimit limit;
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = sizeLimit_;
    ::setrlimit(RLIMIT_NOFILE, &limit);
  }
  if (fault_ == SaveFault::Write) {
    rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = sizeLimit_;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  failing = SaveFault::None;
}
