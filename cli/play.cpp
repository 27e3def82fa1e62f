#include "cli/play.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/headless.h"
#include "cli/input_file.h"
#include "cli/policies.h"
#include "model/owner.h"
#include "model/random.h"
#include "model/world.h"
#include "session/session.h"

const std::vector<std::string> kPlayOptions = {"--games",     "--seed", "--policy", "--profile",
                                               "--max-turns", "--log",  "--chaos",  "--strategy"};
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

ChaosMode ParseChaosMode(const Arguments& args) {
  const auto text = args.Value("--chaos");
  if (!text || *text == "classic") return ChaosMode::Classic;
  if (*text == "adaptive") return ChaosMode::Adaptive;
  throw UsageError("--chaos must be classic or adaptive, not " + Quoted(*text));
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
  const ChaosMode chaosMode = ParseChaosMode(args);
  const int fixedStrategy = ParseRange(args, "--strategy", -1, 0, kStrategyCount - 1);
  if (const auto profile = args.Value("--profile")) CheckProfileName(*profile);
  if (const auto log = args.Value("--log")) CheckLogFile(*log);

  // Without --profile the record lives in memory only; without --log
  // nothing is logged.
  CHeadlessFrontEnd frontEnd("tarvell-cli play");
  CHeadlessOwner owner;
  CSession session(frontEnd, &owner,
                   {.logPath = args.Value("--log").value_or(""),
                    .simulateInPlace = !concurrent,
                    .chaosMode = chaosMode,
                    .fixedStrategy = fixedStrategy});
  if (const auto profile = args.Value("--profile")) {
    CheckInputFile(*profile, true);
    ProfileProblem problem;
    if (!session.UseProfile(*profile, problem)) throw UsageError(ProblemText(problem));
  } else {
    session.UseMemoryProfile();
  }
  randomSeed = seed;

  const CWorld& world = session.World();
  CPlayerDesk desk(session);
  int won = 0, lost = 0, abandoned = 0;

  for (int game = 1; game <= games; ++game) {
    // New Game: once the simulation has ended, the record is saved and the
    // game starts.
    bool started = false;
    session.NewGame([&](bool) { started = true; });
    frontEnd.RunUntil([&] { return started; });
    policy->NewGame(desk);

    owner.end = CHeadlessOwner::End::None;
    std::string strategies;
    while (world.mode == ModePlaying && world.turn < maxTurns) {
      policy->Setup(desk);
      session.PlayTurn();
      const CSession::TurnStrategy played = session.LastTurnStrategy();
      strategies += ' ' + std::to_string(played.index) + ':' + std::to_string(played.score);
    }

    const char* outcome;
    if (world.mode == ModePlaying) {
      session.Abandon();  // leaving a game after a completed turn counts as a loss
      outcome = "abandoned";
      ++abandoned;
    } else if (owner.end == CHeadlessOwner::End::Victory) {
      outcome = "win";
      ++won;
    } else {
      outcome = "loss";
      ++lost;
    }
    std::printf("game %d %s turns %d treasury %d chaos %d strategies%s\n", game, outcome, world.turn, world.treasury,
                world.chaosMoney, strategies.c_str());
  }

  // As the window closes: once the simulation has ended, the record is saved.
  bool closed = false;
  session.Close([&](bool) { closed = true; });
  frontEnd.RunUntil([&] { return closed; });
  std::printf("games %d, wins %d, losses %d, abandoned %d\n", games, won, lost, abandoned);
  std::printf("seed %u\n", randomSeed.load());
  return session.ProfileSaved() ? 0 : 1;
}
