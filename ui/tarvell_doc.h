#pragma once
// CTarvellDoc: the one document. It holds the game's session (the world the
// player sees, the user's profile, the background simulation) for the whole
// run and is the world's owner: the world draws through the document's board
// view and writes the status line of the main frame through it. A shown
// turn, with its pauses and end-of-game messages, is recorded and played back
// by the view (TurnPlayback). The document is also
// the session's front end: it asks the session's questions with the
// program's dialogs and tells what the session did through its signals.

#include <QObject>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "model/world.h"
#include "session/session.h"

class CMainFrame;
class CTarvellView;
class QWidget;

class CTarvellDoc : public QObject, public CWorldOwner, public CSessionFrontEnd {
  Q_OBJECT

 public:
  CTarvellDoc();
  ~CTarvellDoc() override;
  CTarvellDoc(const CTarvellDoc&) = delete;
  CTarvellDoc& operator=(const CTarvellDoc&) = delete;

  CSession& Session() { return session_; }
  const CSession& Session() const { return session_; }

  // New Game, and the first game at start-up: the session's New Game, which
  // asks before abandoning a game in progress; the view is initialized anew
  // when the game has started.
  void OnNewDocument();

  // The file-name part of the profile's name, shown in the window title.
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }

  // CWorldOwner.
  CBoardDisplay* FirstView() override;
  // Shows "Turn %d, Phase %d: " and the message (at most 255 characters in
  // all) in the status line, on screen with the board's next update; dropped
  // before the main frame exists.
  void SetStatusText(int turn, int phase, const char* message) override;
  // The report in the player's language.
  void ReportDestruction(int turn, int phase, int what, int x, int y, const char* text) override;
  // A turn and a sale are shown by the view's TurnPlayback, which stands in
  // as the world's owner while they are computed: the document itself never
  // pauses, and opens an end-of-game message without waiting for it.
  void ShowVictory() override;
  void ShowDefeat() override;
  void Pause(int /*milliseconds*/) override {}

  // CSessionFrontEnd: the questions as the program's dialogs over the main
  // frame, the reports as message boxes.
  // Where the game may be kept for later, a message box with Yes, NO and
  // Keep for later.
  AbandonChoice AskAbandon(bool mayKeep) override;
  bool AskContinue(int turn) override;
  std::optional<std::string> AskNewUserName() override;
  bool AskOverwrite(const std::string& path) override;
  std::optional<std::string> AskProfileToOpen() override;
  void ReportSaveFailure(const ProfileProblem& problem, bool finalSave) override;
  void ReportOpenFailure(const ProfileProblem& problem) override;
  // What ReportOpenFailure tells the player.
  static QString OpenFailureText(const ProfileProblem& problem);
  void ReportKeptGameProblem(const KeptGameProblem& problem) override;
  // Queued to the window thread's event loop (RunPosted).
  void Post(std::function<void()> task) override;
  void Waiting(bool waiting) override;
  void ProfileChanged() override;
  void GameStarted() override;
  void SimulationStarted() override;
  void SimulationEnded() override;
  void RecordChanged() override;

  // The view has shown the last of a turn: a save failure the turn met is
  // told now, not in the middle of the turn's display.
  void TurnShown();

  CTarvellView* view = nullptr;
  // The main frame once its creation has finished; null before.
  CMainFrame* mainFrame = nullptr;

 private slots:
  // Runs the tasks Post queued, on the window thread.
  void RunPosted();

 signals:
  // Another profile became current (title, record and scores are new).
  void profileChanged();
  // A new game started: the view shows it from the start.
  void gameStarted();
  // The background simulation started or ended, or the record changed:
  // what Chaos knows of the user is new.
  void opponentChanged();

 private:
  CSession session_;
  std::string title_;
  std::mutex postedMutex_;
  std::vector<std::function<void()>> posted_;
  std::optional<std::pair<ProfileProblem, bool>> deferredSaveFailure_;

 public:
  // The session's world: the game the player sees.
  CWorld& world;
};

// The file-name part of a profile name: what follows its last folder
// separator ('/' or '\'), or the whole name.
std::string ProfileTitle(const std::string& profile);
