#include "session/session.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>
#include <utility>

#include "engine/turn.h"
#include "model/random.h"
#include "model/saturating.h"
#include "opponent/kept_game.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"

bool IsProfileName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ending = path.substr(path.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  return ending == ".tvu";
}

CSession::CSession(CSessionFrontEnd& frontEnd, CWorldOwner* owner, Options options)
    : frontEnd_(frontEnd),
      options_(std::move(options)),
      chaosMode_(options_.chaosMode),
      gameMode_(options_.chaosMode),
      self_(std::make_shared<CSession*>(this)) {
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

bool CSession::ClaimProfile(const std::string& path, Need need, Claim& claim, ProfileProblem& problem) {
  std::string error;
  if (!ResolveProfilePath(path, claim.path, error)) {
    problem = {ProfileProblem::CannotRead, path, error};
    return false;
  }
  const bool current = claim.path == profilePath_ && lock_.Held();
  if (!current) {
    claim.lock = CProfileLock::Acquire(claim.path);
    switch (claim.lock.GetState()) {
      case CProfileLock::State::Held: claim.lock.SweepStaleSaves(); break;
      case CProfileLock::State::InUse:
        problem = {ProfileProblem::InUse, path, "", static_cast<long>(claim.lock.Holder())};
        return false;
      default: problem = {ProfileProblem::CannotRead, path, claim.lock.Reason()}; return false;
    }
  }
  if (need == Need::Fresh) return true;
  const ProfileReading reading = OpenProfileForReading(claim.path);
  if (reading.stream || (reading.missing && need == Need::Readable)) return true;
  problem = {ProfileProblem::CannotRead, path, reading.missing ? std::strerror(ENOENT) : reading.reason};
  return false;
}

bool CSession::UseProfile(const std::string& path, ProfileProblem& problem) {
  Claim claim;
  if (!ClaimProfile(path, Need::Readable, claim, problem)) return false;
  Record record;
  std::string error;
  ResetScores();
  if (LoadProfile(claim.path, record, error) == ProfileRead::Unreadable) {
    ResetScores();
    problem = {ProfileProblem::CannotRead, claim.path, error};
    return false;
  }
  if (claim.lock.Held()) lock_ = std::move(claim.lock);
  profilePath_ = claim.path;
  record_ = record;
  unreportedFailure_.reset();
  failureReported_ = false;
  offerKeptGame_ = true;
  frontEnd_.ProfileChanged();
  return true;
}

void CSession::UseMemoryProfile() {
  profilePath_.clear();
  lock_ = CProfileLock();
  record_ = Record{};
  ResetScores();
  unreportedFailure_.reset();
  failureReported_ = false;
  offerKeptGame_ = false;
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
    Simulate();
    frontEnd_.SimulationEnded();
    return;
  }
  try {
    simulation_ = std::thread([this, self = std::weak_ptr<CSession*>(self_)] {
      Simulate();
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

void CSession::Simulate() {
  try {
    options_.simulation();
  } catch (const std::bad_alloc&) {
    // The scores keep what the replays so far gave them; the game goes on.
    std::fputs("tarvell: out of memory: Chaos's replays of this turn were stopped\n", stderr);
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

void CSession::SwitchUser(Claim claim, bool fresh) {
  Save();
  TellSaveFailure(true);
  if (claim.lock.Held()) lock_ = std::move(claim.lock);  // the outgoing profile's lock goes
  profilePath_ = claim.path;
  unreportedFailure_.reset();
  failureReported_ = false;
  offerKeptGame_ = false;  // StartOrResume follows
  record_ = Record{};
  ResetScores();
  if (fresh) {
    Save();
    TellSaveFailure(false);
    // A kept game of the profile replaced went with its record.
    std::error_code ignored;
    std::filesystem::remove(KeptGamePath(profilePath_), ignored);
  } else {
    std::string error;
    LoadProfile(profilePath_, record_, error);
  }
  frontEnd_.ProfileChanged();
}

void CSession::StartGame() {
  // The record is final here (a game left was counted before), so the
  // factor holds for the whole game.
  gameMode_ = chaosMode_;
  world_.chaosPurse = gameMode_ == ChaosMode::Adaptive ? ChaosPurseFactor(record_) : kPurseOne;
  world_.StartNewGame();
  frontEnd_.GameStarted();
}

// --- Games kept for later ---

bool CSession::KeepGame() {
  const std::string path = KeptGamePath(profilePath_);
  const std::string text = KeptGameText(KeepWorld(world_, randomSeed.load(std::memory_order_relaxed)));
  std::string error;
  if (!ReplaceFileContent(path, text, error)) {
    frontEnd_.ReportKeptGameProblem({KeptGameProblem::CannotKeep, path, error, ""});
    return false;
  }
  world_.mode = ModeIdle;  // left, not lost
  return true;
}

void CSession::SetAsideDamagedGame(const std::string& path, const std::string& reason) {
  std::string aside = DamagedGamePath(path);
  std::error_code error;
  std::filesystem::rename(path, aside, error);
  if (error) {
    if (std::find(damagedTold_.begin(), damagedTold_.end(), path) != damagedTold_.end()) return;
    damagedTold_.push_back(path);
    aside.clear();
  }
  frontEnd_.ReportKeptGameProblem({KeptGameProblem::Damaged, path, reason, aside});
}

bool CSession::OfferKeptGame() {
  if (profilePath_.empty()) return false;
  const std::string path = KeptGamePath(profilePath_);
  std::string text, error;
  bool missing = false;
  KeptGame game;
  if (!ReadKeptGameFile(path, text, missing, error) || !ReadKeptGame(text, game, error)) {
    if (!missing) SetAsideDamagedGame(path, error);
    return false;
  }
  std::error_code ignored;
  if (!frontEnd_.AskContinue(game.turn)) {
    SaturatingAdd(record_.losses, 1);
    frontEnd_.RecordChanged();
    Save();
    TellSaveFailure(false);
    std::filesystem::remove(path, ignored);
    return false;
  }
  RestoreKeptGame(game, world_);
  // The kept generator state: the game goes on as it would have.
  randomSeed.store(game.seed, std::memory_order_relaxed);
  std::filesystem::remove(path, ignored);
  frontEnd_.GameStarted();
  return true;
}

void CSession::StartOrResume() {
  offerKeptGame_ = false;
  if (!OfferKeptGame()) StartGame();
}

// --- The steps of the game's life ---

bool CSession::ConfirmLeave(bool mayKeep, Leaving& leaving) {
  leaving = Leaving::Nothing;
  if (world_.mode != ModePlaying || world_.turn <= 0) return true;
  mayKeep = mayKeep && !profilePath_.empty();
  switch (frontEnd_.AskAbandon(mayKeep)) {
    case AbandonChoice::Abandon: leaving = Leaving::Abandon; return true;
    case AbandonChoice::KeepForLater:
      if (!mayKeep) return false;
      leaving = Leaving::Keep;
      return true;
    case AbandonChoice::KeepPlaying: return false;
  }
  return false;
}

void CSession::Abandon() {
  world_.mode = ModeIdle;
  SaturatingAdd(record_.losses, 1);
  frontEnd_.RecordChanged();
}

void CSession::NewGame(std::function<void(bool)> done) {
  Leaving leaving;
  if (Busy() || !ConfirmLeave(false, leaving)) {
    if (done) done(false);
    return;
  }
  if (leaving == Leaving::Abandon) Abandon();
  WhenIdle([this, done = std::move(done)] {
    Save();
    TellSaveFailure(false);
    if (offerKeptGame_)
      StartOrResume();
    else
      StartGame();
    if (done) done(true);
  });
}

void CSession::OpenProfile(const std::string& path, std::function<void(OpenResult)> done) {
  Open(path, std::nullopt, std::move(done));
}

void CSession::Open(const std::string& path, std::optional<Leaving> decided, std::function<void(OpenResult)> done) {
  if (Busy()) {
    if (done) done(OpenResult::Kept);
    return;
  }
  // A file that cannot become the profile is told before any question, and
  // leaves the game and the user as they were.
  auto claim = std::make_shared<Claim>();
  ProfileProblem problem;
  if (!IsProfileName(path)) {
    frontEnd_.ReportOpenFailure({ProfileProblem::NotAProfile, path, ""});
    if (done) done(OpenResult::Failed);
    return;
  }
  if (!ClaimProfile(path, Need::Existing, *claim, problem)) {
    frontEnd_.ReportOpenFailure(problem);
    if (done) done(OpenResult::Failed);
    return;
  }
  Leaving leaving = decided.value_or(Leaving::Nothing);
  if (!decided) {
    if (!ConfirmLeave(true, leaving)) {
      if (done) done(OpenResult::Kept);
      return;
    }
    if (leaving == Leaving::Abandon) Abandon();
  }
  WhenIdle([this, claim, leaving, done = std::move(done)] {
    if (leaving == Leaving::Keep && !KeepGame()) {
      if (done) done(OpenResult::Kept);
      return;
    }
    SwitchUser(std::move(*claim), false);
    StartOrResume();
    if (done) done(OpenResult::Opened);
  });
}

void CSession::NewUser(std::function<void(bool)> done) {
  Leaving leaving;
  if (Busy() || !ConfirmLeave(true, leaving)) {
    if (done) done(false);
    return;
  }
  const std::optional<std::string> name = frontEnd_.AskNewUserName();
  const std::string path = name ? *name + ".tvu" : std::string();
  std::error_code ignored;
  // "NO" at the overwrite question is the one answer that leaves the game as
  // it was; every other way on abandons it. A game to be kept is kept only
  // when the user changes.
  if (name && std::filesystem::exists(path, ignored) && !frontEnd_.AskOverwrite(path)) {
    if (done) done(false);
    return;
  }
  if (leaving == Leaving::Abandon) Abandon();
  auto claim = std::make_shared<Claim>();
  ProfileProblem problem;
  if (name && !ClaimProfile(path, Need::Fresh, *claim, problem)) {
    frontEnd_.ReportOpenFailure(problem);
    if (done) done(false);
    return;
  }
  if (!name) {
    if (done) done(false);
    return;
  }
  WhenIdle([this, claim, leaving, done = std::move(done)] {
    if (leaving == Leaving::Keep && !KeepGame()) {
      if (done) done(false);
      return;
    }
    SwitchUser(std::move(*claim), true);
    StartOrResume();
    if (done) done(true);
  });
}

void CSession::SelectUser(std::function<void(bool)> done) {
  Leaving leaving;
  if (Busy() || !ConfirmLeave(true, leaving)) {
    if (done) done(false);
    return;
  }
  if (leaving == Leaving::Abandon) Abandon();
  const std::optional<std::string> path = frontEnd_.AskProfileToOpen();
  if (!path) {
    if (done) done(false);
    return;
  }
  // An abandoned game is over already; one to keep waits for the change.
  Open(*path, leaving == Leaving::Keep ? Leaving::Keep : Leaving::Nothing, [done = std::move(done)](OpenResult result) {
    if (done) done(result == OpenResult::Opened);
  });
}

void CSession::Close(std::function<void(bool)> done) {
  Leaving leaving;
  if (Busy() || !ConfirmLeave(true, leaving)) {
    done(false);
    return;
  }
  if (leaving == Leaving::Abandon) Abandon();
  WhenIdle([this, leaving, done = std::move(done)] {
    if (leaving == Leaving::Keep && !KeepGame()) {
      done(false);
      return;
    }
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

void CSession::LoadChosenStrategy(CWorld& world) {
  if (options_.fixedStrategy < 0 || options_.fixedStrategy >= kStrategyCount) {
    ::ChooseStrategy(world, record_, gameMode_);
    return;
  }
  world.strategyInPlay = options_.fixedStrategy;
  LoadStrategy(world, world.strategyInPlay);
}

void CSession::ChooseStrategy(CWorld& world) { LoadChosenStrategy(world); }

void CSession::LogTerrain(const CWorld& world) { ::LogTerrain(options_.logPath, world); }

void CSession::TurnStarts(CWorld& world) {
  LogPlayerPositions(options_.logPath, world);
  const bool choosing = world.mode == ModePlaying && !SimulationRunning();
  if (choosing) {
    Save();
    LoadChosenStrategy(world);
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
