// tarvell-cli: a headless driver of the game core for users, tests and
// benchmarks. Every subcommand prints to standard output; a bad argument or
// a bad input file gives one line on standard error and exit status 2.

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "model/maps.h"
#include "model/random.h"
#include "model/world.h"
#include "opponent/game_log.h"
#include "opponent/profile.h"
#include "opponent/strategy.h"

namespace {

constexpr const char kUsage[] =
    "usage: tarvell-cli <command> [options]\n"
    "\n"
    "commands:\n"
    "  terrain --seed S --map M    terraform built-in map M (1..10) from seed S and print the terrain\n"
    "  newgame [--seed S]          start a new game as the game does (appending to tv_log.txt) and\n"
    "                              print its terrain; without --seed the clock seeds it\n"
    "  strategies                  print the 250 strategies, one line of 265 numbers each\n"
    "  choose --profile FILE       read a profile and print its record and the strategy chosen\n"
    "\n"
    "Seeds are whole numbers 0..4294967295. Every command prints the generator's seed last\n"
    "where it draws numbers, as \"seed N\".\n";

// Milliseconds since the system started, 32 bits, like the game's tick count.
std::uint32_t TickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void PrintSeed() { std::printf("seed %u\n", randomSeed.load()); }

int Terrain(const Arguments& args) {
  const std::uint32_t seed = ParseSeed(args.Required("--seed"), "--seed");
  const std::string mapText = args.Required("--map");
  const std::int32_t map = ParseInt32(mapText, "--map");
  if (map < 1 || map > kBuiltInMapCount) throw UsageError("--map must be 1..10, not '" + mapText + "'");
  CWorld world;
  randomSeed = seed;
  world.Terraform(builtInMaps[map - 1].data());
  WriteTerrainBlock(stdout, world);
  PrintSeed();
  return 0;
}

int NewGame(const Arguments& args) {
  const auto seedText = args.Value("--seed");
  const std::uint32_t seed = seedText ? ParseSeed(*seedText, "--seed") : SeedFromTickCount(TickCount());
  ResetProfile();  // a fresh record: all scores 0, no games
  CWorld world;
  randomSeed = seed;
  world.StartNewGame();
  WriteTerrainBlock(stdout, world);
  PrintSeed();
  return 0;
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
  ResetProfile();  // a fresh record: all scores 0, no games
  profileName = args.Required("--profile");
  LoadProfile();
  std::printf("wins %d\nlosses %d\nstrategy %d\n", wins, losses, ChosenStrategyIndex());
  return 0;
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
  };
  return commands;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string name = args.front();
  args.erase(args.begin());
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  for (const Command& command : Commands()) {
    if (name != command.name) continue;
    for (const std::string& arg : args)
      if (arg == "--help" || arg == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
      }
    try {
      return command.run(Arguments(args, command.valued, command.flags));
    } catch (const UsageError& error) {
      std::fprintf(stderr, "tarvell-cli %s: %s\n", command.name, error.what());
      return 2;
    }
  }
  std::fprintf(stderr, "tarvell-cli: unknown command '%s' (try --help)\n", name.c_str());
  return 2;
}
