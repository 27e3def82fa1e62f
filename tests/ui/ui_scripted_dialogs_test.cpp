#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QLineEdit>

#include "ui/platform/dialog.h"
#include "ui/platform/scripted_dialogs.h"

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

const QString kProfileFilter = "Tarvell User (*.tvu)";

}  // namespace

TEST_F(ScriptTest, AnswersDialogsInOrderAndRecordsWhatWasShown) {
  QString message;
  script.Press(IDD_CONFIRM, IDOK).Type(IDD_ABOUT, Qt::Key_Escape).ChooseFile(std::nullopt).Acknowledge(&message);
  EXPECT_FALSE(script.AllAnswered());
  EXPECT_EQ(CDialog(IDD_CONFIRM).DoModal(), IDOK);
  EXPECT_EQ(CDialog(IDD_ABOUT).DoModal(), IDCANCEL);
  EXPECT_EQ(ChooseFileToOpen(nullptr, kProfileFilter), std::nullopt);
  ShowMessageBox(nullptr, "Cannot open x.tvu.");
  EXPECT_EQ(message, "Cannot open x.tvu.");
  EXPECT_TRUE(script.AllAnswered());
  EXPECT_EQ(script.Shown(),
            (std::vector<int>{IDD_CONFIRM, IDD_ABOUT, CScriptedDialogs::kFileDialog, CScriptedDialogs::kMessageBox}));
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
  script.Do(IDD_NEW_USER, [](CDialog& dialog) { dialog.Control<QLineEdit>(IDC_USERNAME)->setText("half done"); });
  EXPECT_EQ(CDialog(IDD_NEW_USER).DoModal(), IDCANCEL);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("open"), std::string::npos) << failures[0];
}

TEST_F(ScriptTest, AFileDialogWhereAModalDialogWasExpectedIsReported) {
  script.Press(IDD_CONFIRM, IDOK);
  EXPECT_EQ(ChooseFileToOpen(nullptr, kProfileFilter), std::nullopt);
  EXPECT_EQ(failures.size(), 1u);
}

TEST_F(ScriptTest, ChosenFileGivesItsNameAndMakesItsFolderTheWorkingDirectory) {
  KeepWorkingDirectory keep;
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::filesystem::path profile = std::filesystem::path(folder.path().toStdString()) / "alice.tvu";
  std::ofstream(profile) << "0\t0\t";
  script.ChooseFile(profile.string());
  EXPECT_EQ(ChooseFileToOpen(nullptr, kProfileFilter), "alice.tvu");
  EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()),
            std::filesystem::canonical(profile.parent_path()));
  EXPECT_TRUE(std::filesystem::exists("alice.tvu")) << "the name alone opens the file";
  EXPECT_TRUE(failures.empty());
}

TEST_F(ScriptTest, AMissingFileCannotBeChosen) {
  KeepWorkingDirectory keep;
  const std::filesystem::path before = std::filesystem::current_path();
  script.ChooseFile("/nonexistent-folder/bob.tvu");
  EXPECT_EQ(ChooseFileToOpen(nullptr, kProfileFilter), std::nullopt);
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST(ScriptedDialogsTest, ScriptsNestAndRestoreTheOuterScript) {
  EXPECT_EQ(CScriptedDialogs::Installed(), nullptr);
  {
    CScriptedDialogs outer;
    {
      CScriptedDialogs inner;
      EXPECT_EQ(CScriptedDialogs::Installed(), &inner);
    }
    EXPECT_EQ(CScriptedDialogs::Installed(), &outer);
  }
  EXPECT_EQ(CScriptedDialogs::Installed(), nullptr);
}

TEST(ScriptedDialogsTest, AnUnansweredDialogOnTheOffscreenDisplayStopsTheProgramInsteadOfWaiting) {
  EXPECT_DEATH(CDialog(IDD_CONFIRM).DoModal(), "modal dialog 156");
  EXPECT_DEATH(ChooseFileToOpen(nullptr, kProfileFilter), "open-file dialog");
  EXPECT_DEATH(ShowMessageBox(nullptr, "Cannot open x.tvu."), "message box");
}
