// tarvell-cli: a headless driver of the game core for users, tests and
// benchmarks. Every subcommand prints to standard output; a bad argument or
// a bad input file gives one line on standard error and exit status 2.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "bench/bench_boards.h"
#include "cli/arguments.h"
#include "cli/headless.h"
#include "cli/input_file.h"
#include "cli/play.h"
#include "cli/scenario.h"
#include "engine/turn.h"
#include "engine/unit_pool.h"
#include "model/maps.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/game_log.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "session/session.h"

namespace {

constexpr const char kUsage[] =
    "usage: tarvell-cli <command> [options]\n"
    "       tarvell-cli --help | --version\n"
    "\n"
    "commands:\n"
    "  terrain --seed S --map M    terraform built-in map M (1..10) from seed S and print the terrain\n"
    "  newgame [--seed S]          start a new game as the game does (appending to tv_log.txt) and\n"
    "                              print its terrain; without --seed the clock seeds it\n"
    "  strategies                  print the 250 strategies, one line of 265 numbers each\n"
    "  choose --profile FILE       read a profile and print its record and the strategy chosen\n"
    "  turn --scenario FILE [--trace]\n"
    "                              play one turn of a scenario (without display) and print the result;\n"
    "                              --trace also prints the units after the purchases and every phase\n"
    "  simulate --scenario FILE [--profile FILE]\n"
    "                              score the 250 strategies on the scenario's board, as the game's\n"
    "                              background simulation does, and print the scores\n"
    "  bench [--repeat N] [--board V] [--write-boards DIR]\n"
    "                              time turns and simulations on fixed boards ($1,000, $5,000 and\n"
    "                              $50,000 of units) and print unit actions per second and a\n"
    "                              signature of the results; --board V times only the board worth\n"
    "                              V (no signature); --write-boards writes the boards into DIR as\n"
    "                              scenarios bench_V.txt for turn and simulate, and times nothing\n"
    "  play --policy NAME [--games N] [--seed S] [--max-turns T] [--profile FILE] [--log FILE]\n"
    "       [--chaos MODE] [--strategy I] [--concurrent]\n"
    "                              play N whole games (default 1, at most 1000000) as the game does, a\n"
    "                              built-in policy (passive, random, income, fortress or strong)\n"
    "                              placing the units; one line per game, a summary and the seed.\n"
    "                              A game still running after T turns (default 30, 1..100000) is\n"
    "                              abandoned, which counts as a loss.\n"
    "                              --profile is read at the start and saved as the game saves it\n"
    "                              (default: a fresh record that is not written); --log appends the\n"
    "                              game log to FILE (default: no log). --chaos adaptive scales\n"
    "                              Chaos's starting money and income by the player's record and, for\n"
    "                              a player who loses most games, aims at the strategies that did\n"
    "                              the player good (default classic: the game's own rules).\n"
    "                              --strategy I (0..249) makes Chaos play strategy I in every turn\n"
    "                              instead of choosing one (a probe of the strategy table).\n"
    "                              The simulation a turn starts runs to its end before the turn\n"
    "                              goes on, so a run depends only on its seed, policy, mode and\n"
    "                              profile; --concurrent runs it on its own thread beside the turn,\n"
    "                              as the window does (for soak tests)\n"
    "\n"
    "Seeds are whole numbers 0..4294967295, but not those whose low 31 bits are a multiple of\n"
    "1048576 (0, 1048576, ..., 2147483648, ...): from those the generator repeats within 512\n"
    "values. Every command prints the generator's seed last where it draws numbers, as \"seed N\".\n"
    "\n"
    "A scenario's treasury and chaos are 0..2000000000 and its turn 0..100000. Scenario and\n"
    "profile files must be regular files of at most 1048576 bytes; a missing profile reads as\n"
    "a fresh one. A command that cannot write all its output ends with status 2; one that runs\n"
    "out of memory says so and ends with status 1.\n";

void PrintSeed() { std::printf("seed %u\n", randomSeed.load()); }

int Terrain(const Arguments& args) {
  const std::uint32_t seed = ParseSeed(args.Required("--seed"), "--seed");
  const std::string mapText = args.Required("--map");
  const std::int32_t map = ParseInt32(mapText, "--map");
  if (map < 1 || map > kBuiltInMapCount) throw UsageError("--map must be 1..10, not '" + mapText + "'");
  CWorld world;
  randomSeed = seed;
  world.Terraform(builtInMaps[map - 1].data());
  std::fputs(TerrainBlock(world).c_str(), stdout);
  PrintSeed();
  return 0;
}

int NewGame(const Arguments& args) {
  const auto seedText = args.Value("--seed");
  const std::uint32_t seed = seedText ? ParseSeed(*seedText, "--seed") : SeedFromTickCount(TickCount());
  CHeadlessFrontEnd frontEnd("tarvell-cli newgame");
  CSession session(frontEnd, nullptr);
  session.UseMemoryProfile();  // a fresh record: all scores 0, no games
  randomSeed = seed;
  session.NewGame();
  std::fputs(TerrainBlock(session.World()).c_str(), stdout);
  PrintSeed();
  return 0;
}

// Reads the profile at path, if it exists, into the session; a profile that
// exists but cannot be read is an error, not a fresh record.
void UseProfileOption(CSession& session, const std::string& path) {
  CheckInputFile(path, true);
  ProfileProblem problem;
  if (!session.UseProfile(path, problem)) throw UsageError(ProblemText(problem));
}

int Strategies(const Arguments&) {
  for (int i = 0; i < kStrategyCount; ++i) {
    std::printf("%d", i);
    for (const KindPlan& plan : strategyTable[i].plans) {
      for (std::uint8_t code : plan.behaviour) std::printf(" %d", code);
      std::printf(" %d", plan.purchaseWeight);
    }
    std::printf("\n");
  }
  return 0;
}

int Choose(const Arguments& args) {
  CHeadlessFrontEnd frontEnd("tarvell-cli choose");
  CSession session(frontEnd, nullptr, {.logPath = ""});
  UseProfileOption(session, args.Required("--profile"));
  const Record& record = session.UserRecord();
  std::printf("wins %d\nlosses %d\nstrategy %d\n", record.wins, record.losses, session.Choice().index);
  return 0;
}

// Prints the trace of a turn: at each point the seed, the player's units lost
// since the previous point, and every unit still in the list.
class TraceObserver : public CTurnObserver {
 public:
  explicit TraceObserver(const CWorld& world) { Remember(world); }

  void AtPoint(const CWorld& world, int phase, const CUnit& head) override {
    std::printf("phase %d seed %u\n", phase, randomSeed.load());
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (IsPlayerUnit(previous_[x][y]) && world.At(x, y).unitType != previous_[x][y])
          std::printf("gone %d %d %d\n", x, y, previous_[x][y]);
    Remember(world);
    for (const CUnit* unit = head.next; unit; unit = unit->next)
      std::printf("unit %d %d %d %d %d %d %d\n", TurnUnitPool().IndexOf(unit), unit->kindCode, unit->x, unit->y,
                  unit->facing, unit->state, unit->loot);
  }

 private:
  void Remember(const CWorld& world) {
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) previous_[x][y] = world.At(x, y).unitType;
  }
  int previous_[kBoardSize][kBoardSize];
};

int Turn(const Arguments& args) {
  const Scenario scenario = ReadScenario(args.Required("--scenario"));
  CWorld world;
  SetUpWorld(scenario, world);
  TraceObserver trace(world);
  PlayTurn(world, args.Has("--trace") ? &trace : nullptr);
  std::printf("treasury %d\nchaos %d\nturn %d\nphase %d\nlastPlayerGain %d\nlastChaosGain %d\n", world.treasury,
              world.chaosMoney, world.turn, world.phase, world.lastPlayerGain, world.lastChaosGain);
  PrintSeed();
  std::printf("units\n");
  std::fputs(BoardRows([&](int x, int y) { return world.At(x, y).unitType; }).c_str(), stdout);
  return 0;
}

int Simulate(const Arguments& args) {
  const Scenario scenario = ReadScenario(args.Required("--scenario"));
  CWorld world;
  SetUpWorld(scenario, world);
  RecordBoard(world);
  CHeadlessFrontEnd frontEnd("tarvell-cli simulate");
  CSession session(frontEnd, nullptr, {.logPath = ""});
  session.UseMemoryProfile();
  if (auto profile = args.Value("--profile")) UseProfileOption(session, *profile);
  CWorld simulationWorld;
  RunReplays(simulationWorld);
  for (const std::int32_t score : session.Scores()) std::printf("%d\t", score);
  std::printf("\n");
  PrintSeed();
  return 0;
}

// FNV-1a over the numbers that a change of game behaviour would move.
class Signature {
 public:
  void Add(long long value) {
    for (int i = 0; i < 8; ++i) {
      hash_ ^= static_cast<unsigned char>(value >> (8 * i));
      hash_ *= 1099511628211ull;
    }
  }
  unsigned long long Value() const { return hash_; }

 private:
  unsigned long long hash_ = 14695981039346656037ull;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

template <typename Work>
double MedianSeconds(int repeat, Work work) {
  std::vector<double> seconds;
  for (int r = 0; r < repeat; ++r) {
    const auto start = std::chrono::steady_clock::now();
    work();
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return Median(seconds);
}

// Writes a board's scenario to path, which must be a regular file or not
// exist yet: a FIFO, a device or a folder in its place is refused, and
// opening never waits for a reader.
void WriteBoardFile(const std::string& path, const std::string& text) {
  const std::string name = Quoted(path);
  struct stat status;
  if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) throw UsageError(name + ": not a regular file");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) throw UsageError(name + ": cannot be written: " + std::strerror(errno));
  std::FILE* file = ::fdopen(fd, "w");
  if (file == nullptr) {
    ::close(fd);
    throw UsageError(name + ": cannot be written");
  }
  // Checked again on what was opened: the name may have changed hands.
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  const bool written =
      regular && ::ftruncate(fd, 0) == 0 && std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  if (!regular) throw UsageError(name + ": not a regular file");
  if (!written || !closed) throw UsageError(name + ": cannot be written");
}

int Bench(const Arguments& args) {
  const auto repeatText = args.Value("--repeat");
  const int repeat = repeatText ? ParseInt32(*repeatText, "--repeat") : 5;
  if (repeat < 1) throw UsageError("--repeat must be at least 1");
  const auto boardText = args.Value("--board");
  const int only = boardText ? ParseInt32(*boardText, "--board") : 0;
  if (boardText && std::none_of(BenchBoards().begin(), BenchBoards().end(),
                                [&](const BenchBoard& board) { return board.value == only; }))
    throw UsageError("--board must be 1000, 5000 or 50000, not '" + *boardText + "'");
  if (const auto folder = args.Value("--write-boards")) {
    for (const BenchBoard& board : BenchBoards()) {
      const std::string path = *folder + "/bench_" + std::to_string(board.value) + ".txt";
      const std::string text = BenchScenario(board);
      WriteBoardFile(path, text);
      std::printf("%s\n", path.c_str());
    }
    return 0;
  }
  constexpr int kTurnsPerRun = 250;
  Signature signature;
  std::printf("%-10s %-11s %12s %10s %16s\n", "board", "work", "actions", "ms", "actions/s");
  for (const BenchBoard& board : BenchBoards()) {
    if (only && board.value != only) continue;
    RecordBenchBoard(board);
    CWorld world;

    // One simulated turn, strategy 0, from a fixed seed; timed over 250 turns.
    long long turnActions = 0;
    const double turnSeconds = MedianSeconds(repeat, [&] {
      randomSeed = kBenchSeed;
      turnActions = 0;
      for (int i = 0; i < kTurnsPerRun; ++i) {
        SetUpReplay(world);
        LoadStrategy(world, 0);
        turnActions += PlayTurn(world);
      }
    });
    signature.Add(turnActions);
    signature.Add(world.lastPlayerGain);
    signature.Add(world.lastChaosGain);
    signature.Add(randomSeed.load());

    // One whole simulation: 250 replays, one per strategy, from zero scores.
    long long simulationActions = 0;
    const double simulationSeconds = MedianSeconds(repeat, [&] {
      randomSeed = kBenchSeed;
      ResetScores();
      simulationActions = RunReplays(world);
    });
    signature.Add(simulationActions);
    for (const std::int32_t score : CurrentScores()) signature.Add(score);
    signature.Add(randomSeed.load());

    char name[16];
    std::snprintf(name, sizeof name, "$%d", board.value);
    std::printf("%-10s %-11s %12lld %10.3f %16.0f\n", name, "turn", turnActions / kTurnsPerRun,
                1000.0 * turnSeconds / kTurnsPerRun, turnActions / turnSeconds);
    std::printf("%-10s %-11s %12lld %10.3f %16.0f\n", name, "simulation", simulationActions, 1000.0 * simulationSeconds,
                simulationActions / simulationSeconds);
  }
  if (!only) std::printf("signature %016llx\n", signature.Value());
  return 0;
}

// Standard output is flushed before the status is given: output that could
// not be written all (a full disk, a closed pipe or descriptor) is a failure.
int FinishOutput(int status) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "tarvell-cli: cannot write the output: %s\n", std::strerror(errno));
    return 2;
  }
  return status;
}

struct Command {
  const char* name;
  std::vector<std::string> valued;
  std::vector<std::string> flags;
  std::function<int(const Arguments&)> run;
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"terrain", {"--seed", "--map"}, {}, Terrain},
      {"newgame", {"--seed"}, {}, NewGame},
      {"strategies", {}, {}, Strategies},
      {"choose", {"--profile"}, {}, Choose},
      {"turn", {"--scenario"}, {"--trace"}, Turn},
      {"simulate", {"--scenario", "--profile"}, {}, Simulate},
      {"bench", {"--repeat", "--board", "--write-boards"}, {}, Bench},
      {"play", kPlayOptions, kPlayFlags, Play},
  };
  return commands;
}

int Run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs("tarvell-cli: no command given (try --help)\n", stderr);
    return 2;
  }
  const std::string name = args.front();
  args.erase(args.begin());
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(kUsage, stdout);
    return FinishOutput(0);
  }
  if (name == "--version") {
    std::printf("tarvell-cli %s\n", TARVELL_VERSION);
    return FinishOutput(0);
  }
  for (const Command& command : Commands()) {
    if (name != command.name) continue;
    for (const std::string& arg : args)
      if (arg == "--help" || arg == "-h") {
        std::fputs(kUsage, stdout);
        return FinishOutput(0);
      }
    int status;
    try {
      status = command.run(Arguments(args, command.valued, command.flags));
    } catch (const UsageError& error) {
      std::fprintf(stderr, "tarvell-cli %s: %s\n", command.name, error.what());
      return 2;
    }
    return FinishOutput(status);
  }
  std::fprintf(stderr, "tarvell-cli: unknown command %s (try --help)\n", Quoted(name).c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    // Said without allocating; what was printed so far stays as it is.
    std::fputs("tarvell-cli: out of memory\n", stderr);
    return 1;
  }
}
