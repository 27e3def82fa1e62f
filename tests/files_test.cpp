// Where the profile and the game log land, and what a failed or interrupted
// write leaves behind.

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/world.h"
#include "opponent/files.h"
#include "opponent/game_log.h"
#include "opponent/profile.h"
#include "opponent/strategy.h"
#include "tests/save_faults.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

class FilesTest : public CoreTest {
 protected:
  ScratchFolder folder;

  // The names of temporary save files in where, in order.
  static std::string Leftovers(const fs::path& where) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(where))
      if (entry.path().filename().string().find(".saving") != std::string::npos)
        names.insert(entry.path().filename().string());
    std::string list;
    for (const std::string& name : names) list += name + " ";
    return list;
  }
};

TEST_F(FilesTest, ASaveReplacesWhatTheProfilePathMeansAndKeepsItsMode) {
  fs::create_directories("store");
  WriteFile("store/real.tvu", "1\t1\t");
  fs::create_symlink("store/real.tvu", "link.tvu");
  fs::create_symlink("store/later.tvu", "dangling.tvu");
  WriteFile("private.tvu", "1\t1\t");
  fs::permissions("private.tvu", fs::perms::owner_read | fs::perms::owner_write);
  const Record record{5, 0};
  std::string error;
  for (const char* name : {"link.tvu", "dangling.tvu", "private.tvu"})
    EXPECT_TRUE(SaveProfile(name, record, error)) << name;
  EXPECT_TRUE(fs::is_symlink("link.tvu"));
  EXPECT_TRUE(fs::is_symlink("dangling.tvu"));
  EXPECT_EQ(ReadFile("store/real.tvu").substr(0, 2), "5\t");
  EXPECT_EQ(ReadFile("store/later.tvu").substr(0, 2), "5\t");
  EXPECT_EQ(ReadFile("private.tvu").substr(0, 2), "5\t");
  EXPECT_EQ(fs::status("private.tvu").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Leftovers("."), "");
  EXPECT_EQ(Leftovers("store"), "");
}

TEST_F(FilesTest, ASaveHasThePermissionsOfThePlayer) {
  // As an unprivileged user: a read-only profile in a writable folder is
  // left alone; a writable profile in a read-only folder is written in place.
  fs::permissions(folder.Path(), fs::perms::all);
  WriteFile("locked.tvu", "1\t1\t");
  fs::permissions("locked.tvu", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directories("shut");
  WriteFile("shut/open.tvu", "1\t1\t");
  fs::permissions("shut/open.tvu",
                  fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
  fs::permissions("shut", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  const int status = InChild(
      [] {
        const Record record{6, 0};
        std::string error;
        if (SaveProfile("locked.tvu", record, error)) return 1;
        if (error.empty()) return 2;
        return SaveProfile("shut/open.tvu", record, error) ? 0 : 3;
      },
      true);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile("locked.tvu"), "1\t1\t");
  EXPECT_EQ(ReadFile("shut/open.tvu").substr(0, 2), "6\t");
  EXPECT_EQ(Leftovers("shut"), "");
}

TEST_F(FilesTest, TheLogTakesWholeBlocksAndNeverBlocks) {
  CWorld world;
  ClearBoard(world);
  world.turn = 0;

  ASSERT_EQ(mkfifo(kGameLogName, 0600), 0);  // would wait for a reader for ever
  LogTerrain(kGameLogName, world);
  LogPlayerPositions(kGameLogName, world);
  fs::remove(kGameLogName);

  LogTerrain(kGameLogName, world);
  const std::string whole = ReadFile(kGameLogName);
  // A disk that fills up in the middle of the next block: the file is cut
  // back to where the block began.
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{whole.size() + 100, whole.size() + 100};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
    LogPlayerPositions(kGameLogName, world);
    return 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(kGameLogName), whole);
  LogPlayerPositions(kGameLogName, world);
  EXPECT_EQ(ReadFile(kGameLogName), whole + PositionBlock(world));
}

TEST_F(FilesTest, AProfileThatIsNoRegularFileIsNeitherReadNorReplaced) {
  ASSERT_EQ(mkfifo("fifo.tvu", 0600), 0);  // opening it to read would wait for a writer
  Record record{3, 0};
  std::string error;
  EXPECT_EQ(LoadProfile("fifo.tvu", record, error), ProfileRead::Unreadable);
  EXPECT_EQ(record.wins, 3);
  EXPECT_FALSE(SaveProfile("fifo.tvu", record, error));
  EXPECT_TRUE(fs::is_fifo("fifo.tvu"));
}

// Two programs on one profile, and saves interrupted or refused part way.
class SharedFileTest : public FilesTest {
 protected:
  // Runs body in a child process that has not finished when this returns.
  static pid_t Start(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) _exit(body());
    return child;
  }
  // A child that takes the lock of path (as nobody, where unprivileged) and
  // holds it until it is killed; returns once the lock is held.
  static pid_t HoldLock(const std::string& path, bool unprivileged = false) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t holder = Start([&] {
      if (unprivileged && !BecomeUnprivileged()) return 99;
      const CProfileLock lock = CProfileLock::Acquire(path);
      const char held = lock.Held() ? 'y' : 'n';
      if (write(ready[1], &held, 1) != 1) return 1;
      pause();
      return 0;
    });
    char held = 0;
    EXPECT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    close(ready[0]);
    close(ready[1]);
    return holder;
  }
  static int Finish(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
  }
  // "shut/p.tvu" holding text, which everyone may write, in a folder where
  // nobody but root may create a file.
  void ShutFolderWithOpenProfile(const std::string& text) {
    fs::permissions(folder.Path(), fs::perms::all);
    fs::create_directories("shut");
    WriteFile("shut/p.tvu", text);
    fs::permissions("shut/p.tvu",
                    fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    fs::permissions("shut",
                    fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions("shut", fs::perms::owner_all, fs::perm_options::add, ignored);  // so the folder can go
    FilesTest::TearDown();
  }

  // Saves text to path count times; the exit status of a child.
  static int SaveRepeatedly(const std::string& path, const std::string& text, int count) {
    std::string error;
    for (int i = 0; i < count; ++i)
      if (!ReplaceFileContent(path, text, error)) return 1;
    return 0;
  }
};

TEST_F(SharedFileTest, TwoProgramsSavingOneProfileNeverShowAReaderAnEmptyOrPartFile) {
  const std::string first = Repeat("11\t", 300), second = Repeat("2\t", 200);
  WriteFile("p.tvu", first);
  std::vector<pid_t> savers = {Start([&] { return SaveRepeatedly("p.tvu", first, 400); }),
                               Start([&] { return SaveRepeatedly("p.tvu", second, 400); })};
  int reads = 0, bad = 0, failed = 0;
  while (!savers.empty()) {
    const std::string seen = ReadFile("p.tvu");
    ++reads;
    if (seen != first && seen != second) ++bad;
    int status = 0;
    const pid_t done = waitpid(-1, &status, WNOHANG);
    if (done <= 0) continue;
    std::erase(savers, done);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++failed;
  }
  EXPECT_EQ(bad, 0) << "of " << reads << " reads";
  EXPECT_EQ(failed, 0) << "a save failed beside another program's";
  EXPECT_EQ(Leftovers("."), "");
}

TEST_F(SharedFileTest, AnInterruptedInPlaceSaveLeavesNoShorterFile) {
  // A folder that refuses new files and a profile this user may write: the
  // save goes in place. The disk fills up after `room` bytes of the file.
  const std::string old = Repeat("7\t", 252), longer = Repeat("12\t", 252), shorter = Repeat("3\t", 10);
  ShutFolderWithOpenProfile(old);
  auto save = [](const std::string& text, rlim_t room) {
    return InChild(
        [&] {
          std::signal(SIGXFSZ, SIG_IGN);
          const rlimit limit{room, RLIM_INFINITY};
          std::string error;
          if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 9;
          return ReplaceFileContent("shut/p.tvu", text, error) ? 0 : 1;
        },
        true);
  };
  EXPECT_EQ(save(longer, 0), 1);
  EXPECT_EQ(ReadFile("shut/p.tvu"), old);
  EXPECT_EQ(save(longer, 9), 1);
  EXPECT_EQ(ReadFile("shut/p.tvu"), longer.substr(0, 9) + old.substr(9));  // one number torn, no record lost
  EXPECT_EQ(save(shorter, RLIM_INFINITY), 0);
  EXPECT_EQ(ReadFile("shut/p.tvu"), shorter);
  EXPECT_EQ(Leftovers("shut"), "");
}

TEST_F(SharedFileTest, ASaveKeepsTheOwnerAndEveryHardLinkOfTheProfile) {
  std::string error;
  WriteFile("a.tvu", "1\t");
  fs::create_hard_link("a.tvu", "b.tvu");
  EXPECT_TRUE(ReplaceFileContent("b.tvu", "2\t", error)) << error;
  EXPECT_EQ(ReadFile("a.tvu"), "2\t");
  EXPECT_EQ(fs::hard_link_count("a.tvu"), 2u);

  const passwd* nobody = getpwnam("nobody");
  if (geteuid() != 0 || nobody == nullptr) GTEST_SKIP() << "giving files to another user needs root";
  struct stat status;
  WriteFile("theirs.tvu", "1\t");
  ASSERT_EQ(chown("theirs.tvu", nobody->pw_uid, nobody->pw_gid), 0);
  ASSERT_EQ(chmod("theirs.tvu", 0640), 0);
  EXPECT_TRUE(ReplaceFileContent("theirs.tvu", "3\t", error)) << error;
  ASSERT_EQ(stat("theirs.tvu", &status), 0);
  EXPECT_EQ(status.st_uid, nobody->pw_uid);
  EXPECT_EQ(status.st_gid, nobody->pw_gid);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadFile("theirs.tvu"), "3\t");

  // A user who may not give a file away writes another's profile in place.
  fs::permissions(folder.Path(), fs::perms::all);
  WriteFile("roots.tvu", "1\t");
  ASSERT_EQ(chmod("roots.tvu", 0666), 0);
  EXPECT_EQ(InChild([] { return SaveRepeatedly("roots.tvu", "4\t", 1); }, true), 0);
  ASSERT_EQ(stat("roots.tvu", &status), 0);
  EXPECT_EQ(status.st_uid, 0u);
  EXPECT_EQ(ReadFile("roots.tvu"), "4\t");
}

TEST_F(SharedFileTest, OnlyTheHolderSweepsWhatKilledSavesLeftAndNoFolderStopsASave) {
  fs::create_directory("p.tvu.saving");
  WriteFile("p.tvu.saving.Ab12Cd", "left by a killed save");
  WriteFile("p.tvu.saving.Ab12C", "not a name a save chooses");
  WriteFile("q.tvu.saving.Ab12Cd", "another profile's");
  WriteFile("r.tvu.saving", "left by an older version");
  std::string error;
  EXPECT_TRUE(ReplaceFileContent("p.tvu", "1\t", error)) << error;
  EXPECT_EQ(ReadFile("p.tvu"), "1\t");
  EXPECT_TRUE(fs::exists("p.tvu.saving.Ab12Cd"));  // a save removes only its own file
  CProfileLock lock = CProfileLock::Acquire("p.tvu");
  ASSERT_TRUE(lock.Held()) << lock.Reason();
  EXPECT_EQ(lock.SweepStaleSaves(), 1);
  EXPECT_EQ(Leftovers("."), "p.tvu.saving p.tvu.saving.Ab12C q.tvu.saving.Ab12Cd r.tvu.saving ");
  EXPECT_EQ(CProfileLock::Acquire("r.tvu").SweepStaleSaves(), 1);
  EXPECT_FALSE(fs::exists("r.tvu.saving"));
}

TEST_F(SharedFileTest, AProfileIsHeldByOneProgramUntilItEndsHoweverItEnds) {
  fs::create_directories("store");
  WriteFile("store/p.tvu", "1\t");
  fs::create_symlink("store/p.tvu", "link.tvu");
  const pid_t holder = HoldLock("link.tvu");
  ASSERT_GT(holder, 0);
  // Known by the target's own name, and after a save renamed a new file over it.
  std::string error;
  EXPECT_TRUE(ReplaceFileContent("store/p.tvu", "2\t", error)) << error;
  CProfileLock second = CProfileLock::Acquire("store/p.tvu");
  EXPECT_EQ(second.GetState(), CProfileLock::State::InUse);
  EXPECT_EQ(second.Holder(), holder);
  EXPECT_EQ(ProfileInUseMessage("store/p.tvu", second.Holder()),
            "store/p.tvu is in use by another Tarvell (process " + std::to_string(holder) + ")");
  kill(holder, SIGKILL);  // a crash
  EXPECT_EQ(Finish(holder), -1);
  const CProfileLock third = CProfileLock::Acquire("store/p.tvu");
  EXPECT_TRUE(third.Held()) << third.Reason();
  EXPECT_EQ(third.LockPath(), (fs::canonical("store") / "p.tvu.lock").string());
  EXPECT_EQ(ReadFile(third.LockPath()), std::to_string(getpid()) + "\n");

  ASSERT_EQ(mkfifo("q.tvu.lock", 0600), 0);  // opening it to write would wait for a reader
  const CProfileLock fifo = CProfileLock::Acquire("q.tvu");
  EXPECT_EQ(fifo.GetState(), CProfileLock::State::Failed);
  EXPECT_EQ(fifo.Reason(), "not a regular file");
}

TEST_F(SharedFileTest, AProfileInAFolderThatRefusesTheLockFileIsStillHeldOnce) {
  ShutFolderWithOpenProfile("1\t");
  const pid_t holder = HoldLock("shut/p.tvu", true);
  ASSERT_GT(holder, 0);
  const int second = InChild(
      [&] {
        const CProfileLock lock = CProfileLock::Acquire("shut/p.tvu");
        if (lock.GetState() != CProfileLock::State::InUse) return 1;
        return lock.Holder() == holder ? 0 : 2;
      },
      true);
  EXPECT_EQ(second, 0);
  EXPECT_FALSE(fs::exists("shut/p.tvu.lock"));
  kill(holder, SIGKILL);
  Finish(holder);
  EXPECT_EQ(InChild([] { return CProfileLock::Acquire("shut/p.tvu").Held() ? 0 : 1; }, true), 0);
}

TEST_F(SharedFileTest, TwoProgramsAppendingToOneLogOnAFullDiskKeepEachOthersBlocks) {
  // One program's disk fills up part way (a file size limit), the other's
  // does not: a cut-back of the first must never take the second's blocks.
  const std::string big = Repeat("A", 2999) + "\n", small = Repeat("B", 99) + "\n";
  constexpr int kAppends = 3000;
  const pid_t full = Start([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{60'000, RLIM_INFINITY};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 9;
    for (int i = 0; i < kAppends; ++i) AppendWhole("log.txt", big);
    return 0;
  });
  const pid_t other = Start([&] {
    for (int i = 0; i < kAppends; ++i)
      if (!AppendWhole("log.txt", small)) return 1;
    return 0;
  });
  EXPECT_EQ(Finish(full), 0);
  EXPECT_EQ(Finish(other), 0);
  int smallBlocks = 0, torn = 0;
  for (const std::string& line : Lines(ReadFile("log.txt"))) {
    if (line + '\n' == small)
      ++smallBlocks;
    else if (line + '\n' != big)
      ++torn;
  }
  EXPECT_EQ(smallBlocks, kAppends);
  EXPECT_EQ(torn, 0);
}

TEST_F(FilesTest, AnExistingProfileThatCannotBeReadSaysWhyAMissingOneIsFresh) {
  WriteFile("p.tvu", "1\t");
  ProfileReading readable = OpenProfileForReading("p.tvu");
  ASSERT_TRUE(readable.stream);
  EXPECT_EQ(std::fgetc(readable.stream.get()), '1');

  fs::create_symlink("later.tvu", "dangling.tvu");
  for (const char* name : {"none.tvu", "dangling.tvu"}) {
    const ProfileReading missing = OpenProfileForReading(name);
    EXPECT_TRUE(missing.missing && !missing.stream && missing.reason.empty()) << name;
  }
  fs::create_directory("folder.tvu");
  ASSERT_EQ(mkfifo("fifo.tvu", 0600), 0);  // opening it to read would wait for a writer
  for (const auto& [name, reason] : {std::pair{"folder.tvu", "is a folder"}, {"fifo.tvu", "not a regular file"}}) {
    const ProfileReading refused = OpenProfileForReading(name);
    EXPECT_FALSE(refused.missing || refused.stream) << name;
    EXPECT_EQ(refused.reason, reason);
  }

  fs::permissions(folder.Path(), fs::perms::all);
  WriteFile("none.tvu", "12\t3\t");
  WriteFile("write-only.tvu", "12\t3\t");
  fs::permissions("none.tvu", fs::perms::none);
  fs::permissions("write-only.tvu", fs::perms::owner_write);
  const int status = InChild(
      [] {
        for (const char* name : {"none.tvu", "write-only.tvu"}) {
          const ProfileReading refused = OpenProfileForReading(name);
          if (refused.missing || refused.stream || refused.reason != std::strerror(EACCES)) return 1;
        }
        return 0;
      },
      true);
  EXPECT_EQ(status, 0);
}

TEST_F(FilesTest, AProfilePathMeansTheFileTheSystemOpens) {
  fs::create_directories("a/b");
  fs::create_symlink("a/b", "L");
  WriteFile("a/p.tvu", "in a");
  WriteFile("p.tvu", "here");
  std::string resolved, error;
  ASSERT_TRUE(ResolveProfilePath("L/../p.tvu", resolved, error)) << error;
  EXPECT_EQ(resolved, (fs::canonical("a") / "p.tvu").string());
  EXPECT_EQ(ReadFile(resolved), ReadFile("L/../p.tvu"));

  fs::create_symlink("a/p.tvu", "link.tvu");  // the name stays a link, so saves keep it
  ASSERT_TRUE(ResolveProfilePath("link.tvu", resolved, error)) << error;
  EXPECT_EQ(resolved, (fs::canonical(".") / "link.tvu").string());

  EXPECT_FALSE(ResolveProfilePath("none/p.tvu", resolved, error));
  EXPECT_EQ(error, std::strerror(ENOENT));
}
