#pragma once
// The real game (application, frame, document and board view) started in a
// folder of its own, with its settings kept apart and every dialog answered
// by a script, for the tests of the playable game.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "model/random.h"
#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "ui/main_frame.h"
#include "ui/platform/dialog_responder.h"
#include "ui/platform/status_bar.h"
#include "ui/resources/resource_ids.h"
#include "ui/tarvell_app.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

// The game with a command line of the test's choosing.
class TestGame : public CTarvellApp {
 public:
  std::optional<std::string> file;  // the profile named on the command line

 protected:
  CCommandLineInfo CommandLine() const override {
    CCommandLineInfo info;
    if (file) {
      info.m_nShellCommand = CCommandLineInfo::FileOpen;
      info.m_strFileName = *file;
    }
    return info;
  }
};

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsFolder_.isValid() && workFolder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(workFolder_.path().toStdString());
    profileName = "default.tvu";
    ResetProfile();
    dialogs_.emplace();
    dialogs_->OnFailure([](const std::string& message) { ADD_FAILURE() << message; });
  }
  void TearDown() override {
    WaitForSimulation(5);
    EXPECT_TRUE(dialogs_->AllAnswered()) << "a scripted dialog never came";
    game_.reset();
    dialogs_.reset();
    std::filesystem::current_path(previous_);
  }

  // Starts the game as the program does; false when its start failed.
  bool Start(std::optional<std::string> file = std::nullopt) {
    game_.emplace();
    game_->file = std::move(file);
    const bool started = game_->InitInstance();
    QCoreApplication::processEvents();
    return started;
  }

  CScriptedDialogs& Dialogs() { return *dialogs_; }
  TestGame& Game() { return *game_; }
  CTarvellDoc& Document() { return *CTarvellApp::Document(); }
  CWorld& World() { return Document().world; }
  CTarvellView& View() { return *Document().BoardView(); }
  QString Text(int control) { return View().GetDlgItemText(control, 255); }
  QString Status() { return mainFrame->StatusBar()->GetPaneText(0); }

  // Gives the board plain land of code 2 everywhere, without units, and
  // shows it.
  void FlatLand() {
    std::memset(World().terrain, 2, sizeof World().terrain);
    World().ApplyTerrain(World().terrain);
    std::memset(World().shownUnits, 0, sizeof World().shownUnits);
    View().DrawTerrain();
  }

  // A click as the player makes it: press at one point, release at another.
  void Click(Qt::MouseButton button, QPoint press, QPoint release);
  void Click(Qt::MouseButton button, QPoint at) { Click(button, at, at); }
  // The centre of a square in client pixels.
  static QPoint Square(int x, int y) { return {190 + 21 * x + 10, 15 + 21 * y + 10}; }

  QColor Pixel(int x, int y) { return View().Surface().pixelColor(x, y); }

  // A profile name as the game holds it: the absolute path in the working
  // folder.
  static std::string Here(const std::string& file) { return std::filesystem::absolute(file).string(); }

  static std::string Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static void Write(const std::string& file, const std::string& text) { std::ofstream(file) << text; }

 private:
  QTemporaryDir settingsFolder_;
  QTemporaryDir workFolder_;
  std::filesystem::path previous_;
  std::optional<CScriptedDialogs> dialogs_;
  std::optional<TestGame> game_;
};
