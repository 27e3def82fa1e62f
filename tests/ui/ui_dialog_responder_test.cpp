#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/platform/dialog.h"
#include "ui/platform/dialog_responder.h"
#include "ui/platform/file_dialog.h"

namespace {

// A scripted responder whose failures are collected, not fatal.
class ScriptTest : public ::testing::Test {
 protected:
  ScriptTest() {
    script.OnFailure([this](const std::string& message) { failures.push_back(message); });
  }
  CScriptedDialogs script;
  std::vector<std::string> failures;
};

// Restores the working directory that a file dialog changes.
class KeepWorkingDirectory {
 public:
  KeepWorkingDirectory() : saved_(std::filesystem::current_path()) {}
  ~KeepWorkingDirectory() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_;
};

const char* const kProfileFilter = "Tarvell User (*.tvu)|*.tvu||";

}  // namespace

TEST_F(ScriptTest, AnswersDialogsInOrderAndRecordsWhatWasShown) {
  script.Press(IDD_CONFIRM, IDOK).Type(IDD_ABOUT, Qt::Key_Escape).ChooseFile(std::nullopt);
  EXPECT_FALSE(script.AllAnswered());
  EXPECT_EQ(CDialog(IDD_CONFIRM).DoModal(), IDOK);
  EXPECT_EQ(CDialog(IDD_ABOUT).DoModal(), IDCANCEL);
  CFileDialog open(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kProfileFilter, nullptr);
  EXPECT_EQ(open.DoModal(), IDCANCEL);
  EXPECT_TRUE(script.AllAnswered());
  EXPECT_EQ(script.Shown(), (std::vector<int>{IDD_CONFIRM, IDD_ABOUT, 0}));
  EXPECT_TRUE(failures.empty());
}

TEST_F(ScriptTest, AnUnexpectedDialogIsReportedAndCancelled) {
  script.Press(IDD_OVERWRITE, IDOK);
  EXPECT_EQ(CDialog(IDD_CONFIRM).DoModal(), IDCANCEL);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("156"), std::string::npos) << failures[0];
  EXPECT_NE(failures[0].find("157"), std::string::npos) << failures[0];
  EXPECT_FALSE(script.AllAnswered()) << "the unused answer stays in the script";

  failures.clear();
  EXPECT_EQ(CDialog(IDD_OVERWRITE).DoModal(), IDOK);
  EXPECT_EQ(CDialog(IDD_VICTORY).DoModal(), IDCANCEL);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("no more dialogs"), std::string::npos) << failures[0];
}

TEST_F(ScriptTest, AnAnswerThatLeavesTheDialogOpenIsReportedAndCancelled) {
  script.Do(IDD_NEW_USER, [](CDialog& dialog) { dialog.SetDlgItemText(IDC_USERNAME, "half done"); });
  EXPECT_EQ(CDialog(IDD_NEW_USER).DoModal(), IDCANCEL);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("open"), std::string::npos) << failures[0];
}

TEST_F(ScriptTest, AFileDialogWhereAModalDialogWasExpectedIsReported) {
  script.Press(IDD_CONFIRM, IDOK);
  CFileDialog open(true, nullptr, nullptr, OFN_FILEMUSTEXIST, kProfileFilter, nullptr);
  EXPECT_EQ(open.DoModal(), IDCANCEL);
  EXPECT_EQ(failures.size(), 1u);
}

TEST_F(ScriptTest, ChosenFileGivesItsNameAndMakesItsFolderTheWorkingDirectory) {
  KeepWorkingDirectory keep;
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::filesystem::path profile = std::filesystem::path(folder.path().toStdString()) / "alice.tvu";
  std::ofstream(profile) << "0\t0\t";
  script.ChooseFile(profile.string());
  CFileDialog open(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kProfileFilter, nullptr);
  ASSERT_EQ(open.DoModal(), IDOK);
  EXPECT_EQ(open.GetFileName(), "alice.tvu");
  EXPECT_EQ(open.GetPathName(), profile.string());
  EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()),
            std::filesystem::canonical(profile.parent_path()));
  EXPECT_TRUE(std::filesystem::exists(open.GetFileName())) << "the name alone opens the file";
  EXPECT_TRUE(failures.empty());
}

TEST_F(ScriptTest, AMissingFileCannotBeChosen) {
  KeepWorkingDirectory keep;
  const std::filesystem::path before = std::filesystem::current_path();
  script.ChooseFile("/nonexistent-folder/bob.tvu");
  CFileDialog open(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kProfileFilter, nullptr);
  EXPECT_EQ(open.DoModal(), IDCANCEL);
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST(ResponderTest, ScriptsNestAndRestoreTheOuterResponder) {
  EXPECT_EQ(InstalledDialogResponder(), nullptr);
  {
    CScriptedDialogs outer;
    {
      CScriptedDialogs inner;
      EXPECT_EQ(InstalledDialogResponder(), &inner);
    }
    EXPECT_EQ(InstalledDialogResponder(), &outer);
  }
  EXPECT_EQ(InstalledDialogResponder(), nullptr);
}

TEST(ResponderTest, AnUnansweredDialogOnTheOffscreenDisplayStopsTheProgramInsteadOfWaiting) {
  EXPECT_DEATH(CDialog(IDD_CONFIRM).DoModal(), "modal dialog 156");
  EXPECT_DEATH(CFileDialog(true, nullptr, nullptr, 0, kProfileFilter, nullptr).DoModal(), "open-file dialog");
}

TEST(FileFilterTest, PairsBecomeNameFilters) {
  EXPECT_EQ(NameFiltersFromPairs(kProfileFilter), QStringList{"Tarvell User (*.tvu)"});
  EXPECT_EQ(NameFiltersFromPairs("Profiles|*.tvu|Logs and text|*.txt;*.log||"),
            (QStringList{"Profiles (*.tvu)", "Logs and text (*.txt *.log)"}));
  EXPECT_TRUE(NameFiltersFromPairs("").isEmpty());
}
