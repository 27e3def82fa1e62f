#pragma once
// CSession: the life of the game, written once for every front end.
//
// A session holds the world the player sees, the current user's profile (its
// path, record and save state), the game log's path and the background
// simulation's thread. It is the world's opponent: a live turn hands over to
// it to log, save, choose a strategy and start the simulation, and the end of
// a game books the win or loss through it.
//
// The steps that change the game or the user (New Game, New User, Select
// User, opening a profile, the close) ask their questions through the front
// end (CSessionFrontEnd), which answers at once: the window with its dialogs,
// tarvell-cli play by rule. Where a step must wait for the simulation, it
// does not block: it returns, and goes on when the simulation thread has
// ended and the front end has run the task the thread posted to it. `done`
// then tells the caller how the step ended; it runs on the front end's
// thread, at once when nothing had to be waited for. While a step waits the
// session is busy: other steps, purchases, sales and turns are refused.
//
// Threads: the front end's thread does everything; the simulation thread
// only replays and posts its end. The session joins that thread before it
// is destroyed.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/opponent_hooks.h"
#include "model/world.h"
#include "opponent/files.h"
#include "opponent/game_log.h"
#include "opponent/strategy.h"

class CTurnObserver;

// The player's answer when a game with a completed turn would be left.
enum class AbandonChoice {
  KeepPlaying,   // the command stops, the game goes on
  Abandon,       // the game ends and counts as lost
  KeepForLater,  // the game is kept beside the profile and not counted
};

// Why a purchase or a sale was refused, in the order they are checked.
enum class Refusal {
  None,            // done
  NoGame,          // no game in progress (or the session is busy)
  Water,           // nothing can be built on water ...
  Impassable,      // ... nor on impassable ground
  Occupied,        // a unit of the player's stands there already
  NothingToSell,   // no unit of the player's stands there
  NotEnoughMoney,  // the treasury does not hold the unit's price
  BadType,         // no such unit type: nothing is bought
};

// A profile that could not be opened or saved, and why, for the player.
struct ProfileProblem {
  enum Kind {
    NotAProfile,  // its name does not end in ".tvu"
    CannotRead,   // reason: the system's words, "is a folder", ...
    InUse,        // another program holds it: holder is its process
    CannotSave,   // reason: the system's words
  };
  Kind kind;
  std::string path;
  std::string reason;
  long holder = 0;
};

// A game kept for later that could not be written, or a kept game that
// cannot be read.
struct KeptGameProblem {
  enum Kind {
    CannotKeep,  // reason: the system's words; the game goes on
    Damaged,     // reason: what is wrong; the game starts fresh
  };
  Kind kind;
  std::string path;  // the kept game's file
  std::string reason;
  // Damaged: where the file was set aside, or empty when it could not be
  // moved (it is then told only once while the program runs).
  std::string setAsideAs;
};

// How opening a profile ended.
enum class OpenResult {
  Opened,  // the profile is current and a new game started
  Kept,    // the player chose to keep playing: nothing changed
  Failed,  // the file cannot be a profile: the user stays (reported)
};

// What a front end does for the session. The questions answer at once.
class CSessionFrontEnd {
 public:
  virtual ~CSessionFrontEnd() = default;
  // A game with at least one completed turn would be left. mayKeep: the
  // player leaves it for another user or the program ends, so the game may
  // be kept for later (KeepForLater); otherwise that answer keeps playing.
  virtual AbandonChoice AskAbandon(bool mayKeep) = 0;
  // The user has a game kept for later, turn turns into it: true to go on
  // with it, false to count it as lost and start a new game.
  virtual bool AskContinue(int turn) = 0;
  // New User: the user's name (".tvu" is added), or nothing to cancel.
  virtual std::optional<std::string> AskNewUserName() = 0;
  // New User: a profile of that name exists; true to replace it.
  virtual bool AskOverwrite(const std::string& path) = 0;
  // Select User: the profile to open, or nothing to cancel.
  virtual std::optional<std::string> AskProfileToOpen() = 0;
  // A save of the current profile failed, told once until a save of it
  // succeeds. finalSave: the user changes or the program ends, so the record
  // since the last good save is lost; otherwise the next save tries again.
  virtual void ReportSaveFailure(const ProfileProblem& problem, bool finalSave) = 0;
  virtual void ReportOpenFailure(const ProfileProblem& problem) = 0;
  virtual void ReportKeptGameProblem(const KeptGameProblem& problem) = 0;
  // Runs task soon on the front end's thread. Called from the simulation
  // thread, once per simulation, as its very last act.
  virtual void Post(std::function<void()> task) = 0;

  // Notices, all on the front end's thread. Waiting(true) when a step starts
  // to wait for the simulation and Waiting(false) when it goes on.
  virtual void Waiting(bool /*waiting*/) {}
  // Another profile became current (its path, record and scores).
  virtual void ProfileChanged() {}
  // A new game was started on the world.
  virtual void GameStarted() {}
  // A simulation started or ended (the scores are new), or the record
  // changed (a game was won, lost or abandoned).
  virtual void SimulationStarted() {}
  virtual void SimulationEnded() {}
  virtual void RecordChanged() {}
};

class CSession final : public COpponentHooks {
 public:
  struct Options {
    // The game log; empty logs nothing.
    std::string logPath = kGameLogName;
    // Runs each simulation to its end on the calling thread, inside the turn
    // that starts it: a run then depends on its seed alone.
    bool simulateInPlace = false;
    // The simulation's work (RunSimulation); it must clear the running flag
    // and wake its waiters at its end.
    std::function<void()> simulation = {};
    // The Chaos mode of the first game (see SetChaosMode).
    ChaosMode chaosMode = ChaosMode::Classic;
    // 0..249: Chaos plays this strategy in every game and turn instead of
    // choosing one, to probe what each strategy is worth against a player.
    // The simulation still scores every strategy. -1: Chaos chooses.
    int fixedStrategy = -1;
  };

  // owner: the world's owner (the display), or null.
  CSession(CSessionFrontEnd& frontEnd, CWorldOwner* owner, Options options);
  CSession(CSessionFrontEnd& frontEnd, CWorldOwner* owner);
  ~CSession() override;
  CSession(const CSession&) = delete;
  CSession& operator=(const CSession&) = delete;

  CWorld& World() { return world_; }
  const CWorld& World() const { return world_; }
  const Record& UserRecord() const { return record_; }
  // The current profile's absolute path; empty for a record kept in memory.
  const std::string& ProfilePath() const { return profilePath_; }
  // The strategy the scores and record choose now in the game's mode (only
  // while no simulation runs), and the target that choice aimed at.
  StrategyChoice Choice() const { return ChooseFromScores(record_, gameMode_); }
  // Every score (a copy; sound at any time).
  std::array<std::int32_t, kStrategyCount> Scores() const { return CurrentScores(); }
  bool SimulationRunning() const;
  // A step waits for the simulation.
  bool Busy() const { return !waiting_.empty(); }

  // The Chaos mode, a setting of the program rather than of the profile: a
  // change holds for every game started from then on, whichever user plays
  // it (a new user starts in it too). The game in progress keeps the mode
  // it started in, since its Chaos started with the purse of that mode.
  void SetChaosMode(ChaosMode mode) { chaosMode_ = mode; }
  ChaosMode SettingChaosMode() const { return chaosMode_; }
  // The mode of the game in progress (or of the last one played).
  ChaosMode GameChaosMode() const { return gameMode_; }
  // The factor on Chaos's starting money and income in the game in progress
  // (kPurseOne in classic mode), and the one the user's record sets now for
  // an adaptive game; the record changes only when a game ends.
  std::int32_t GamePurseFactor() const { return world_.chaosPurse; }
  std::int32_t RecordPurseFactor() const { return ChaosPurseFactor(record_); }

  // Makes path the current profile without question or save: it is held
  // for this program (see CProfileLock) and its record and scores are read,
  // a missing file being a fresh record. False, with problem set and
  // nothing changed, when it cannot be used: another program holds it, or
  // it exists but cannot be read. Only while no simulation runs (at
  // start-up, or for a command of tarvell-cli). The next NewGame offers the
  // profile's game kept for later, if it has one.
  bool UseProfile(const std::string& path, ProfileProblem& problem);
  // A fresh record kept in memory only: nothing is read or saved.
  void UseMemoryProfile();

  // New Game: asks before abandoning a game in progress (a game cannot be
  // kept for later here), waits for the simulation, saves the profile and
  // starts a new game. done(false) when the player kept playing. The first
  // after UseProfile first offers the game kept for later (see below).
  void NewGame(std::function<void(bool)> done = {});
  // Opens path as the user's profile (a recent file, a file on the command
  // line or dropped on the window): asks before abandoning a game in
  // progress, waits for the simulation, saves the outgoing profile, reads
  // this one and starts a new game. Only ".tvu" files that can be read are
  // opened; any other is reported and changes nothing.
  //
  // Every step that changes the user, and the close, lets the player keep
  // the game for later instead of abandoning it: once no simulation runs
  // (it steps the same generator), the game is written to "<profile>.game"
  // (see opponent/kept_game.h) with the profile's safe save, under its
  // lock, and the profile is saved without a loss. A game that cannot be
  // kept is reported and the step stops: the game goes on. Where a new game
  // would start for a user who has a kept game, the player is asked first:
  // yes plays it on (the file is removed), no counts it as lost, saves the
  // profile, removes the file and starts a new game. A kept game that
  // cannot be read is reported once, renamed "<profile>.game.damaged", and
  // a new game starts.
  void OpenProfile(const std::string& path, std::function<void(OpenResult)> done = {});
  // New User: asks before abandoning, then the name; a profile of that name
  // is replaced only when the player agrees (NO keeps the game as it was).
  // The new user starts with a fresh, saved record and a new game.
  void NewUser(std::function<void(bool)> done = {});
  // Select User: asks before abandoning, then for a profile to open.
  void SelectUser(std::function<void(bool)> done = {});
  // The close: asks before abandoning, waits for the simulation and saves
  // the profile a last time. done(true) when the program may end.
  void Close(std::function<void(bool)> done);

  // Ends the game in progress and counts it as lost.
  void Abandon();

  // The player's purchase or sale on square (x, y): the first reason that
  // refuses it, or None when it was done.
  Refusal Buy(int type, int x, int y);
  Refusal Sell(int x, int y);
  // The strategy the last turn was played with, and its score as the turn
  // found it: chosen anew at the turn's start, or kept while a simulation ran.
  struct TurnStrategy {
    int index = -1;
    std::int32_t score = 0;
  };
  TurnStrategy LastTurnStrategy() const { return turnStrategy_; }
  // Whether the last save of the current profile succeeded (or none was
  // needed).
  bool ProfileSaved() const { return !unreportedFailure_ && !failureReported_; }

  // End Setup: one turn of the game in progress (false when none is, or the
  // session is busy). A save that failed in the turn is told after it.
  bool PlayTurn(CTurnObserver* observer = nullptr);

  // COpponentHooks.
  void ChooseStrategy(CWorld& world) override;
  void LogTerrain(const CWorld& world) override;
  void TurnStarts(CWorld& world) override;
  void GameEnded(bool won) override;

 private:
  // What leaving the game in progress does to it.
  enum class Leaving {
    Nothing,  // no game with a completed turn is in progress
    Abandon,  // it ends and counts as lost
    Keep,     // it is kept for later
  };
  // Asks before a game with a completed turn is left; true to go on.
  // mayKeep: the game may be kept for later (the user changes or the
  // program ends) where the profile lives in a file.
  bool ConfirmLeave(bool mayKeep, Leaving& leaving);
  // Writes the game in progress beside the profile and ends it without a
  // loss. Only while no simulation runs. False, reported, when it cannot.
  bool KeepGame();
  // Offers the profile's kept game: true when the player goes on with it.
  bool OfferKeptGame();
  void SetAsideDamagedGame(const std::string& path, const std::string& reason);
  // The kept game when there is one and the player wants it; else a new
  // game.
  void StartOrResume();
  // OpenProfile, with the player's answer about the game in progress given
  // when it was asked already.
  void Open(const std::string& path, std::optional<Leaving> decided, std::function<void(OpenResult)> done);
  // Runs then at once when no simulation runs, otherwise once it has ended.
  void WhenIdle(std::function<void()> then);
  void SimulationFinished();
  void StartSimulation();
  // The simulation's work; a lack of memory stops it with one line on
  // standard error instead of ending the program.
  void Simulate();
  void JoinSimulation();
  // Saves the profile; a failure is kept to be told once.
  bool Save();
  void TellSaveFailure(bool finalSave);
  // A profile about to become current: its resolved path and its lock.
  struct Claim {
    std::string path;
    CProfileLock lock;
  };
  // What a profile about to be claimed must be.
  enum class Need {
    Fresh,     // made anew: nothing is read
    Readable,  // read if it exists; missing is a fresh record
    Existing,  // an existing profile that can be read
  };
  // Resolves path as the system does, takes its lock and checks that it is
  // what need says; answers false with problem set when it cannot be used.
  // The profile held now is claimed with the lock the session already has.
  bool ClaimProfile(const std::string& path, Need need, Claim& claim, ProfileProblem& problem);
  // Saves the outgoing profile a last time and makes the claimed profile
  // the user's: a fresh record (saved at once), or the one in its file.
  void SwitchUser(Claim claim, bool fresh);
  void StartGame();
  // Loads the strategy for the world: the one chosen in the game's mode, or
  // the fixed one.
  void LoadChosenStrategy(CWorld& world);

  CSessionFrontEnd& frontEnd_;
  Options options_;
  CWorld world_;
  ChaosMode chaosMode_;
  ChaosMode gameMode_;
  std::string profilePath_;
  CProfileLock lock_;
  Record record_;
  TurnStrategy turnStrategy_;
  std::optional<ProfileProblem> unreportedFailure_;
  bool failureReported_ = false;
  std::thread simulation_;
  std::vector<std::function<void()>> waiting_;
  // UseProfile made a profile current and no game started on it yet.
  bool offerKeptGame_ = false;
  // Damaged kept games that could not be set aside and were told already.
  std::vector<std::string> damagedTold_;
  // Reaches the session from a task the simulation thread posted, or finds
  // it gone.
  std::shared_ptr<CSession*> self_;
};

// Whether a file may be opened as a profile: its name ends in ".tvu", in any
// letter case. Every profile is written back at the next save, so anything
// else would be overwritten with numbers.
bool IsProfileName(const std::string& path);
