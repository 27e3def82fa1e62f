#pragma once
// The real game (application, frame, document and board view) started in a
// folder of its own, with its settings kept apart and every dialog answered
// as the test says (modal_answers.h), for the tests of the playable game.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
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
#include "tests/ui/modal_answers.h"
#include "ui/main_frame.h"
#include "ui/message_dialogs.h"
#include "ui/tarvell_app.h"
#include "ui/tarvell_doc.h"
#include "ui/tarvell_view.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsFolder_.isValid() && workFolder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
    // At 100 %, the board at its own pixels, though every zoom would fit.
    QSettings("Tarvell", "Tarvell").setValue("Settings/Zoom", 100);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(workFolder_.path().toStdString());
    ResetScores();
    Dialogs().Reset();
  }
  void TearDown() override {
    WaitForNoSimulation();
    EXPECT_TRUE(Dialogs().AllAnswered()) << "an expected dialog never came";
    game_.reset();
    std::filesystem::current_path(previous_);
  }

  // Starts the game as the program does; false when its start failed.
  bool Start(std::optional<std::string> file = std::nullopt) {
    game_.emplace();
    QStringList arguments{"tarvell"};
    if (file) arguments << QString::fromStdString(*file);
    const bool started = game_->Start(arguments);
    QCoreApplication::processEvents();
    return started;
  }

  static ModalAnswers& Dialogs() { return ModalAnswers::Instance(); }
  CTarvellApp& Game() { return *game_; }
  CMainFrame* Frame() { return game_->MainFrame(); }
  CTarvellDoc& Document() { return *game_->Document(); }
  CWorld& World() { return Document().world; }
  const Record& UserRecord() { return Document().Session().UserRecord(); }
  const std::string& ProfilePath() { return Document().Session().ProfilePath(); }
  // Blocks until no background simulation runs.
  static void WaitForNoSimulation() {
    while (const std::uint8_t running = simulationRunning.load(std::memory_order_acquire))
      simulationRunning.wait(running, std::memory_order_acquire);
  }
  CTarvellView& View() { return *game_->View(); }
  QString Text(const char* control) { return View().Control<QLabel>(control)->text(); }
  // The text of status pane index: 0 the message pane, 1..3 the lock
  // indicators, 4 the square pane.
  QString Pane(int index) { return Frame()->statusBar()->findChildren<QLabel*>().value(index)->text(); }
  // A menu item or key of the main window by its object name, or null.
  QAction* Action(const char* name) { return Frame()->findChild<QAction*>(QLatin1String(name)); }
  QString Status() { return Pane(0); }

  // A command as the player gives it: its menu item or key, or the button
  // on the board form, by object name. End Setup's turn is waited for:
  // shown to its end, an end-of-game message answered.
  void Command(const char* name) {
    if (QAction* action = Action(name)) {
      action->trigger();
    } else {
      View().Control<QAbstractButton>(name)->click();
    }
    WaitForBoard();
  }
  // Runs the event loop until the board has shown all it was given (a turn,
  // or a sale's marker and pause); false after a minute.
  bool WaitForBoard() {
    QDeadlineTimer deadline(60000);
    while (View().Playback().Showing() && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_FALSE(View().Playback().Showing()) << "the board was still showing a turn after a minute";
    return !View().Playback().Showing();
  }
  // The object name of the unit button that is checked, or empty.
  std::string CheckedUnitButton() {
    for (QAbstractButton* button : View().findChildren<QAbstractButton*>())
      if (button->isCheckable() && button->isChecked()) return button->objectName().toStdString();
    return {};
  }

  // Gives the board plain land of code 2 everywhere, without units, and
  // shows it.
  void FlatLand() {
    std::memset(World().terrain, 2, sizeof World().terrain);
    World().ApplyTerrain(World().terrain);
    std::memset(World().shownUnits, 0, sizeof World().shownUnits);
    View().DrawTerrain(World().terrain);
  }

  // A click as the player makes it: press at one point, release at another;
  // what it shows is waited for.
  void Click(Qt::MouseButton button, QPoint press, QPoint release);
  void Click(Qt::MouseButton button, QPoint at) { Click(button, at, at); }
  // The centre of a square in client pixels.
  static QPoint Square(int x, int y) { return {190 + 21 * x + 10, 15 + 21 * y + 10}; }

  // What the view shows at one pixel.
  QColor Pixel(int x, int y) { return View().grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0); }

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
  std::optional<CTarvellApp> game_;
};
