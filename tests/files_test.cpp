// Where the profile and the game log land, and what a failed or interrupted
// write leaves behind.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "model/world.h"
#include "opponent/game_log.h"
#include "opponent/profile.h"
#include "opponent/strategy.h"
#include "tests/save_faults.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

class FilesTest : public CoreTest {
 protected:
  ScratchFolder folder;

  static std::string Leftovers(const fs::path& where) {
    std::string names;
    for (const auto& entry : fs::directory_iterator(where))
      if (entry.path().extension() == ".saving") names += entry.path().filename().string() + " ";
    return names;
  }
};

TEST_F(FilesTest, AProfileIsHeldByItsAbsolutePathWhereverTheWorkingFolderMoves) {
  fs::create_directories("a");
  fs::create_directories("b");
  WriteFile("b/default.tvu", "9\t9\t");
  fs::current_path("a");
  SetProfileName("default.tvu");
  fs::current_path("../b");  // as the Select User file dialog does
  wins = 3;
  ASSERT_TRUE(SaveProfile());
  EXPECT_EQ(ReadFile(folder.Path() / "a/default.tvu").substr(0, 4), "3\t0\t");
  EXPECT_EQ(ReadFile(folder.Path() / "b/default.tvu"), "9\t9\t");
  wins = 0;
  LoadProfile();
  EXPECT_EQ(wins, 3);
}

TEST_F(FilesTest, ASaveReplacesWhatTheProfilePathMeansAndKeepsItsMode) {
  fs::create_directories("store");
  WriteFile("store/real.tvu", "1\t1\t");
  fs::create_symlink("store/real.tvu", "link.tvu");
  fs::create_symlink("store/later.tvu", "dangling.tvu");
  WriteFile("private.tvu", "1\t1\t");
  fs::permissions("private.tvu", fs::perms::owner_read | fs::perms::owner_write);
  WriteFile("private.tvu.saving", "left by a save that was killed");
  wins = 5;
  for (const char* name : {"link.tvu", "dangling.tvu", "private.tvu"}) {
    profileName = name;
    EXPECT_TRUE(SaveProfile()) << name;
  }
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
  wins = 6;
  const int status = InChild(
      [] {
        profileName = "locked.tvu";
        if (SaveProfile()) return 1;
        if (!TakeUnreportedSaveFailure()) return 2;
        profileName = "shut/open.tvu";
        return SaveProfile() ? 0 : 3;
      },
      true);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile("locked.tvu"), "1\t1\t");
  EXPECT_EQ(ReadFile("shut/open.tvu").substr(0, 2), "6\t");
  EXPECT_EQ(Leftovers("shut"), "");
}

TEST_F(FilesTest, AFailedSaveIsToldOnceUntilASaveSucceeds) {
  {
    const CausedSaveFault failing(SaveFault::Write, profileName);
    EXPECT_FALSE(SaveProfile());
    const auto failure = TakeUnreportedSaveFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, profileName);
    EXPECT_EQ(failure->reason, std::strerror(EFBIG));
    EXPECT_FALSE(SaveProfile());
    EXPECT_FALSE(TakeUnreportedSaveFailure().has_value());
  }
  EXPECT_TRUE(SaveProfile());
  const CausedSaveFault failing(SaveFault::Open, profileName);
  EXPECT_FALSE(SaveProfile());
  EXPECT_TRUE(TakeUnreportedSaveFailure().has_value());
}

TEST_F(FilesTest, TheLogTakesWholeBlocksAndNeverBlocks) {
  CWorld world;
  ClearBoard(world);
  world.turn = 0;

  ASSERT_EQ(mkfifo(kGameLogName, 0600), 0);  // would wait for a reader for ever
  LogTerrain(world);
  LogPlayerPositions(world);
  fs::remove(kGameLogName);

  LogTerrain(world);
  const std::string whole = ReadFile(kGameLogName);
  // A disk that fills up in the middle of the next block: the file is cut
  // back to where the block began.
  const int status = InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{whole.size() + 100, whole.size() + 100};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
    LogPlayerPositions(world);
    return 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(kGameLogName), whole);
  LogPlayerPositions(world);
  EXPECT_EQ(ReadFile(kGameLogName), whole + PositionBlock(world));
}

TEST_F(FilesTest, AProfileThatIsNoRegularFileIsNeitherReadNorReplaced) {
  ASSERT_EQ(mkfifo("fifo.tvu", 0600), 0);  // opening it to read would wait for a writer
  profileName = "fifo.tvu";
  wins = 3;
  LoadProfile();
  EXPECT_EQ(wins, 3);
  EXPECT_FALSE(SaveProfile());
  EXPECT_TRUE(fs::is_fifo("fifo.tvu"));
}
