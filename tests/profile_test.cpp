#include <gtest/gtest.h>

#include <filesystem>

#include "opponent/profile.h"
#include "opponent/strategy.h"
#include "tests/save_faults.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

class ProfileTest : public CoreTest {
 protected:
  ScratchFolder folder;

  static std::string Zeros(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "0\t";
    return text;
  }
  static void FillScores(int first) {
    for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = first + i;
  }
  bool Save(const std::string& path = "default.tvu") { return SaveProfile(path, record, error); }
  ProfileRead Load(const std::string& path = "default.tvu") { return LoadProfile(path, record, error); }

  Record record;
  std::string error;
};

TEST_F(ProfileTest, FreshProfileIsZeroAndTab252Times) {
  Save();
  const std::string text = ReadFile("default.tvu");
  EXPECT_EQ(text.size(), 504u);
  EXPECT_EQ(text, Zeros(252));
}

TEST_F(ProfileTest, SavedFileStartsWithRecordThenScoresInOrder) {
  record.wins = 3;
  record.losses = 12;
  strategyScores[0] = -5;
  strategyScores[249] = 2147483647;
  Save();
  const std::string text = ReadFile("default.tvu");
  EXPECT_EQ(text.substr(0, 10), "3\t12\t-5\t0\t");
  EXPECT_EQ(text.substr(text.size() - 11), "2147483647\t");
}

TEST_F(ProfileTest, SaveThenLoadGivesBackEveryValue) {
  record.wins = 17;
  record.losses = -2;
  FillScores(-100);
  ASSERT_TRUE(Save("bob.tvu"));
  record = {};
  ResetScores();
  EXPECT_EQ(Load("bob.tvu"), ProfileRead::Read);
  EXPECT_EQ(record.wins, 17);
  EXPECT_EQ(record.losses, -2);
  for (int i = 0; i < kStrategyCount; ++i) EXPECT_EQ(strategyScores[i].load(), i - 100);
}

TEST_F(ProfileTest, MissingFileLeavesEverythingAsItWas) {
  record.wins = 4;
  FillScores(1);
  EXPECT_EQ(Load("nobody.tvu"), ProfileRead::Missing);
  EXPECT_EQ(record.wins, 4);
  EXPECT_EQ(strategyScores[10].load(), 11);
}

TEST_F(ProfileTest, ShortFileLoadsWhatItHolds) {
  FillScores(1);
  WriteFile("default.tvu", "7\t2\t");
  Load();
  EXPECT_EQ(record.wins, 7);
  EXPECT_EQ(record.losses, 2);
  EXPECT_EQ(strategyScores[0].load(), 1);
  EXPECT_EQ(strategyScores[249].load(), 250);
}

TEST_F(ProfileTest, ReadingStopsAtTheFirstUnreadableNumber) {
  FillScores(1);
  record.wins = 9;
  WriteFile("default.tvu", "x\t1\t2\t");
  Load();
  EXPECT_EQ(record.wins, 9);  // a letter first: nothing changes
  EXPECT_EQ(strategyScores[0].load(), 1);

  WriteFile("default.tvu", "1\t2\t-3\t4x\t5\t");
  Load();
  EXPECT_EQ(record.wins, 1);
  EXPECT_EQ(record.losses, 2);
  EXPECT_EQ(strategyScores[0].load(), -3);
  EXPECT_EQ(strategyScores[1].load(), 4);  // the digits before the letter are a number
  EXPECT_EQ(strategyScores[2].load(), 3);  // the letter stops the reading
}

TEST_F(ProfileTest, NumbersOutside32BitsStopTheReadingWithoutWrapping) {
  FillScores(1);
  WriteFile("default.tvu", "1\t2\t2147483647\t-2147483648\t2147483648\t6\t");
  Load();
  EXPECT_EQ(strategyScores[0].load(), 2147483647);
  EXPECT_EQ(strategyScores[1].load(), -2147483647 - 1);
  EXPECT_EQ(strategyScores[2].load(), 3);  // 2^31 is unreadable: it and all after stay
  EXPECT_EQ(strategyScores[3].load(), 4);

  WriteFile("default.tvu", "99999999999999999999\t2\t");
  record.wins = 5;
  Load();
  EXPECT_EQ(record.wins, 5);
  EXPECT_EQ(record.losses, 2);  // from the first read above
}

TEST_F(ProfileTest, AnyWhiteSpaceSeparatesNumbers) {
  WriteFile("default.tvu", " 3 \n 4\r\n+5\t\t\t6");
  Load();
  EXPECT_EQ(record.wins, 3);
  EXPECT_EQ(record.losses, 4);
  EXPECT_EQ(strategyScores[0].load(), 5);
  EXPECT_EQ(strategyScores[1].load(), 6);
}

TEST_F(ProfileTest, ResetClearsTheScoresButNoFile) {
  record.wins = 1;
  record.losses = 2;
  FillScores(3);
  Save();
  ResetScores();
  for (const auto& score : strategyScores) EXPECT_EQ(score.load(), 0);
  EXPECT_EQ(ReadFile("default.tvu").substr(0, 4), "1\t2\t");
}

TEST_F(ProfileTest, AFailedSaveLeavesThePreviousFileIntact) {
  record.wins = 1;
  FillScores(-7);
  Save();
  const std::string previous = ReadFile("default.tvu");
  record.wins = 2;
  FillScores(1000);
  for (const SaveFault fault :
       {SaveFault::Open, SaveFault::Write, SaveFault::Flush, SaveFault::Close, SaveFault::Rename}) {
    if (!CanCause(fault)) continue;
    {
      const CausedSaveFault failing(fault);
      EXPECT_FALSE(Save()) << "failing step " << static_cast<int>(fault);
    }
    EXPECT_EQ(ReadFile("default.tvu"), previous) << "failing step " << static_cast<int>(fault);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
      ++files;
      EXPECT_EQ(entry.path().filename(), "default.tvu");
    }
    EXPECT_EQ(files, 1) << "a temporary file was left behind";
  }
  Save();
  EXPECT_EQ(ReadFile("default.tvu").substr(0, 4), "2\t0\t");
}

TEST_F(ProfileTest, AProfileThatCannotBeWrittenIsSilentlySkipped) {
  testing::internal::CaptureStdout();
  EXPECT_FALSE(Save("no-such-folder/user.tvu"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_FALSE(fs::exists("no-such-folder"));
}

TEST_F(ProfileTest, ARenameRefusedByTheFolderKeepsTheOldProfile) {
  // A folder standing where the profile should be cannot be replaced by a
  // file: the save fails at the rename, as a folder refusing it would.
  fs::create_directory("taken.tvu");
  WriteFile("taken.tvu/keep", "x");
  EXPECT_FALSE(Save("taken.tvu"));
  EXPECT_TRUE(fs::is_directory("taken.tvu"));
  EXPECT_EQ(ReadFile("taken.tvu/keep"), "x");
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    EXPECT_EQ(entry.path().filename(), "taken.tvu") << "a temporary file was left behind";
}
