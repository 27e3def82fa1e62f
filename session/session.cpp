#include "session/session.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/turn.h"
#include "model/saturating.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"

bool IsProfileName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ending = path.substr(path.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  return ending == ".tvu";
}

namespace {

// A profile is held by its absolute path from the moment it is named, so
// that later saves reach the same file wherever the working folder moves.
std::string AbsolutePath(const std::string& name) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(name, error);
  return error ? name : absolute.lexically_normal().string();
}

}  // namespace

CSession::CSession(CSessionFrontEnd& frontEnd, CWorldOwner* owner, Options options)
    : frontEnd_(frontEnd), options_(std::move(options)), self_(std::make_shared<CSession*>(this)) {
  if (!options_.simulation) options_.simulation = RunSimulation;
  world_.owner = owner;
  world_.opponent = this;
}

CSession::CSession(CSessionFrontEnd& frontEnd, CWorldOwner* owner) : CSession(frontEnd, owner, Options{}) {}

CSession::~CSession() {
  *self_ = nullptr;
  JoinSimulation();
  world_.owner = nullptr;
  world_.opponent = nullptr;
}

bool CSession::SimulationRunning() const { return simulationRunning.load(std::memory_order_acquire) != 0; }

bool CSession::UseProfile(const std::string& path, ProfileProblem& problem) {
  const std::string absolute = AbsolutePath(path);
  Record record;
  std::string error;
  ResetScores();
  if (LoadProfile(absolute, record, error) == ProfileRead::Unreadable) {
    problem = {ProfileProblem::CannotRead, absolute, error};
    ResetScores();
    // TODO lock
    return false;
  }
  profilePath_ = absolute;
  record_ = record;
  unreportedFailure_.reset();
  failureReported_ = false;
  frontEnd_.ProfileChanged();
  return true;
}

void CSession::UseMemoryProfile() {
  profilePath_.clear();
  record_ = Record{};
  ResetScores();
  unreportedFailure_.reset();
  failureReported_ = false;
  frontEnd_.ProfileChanged();
}

// --- Waiting for the simulation ---

void CSession::WhenIdle(std::function<void()> then) {
  if (!SimulationRunning()) {
    JoinSimulation();
    then();
    return;
  }
  waiting_.push_back(std::move(then));
  if (waiting_.size() == 1) frontEnd_.Waiting(true);
}

void CSession::SimulationFinished() {
  JoinSimulation();
  frontEnd_.SimulationEnded();
  if (waiting_.empty()) return;
  std::vector<std::function<void()>> steps;
  steps.swap(waiting_);
  frontEnd_.Waiting(false);
  for (auto& step : steps) step();
}

void CSession::StartSimulation() {
  JoinSimulation();  // the one before has ended: its thread is collected
  simulationRunning.store(1, std::memory_order_release);
  frontEnd_.SimulationStarted();
  if (options_.simulateInPlace) {
    options_.simulation();
    frontEnd_.SimulationEnded();
    return;
  }
  try {
    simulation_ = std::thread([this, self = std::weak_ptr<CSession*>(self_)] {
      options_.simulation();
      frontEnd_.Post([self] {
        if (const auto session = self.lock(); session && *session) (*session)->SimulationFinished();
      });
    });
  } catch (const std::system_error&) {
    // No thread: no simulation this turn. A flag left set would make every
    // later wait last for ever.
    simulationRunning.store(0, std::memory_order_release);
    simulationRunning.notify_all();
  }
}

void CSession::JoinSimulation() {
  if (simulation_.joinable()) simulation_.join();
}

// --- The profile ---

bool CSession::Save() {
  if (profilePath_.empty()) return true;  // kept in memory only
  std::string error;
  if (SaveProfile(profilePath_, record_, error)) {
    unreportedFailure_.reset();
    failureReported_ = false;
    return true;
  }
  if (!failureReported_) unreportedFailure_ = ProfileProblem{ProfileProblem::CannotSave, profilePath_, error};
  return false;
}

void CSession::TellSaveFailure(bool finalSave) {
  if (!unreportedFailure_) return;
  const ProfileProblem problem = std::move(*unreportedFailure_);
  unreportedFailure_.reset();
  failureReported_ = true;
  frontEnd_.ReportSaveFailure(problem, finalSave);
}

bool CSession::CheckProfile(const std::string& path) {
  if (!IsProfileName(path)) {
    frontEnd_.ReportOpenFailure({ProfileProblem::NotAProfile, path, ""});
    return false;
  }
  std::string reason;
  if (!CanReadProfile(path, reason)) {
    frontEnd_.ReportOpenFailure({ProfileProblem::CannotRead, path, reason});
    return false;
  }
  return true;
}

void CSession::SwitchUser(const std::string& path, bool fresh) {
  Save();
  TellSaveFailure(true);
  profilePath_ = AbsolutePath(path);
  unreportedFailure_.reset();
  failureReported_ = false;
  record_ = Record{};
  ResetScores();
  if (fresh) {
    Save();
    TellSaveFailure(false);
  } else {
    std::string error;
    LoadProfile(profilePath_, record_, error);
  }
  frontEnd_.ProfileChanged();
}

void CSession::StartGame() {
  world_.StartNewGame();
  frontEnd_.GameStarted();
}

// --- The steps of the game's life ---

bool CSession::ConfirmAbandon(bool& abandon) {
  abandon = false;
  if (world_.mode != ModePlaying || world_.turn <= 0) return true;
  abandon = frontEnd_.AskAbandon() == AbandonChoice::Abandon;
  return abandon;
}

void CSession::Abandon() {
  world_.mode = ModeIdle;
  SaturatingAdd(record_.losses, 1);
  frontEnd_.RecordChanged();
}

void CSession::NewGame(std::function<void(bool)> done) {
  bool abandon;
  if (Busy() || !ConfirmAbandon(abandon)) {
    if (done) done(false);
    return;
  }
  if (abandon) Abandon();
  WhenIdle([this, done = std::move(done)] {
    Save();
    TellSaveFailure(false);
    StartGame();
    if (done) done(true);
  });
}

void CSession::OpenProfile(const std::string& path, std::function<void(OpenResult)> done) {
  bool abandon;
  if (Busy()) {
    if (done) done(OpenResult::Kept);
    return;
  }
  if (!CheckProfile(path)) {
    if (done) done(OpenResult::Failed);
    return;
  }
  if (!ConfirmAbandon(abandon)) {
    if (done) done(OpenResult::Kept);
    return;
  }
  if (abandon) Abandon();
  WhenIdle([this, path, done = std::move(done)] {
    SwitchUser(path, false);
    StartGame();
    if (done) done(OpenResult::Opened);
  });
}

void CSession::NewUser(std::function<void(bool)> done) {
  bool abandon;
  if (Busy() || !ConfirmAbandon(abandon)) {
    if (done) done(false);
    return;
  }
  const std::optional<std::string> name = frontEnd_.AskNewUserName();
  const std::string path = name ? AbsolutePath(*name + ".tvu") : std::string();
  // "NO" at the overwrite question is the one answer that leaves the game as
  // it was; every other way on abandons it.
  if (name && std::filesystem::exists(path) && !frontEnd_.AskOverwrite(path)) {
    if (done) done(false);
    return;
  }
  if (abandon) Abandon();
  if (!name) {
    if (done) done(false);
    return;
  }
  WhenIdle([this, path, done = std::move(done)] {
    SwitchUser(path, true);
    StartGame();
    if (done) done(true);
  });
}

void CSession::SelectUser(std::function<void(bool)> done) {
  bool abandon;
  if (Busy() || !ConfirmAbandon(abandon)) {
    if (done) done(false);
    return;
  }
  if (abandon) Abandon();
  const std::optional<std::string> path = frontEnd_.AskProfileToOpen();
  if (!path) {
    if (done) done(false);
    return;
  }
  OpenProfile(*path, [done = std::move(done)](OpenResult result) {
    if (done) done(result == OpenResult::Opened);
  });
}

void CSession::Close(std::function<void(bool)> done) {
  bool abandon;
  if (Busy() || !ConfirmAbandon(abandon)) {
    done(false);
    return;
  }
  if (abandon) Abandon();
  WhenIdle([this, done = std::move(done)] {
    Save();
    TellSaveFailure(true);
    done(true);
  });
}

// --- Setup and turns ---

Refusal CSession::Buy(int type, int x, int y) {
  if (world_.mode != ModePlaying || Busy()) return Refusal::NoGame;
  if (IsPlayerUnit(type)) {
    const int here = world_.At(x, y).unitType;
    if (here == Water) return Refusal::Water;
    if (here == Impassable) return Refusal::Impassable;
    if (IsPlayerUnit(here)) return Refusal::Occupied;
    if (kUnitPrice[type] > world_.treasury) return Refusal::NotEnoughMoney;
  }
  return world_.BuyUnit(type, x, y) ? Refusal::None : Refusal::BadType;
}

Refusal CSession::Sell(int x, int y) {
  if (world_.mode != ModePlaying || Busy()) return Refusal::NoGame;
  if (!IsPlayerUnit(world_.At(x, y).unitType)) return Refusal::NothingToSell;
  world_.SellUnit(x, y);
  return Refusal::None;
}

bool CSession::PlayTurn(CTurnObserver* observer) {
  if (world_.mode != ModePlaying || Busy()) return false;
  ::PlayTurn(world_, observer);
  TellSaveFailure(false);  // the save at the turn's start or the game's end
  return true;
}

// --- The opponent's hooks ---

void CSession::ChooseStrategy(CWorld& world) { ::ChooseStrategy(world, record_); }

void CSession::LogTerrain(const CWorld& world) { ::LogTerrain(options_.logPath, world); }

void CSession::TurnStarts(CWorld& world) {
  LogPlayerPositions(options_.logPath, world);
  const bool choosing = world.mode == ModePlaying && !SimulationRunning();
  if (choosing) {
    Save();
    ::ChooseStrategy(world, record_);
  }
  const int index = world.strategyInPlay;
  turnStrategy_ = {index, index >= 0 ? strategyScores[index].load(std::memory_order_relaxed) : 0};
  if (!choosing) return;
  RecordBoard(world);
  StartSimulation();
}

void CSession::GameEnded(bool won) {
  SaturatingAdd(won ? record_.wins : record_.losses, 1);
  Save();
  frontEnd_.RecordChanged();
}
