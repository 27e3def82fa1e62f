#include "cli/play.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/input_file.h"
#include "cli/policies.h"
#include "engine/turn.h"
#include "model/owner.h"
#include "model/random.h"
#include "model/saturating.h"
#include "model/world.h"
#include "opponent/game_log.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"

const std::vector<std::string> kPlayOptions = {"--games", "--seed", "--policy", "--profile", "--max-turns", "--log"};
const std::vector<std::string> kPlayFlags = {"--concurrent"};

namespace {

constexpr int kMaxGames = 1'000'000;
constexpr int kMaxTurnLimit = 100'000;

// The owner of a game without a window: there is no view to draw on, the
// status line goes nowhere, the end-of-game dialogs are answered OK at once
// (and remembered, for the game's line) and the pauses that pace a shown
// turn take no time.
class CHeadlessOwner : public CWorldOwner {
 public:
  enum class End { None, Victory, Defeat };
  End end = End::None;

  CBoardDisplay* FirstView() override { return nullptr; }
  void SetStatusText(int, int, const char*) override {}
  void ShowVictory() override { end = End::Victory; }
  void ShowDefeat() override { end = End::Defeat; }
  void Pause(int) override {}
};

// Runs the simulation on the live turn's own thread, to its end.
void RunInPlace(unsigned (*procedure)()) { procedure(); }

int ParseRange(const Arguments& args, const char* name, int fallback, int low, int high) {
  const auto text = args.Value(name);
  return text ? ParseInt32In(*text, name, low, high) : fallback;
}

// A profile must name a file: an empty name would keep the record in memory
// without a word.
void CheckProfileName(const std::string& name) {
  if (name.empty()) throw UsageError("--profile must name a file, not ''");
}

// The game log is appended to as the games go; one that cannot be opened
// for appending (a missing folder, no permission, a FIFO without a reader)
// is refused before the first game instead of logging nothing. Opening it
// creates it, as the first game's append would.
void CheckLogFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) throw UsageError("--log " + Quoted(path) + " cannot be opened for appending: " + std::strerror(errno));
  struct stat status;
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  ::close(fd);
  if (!regular) throw UsageError("--log " + Quoted(path) + " is not a regular file");
}

void Abandon(CWorld& world) {
  // Leaving a game after a completed turn counts as a loss.
  world.mode = ModeIdle;
  SaturatingAdd(losses, 1);
}

// As the game tells the player, once, that the profile could not be saved.
void ReportSaveFailure() {
  if (const auto failure = TakeUnreportedSaveFailure())
    std::fprintf(stderr, "tarvell-cli play: the profile %s could not be saved (%s); trying again at the next save\n",
                 failure->path.c_str(), failure->reason.c_str());
}

}  // namespace

int Play(const Arguments& args) {
  const int games = ParseRange(args, "--games", 1, 1, kMaxGames);
  const int maxTurns = ParseRange(args, "--max-turns", 30, 1, kMaxTurnLimit);
  const auto seedText = args.Value("--seed");
  const std::uint32_t seed = seedText ? ParseSeed(*seedText, "--seed") : SeedFromTickCount(TickCount());
  const std::string policyName = args.Required("--policy");
  std::unique_ptr<CPolicy> policy = MakePolicy(policyName, seed);
  if (!policy) {
    std::string known;
    for (const std::string& name : PolicyNames()) known += (known.empty() ? "" : ", ") + name;
    throw UsageError("--policy must be one of " + known + ", not " + Quoted(policyName));
  }
  const bool concurrent = args.Has("--concurrent");
  if (const auto profile = args.Value("--profile")) CheckProfileName(*profile);
  if (const auto log = args.Value("--log")) CheckLogFile(*log);

  // Without --profile the record lives in memory only; without --log
  // nothing is logged.
  ResetProfile();
  if (const auto profile = args.Value("--profile")) {
    const bool exists = CheckInputFile(*profile, true);
    SetProfileName(*profile);
    if (exists) LoadProfile();
  } else {
    profileName.clear();
  }
  gameLogName = args.Value("--log").value_or("");
  if (!concurrent) simulationStarter = RunInPlace;
  randomSeed = seed;

  CHeadlessOwner owner;
  auto world = std::make_unique<CWorld>();
  world->owner = &owner;
  CPlayerDesk desk(*world);
  int won = 0, lost = 0, abandoned = 0;

  for (int game = 1; game <= games; ++game) {
    // New Game: wait for the simulation, save the record, start.
    WaitForSimulation(1);
    SaveProfile();
    world->StartNewGame();
    policy->NewGame(desk);

    owner.end = CHeadlessOwner::End::None;
    std::string strategies;
    while (world->mode == ModePlaying && world->turn < maxTurns) {
      policy->Setup(desk);
      // End Setup. The turn chooses the strategy anew when no simulation
      // runs; with one running it keeps the one in force. The score shown is
      // the one the choice saw.
      const bool choosing = !simulationRunning.load(std::memory_order_acquire);
      const int expected = choosing ? ChosenStrategyIndex() : world->strategyInPlay;
      const std::int32_t expectedScore = expected >= 0 ? strategyScores[expected].load(std::memory_order_relaxed) : 0;
      PlayTurn(*world);
      const int strategy = world->strategyInPlay;
      const std::int32_t score =
          strategy == expected ? expectedScore : strategyScores[strategy].load(std::memory_order_relaxed);
      strategies += ' ' + std::to_string(strategy) + ':' + std::to_string(score);
    }

    const char* outcome;
    if (world->mode == ModePlaying) {
      Abandon(*world);
      outcome = "abandoned";
      ++abandoned;
    } else if (owner.end == CHeadlessOwner::End::Victory) {
      outcome = "win";
      ++won;
    } else {
      outcome = "loss";
      ++lost;
    }
    ReportSaveFailure();
    std::printf("game %d %s turns %d treasury %d chaos %d strategies%s\n", game, outcome, world->turn, world->treasury,
                world->chaosMoney, strategies.c_str());
  }

  // As the window closes: wait for the simulation, save the record.
  WaitForSimulation(1);
  const bool saved = SaveProfile();
  ReportSaveFailure();
  std::printf("games %d, wins %d, losses %d, abandoned %d\n", games, won, lost, abandoned);
  std::printf("seed %u\n", randomSeed.load());
  return saved ? 0 : 1;
}
