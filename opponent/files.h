#pragma once
// The few file operations the profile and the game log need beyond plain
// stream input and output: resolving a profile's path once, holding a profile
// for one program at a time, reading only what is a regular file, replacing a
// file's content so that a crash at any moment leaves either the old or the
// new content, and appending a block whole or not at all. None of them ever
// blocks on a FIFO or a device standing where a file was expected.

#include <sys/types.h>

#include <cstdio>
#include <memory>
#include <string>

// Opens path for reading as a stream if it is a regular file; null otherwise
// (missing, unreadable, a folder, a FIFO, a device).
std::FILE* OpenRegularFile(const std::string& path);

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileStream = std::unique_ptr<std::FILE, FileCloser>;

// What opening a profile for reading found. Exactly one holds: stream is
// open, missing is true (nothing stands at the path, a dangling link
// included: a fresh record), or reason says for the player why an existing
// entry cannot be read ("is a folder", "not a regular file", or the system's
// reason such as "Permission denied").
struct ProfileReading {
  FileStream stream;
  bool missing = false;
  std::string reason;
};
ProfileReading OpenProfileForReading(const std::string& path);

// The path the system means by path: the real path of its folder (symbolic
// links and ".." taken in the order the system takes them), then its name,
// which stays as given even when it is itself a link, so that saves keep the
// link and replace its target. A path whose folder cannot be resolved is an
// error: returns false with the system's reason.
bool ResolveProfilePath(const std::string& path, std::string& resolved, std::string& error);

// Holds a profile for this process: an advisory lock (flock) on the file
// "<target>.lock" beside the profile's target (symbolic links followed). The
// system drops the lock when the process ends, however it ends, and a save's
// rename of the profile leaves it in place. The holder writes its process id
// into the lock file so that another program can name it. Where the folder
// refuses to create the lock file but the profile exists, the profile itself
// is locked instead: saves in such a folder rewrite the file in place, so no
// rename drops that lock either. The lock file is never removed (removing
// it would let two programs lock two different files of one name).
//
// A process holds a profile once: a second Acquire of the profile this
// process already holds finds it in use (by this process).
class CProfileLock {
 public:
  enum class State { Free, Held, InUse, Failed };

  // Tries, without waiting, to take the lock of the profile at path.
  // Held: this object holds it until it is released or destroyed. InUse:
  // another open of the lock holds it; Holder() names the process where it
  // can be found, else 0. Failed: Reason() says why no lock could be set up.
  static CProfileLock Acquire(const std::string& path);

  CProfileLock() = default;  // Free: holds nothing
  CProfileLock(CProfileLock&& other) noexcept;
  CProfileLock& operator=(CProfileLock&& other) noexcept;
  CProfileLock(const CProfileLock&) = delete;
  CProfileLock& operator=(const CProfileLock&) = delete;
  ~CProfileLock();

  State GetState() const { return state_; }
  bool Held() const { return state_ == State::Held; }
  pid_t Holder() const { return holder_; }
  const std::string& Reason() const { return reason_; }
  // The file the lock is set on.
  const std::string& LockPath() const { return lockPath_; }

  // Removes the temporary files that killed saves of this profile left
  // beside its target ("<target>.saving.XXXXXX", and "<target>.saving" of
  // older versions), regular files only. Only the holder may: while it holds
  // the lock no other save of the profile runs, so every such file is stale.
  // Returns how many were removed; 0 when not held.
  int SweepStaleSaves() const;

  // Gives the lock up (Free); does nothing when it is not held.
  void Release();

 private:
  State state_ = State::Free;
  int fd_ = -1;
  pid_t holder_ = 0;
  std::string reason_;
  std::string lockPath_;
  std::string target_;
};

// "<file> is in use by another Tarvell (process N)", or without the
// parenthesis when the process is not known (holder 0).
std::string ProfileInUseMessage(const std::string& file, pid_t holder);

// Gives path the content text. A symbolic link is followed and its target
// replaced. An existing file that this user could not open for writing is
// left alone (a failure), and an existing file keeps its permissions, owner
// and group. The content goes to a temporary file "<target>.saving.XXXXXX"
// beside the target, under a name no other save can have at the same time,
// is flushed to disk and renamed over the target, and the folder is flushed
// after the rename. The target is rewritten in place instead where the
// folder does not let us create the temporary file, where the target has
// other hard links (so that they all keep seeing the profile), and where
// this user cannot give a new file the target's owner and group. In place,
// the new bytes go over the old from the start, are flushed, and only then
// is the file cut to the new length: an interruption leaves the old content,
// the new, or the new over the start of the old, never an empty file. On
// failure returns false with the reason in error, leaves the old content
// and removes its own temporary file; it never touches another save's.
bool ReplaceFileContent(const std::string& path, const std::string& text, std::string& error);

// Appends text to path (created if missing) with one write, holding an
// advisory lock (flock) on the file meanwhile so that programs appending to
// one file take turns. When the write comes up short (a full disk), what
// this write added is cut off again; the blocks of other programs are never
// touched. A path that is not a regular file, or cannot be opened, is
// skipped. Never blocks: a lock held elsewhere for long is given up on after
// a short wait, and then only a cut that touches nothing but this write's
// bytes is made.
bool AppendWhole(const std::string& path, const std::string& text);
