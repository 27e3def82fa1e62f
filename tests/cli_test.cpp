// tarvell-cli run as a user runs it: a separate process, its output and its
// exit status.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tests/test_support.h"

class CliTest : public CoreTest {
 protected:
  ScratchFolder folder;
};

TEST_F(CliTest, TerrainPrintsTheLogBlockAndTheSeedAfterwards) {
  const CliRun run = RunCli("terrain --seed 12345 --map 1");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[0], "New Terrain:");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "2,2,3,3,3,4,5,5,5,4,3,3,3,3,3,3,3,2,2,2,1,1,1,2,");
  EXPECT_EQ(lines[25], "3,3,3,3,3,4,5,5,5,4,3,3,3,3,3,3,3,3,3,3,2,2,2,3,");
  EXPECT_EQ(lines[26], "");
  EXPECT_EQ(lines[27], "seed 10319851");
  EXPECT_FALSE(std::filesystem::exists("tv_log.txt"));  // terraforming alone logs nothing
}

TEST_F(CliTest, NewGameWithASeedIsRepeatableAndLogsEachGame) {
  const CliRun first = RunCli("newgame --seed 7");
  const CliRun second = RunCli("newgame --seed 7");
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, second.out);
  const std::string block = first.out.substr(0, first.out.rfind("seed "));
  EXPECT_EQ(ReadFile("tv_log.txt"), block + block);
  EXPECT_FALSE(std::filesystem::exists("default.tvu"));  // a new game writes no profile
}

TEST_F(CliTest, NewGameWithoutSeedTakesTheClock) {
  const CliRun run = RunCli("newgame");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[27].rfind("seed ", 0), 0u);
}

TEST_F(CliTest, StrategiesPrintsTheDataFileRecordForRecord) {
  const CliRun run = RunCli("strategies");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 250u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    std::vector<long> numbers;
    for (long n; in >> n;) numbers.push_back(n);
    ASSERT_EQ(numbers.size(), 265u) << "line " << i;
    EXPECT_EQ(numbers[0], static_cast<long>(i));
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ' '), 264) << "single blanks only";
  }
  EXPECT_EQ(run.out, ReadFile(STRATEGY_DATA));
}

TEST_F(CliTest, ChooseReadsTheProfileAsTheGameDoes) {
  CliRun run = RunCli("choose --profile missing.tvu");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "wins 0\nlosses 0\nstrategy 0\n");

  std::string profile = "3\t1\t";
  for (int i = 0; i < 250; ++i) profile += std::to_string(i == 3 ? -22 : i == 7 ? -18 : i == 9 ? -40 : 0) + "\t";
  WriteFile("user.tvu", profile);
  run = RunCli("choose --profile user.tvu");
  EXPECT_EQ(run.out, "wins 3\nlosses 1\nstrategy 3\n");

  WriteFile("short.tvu", "5 x");
  run = RunCli("choose --profile short.tvu");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "wins 5\nlosses 0\nstrategy 0\n");
}

TEST_F(CliTest, BadArgumentsGiveOneLineAndStatusTwo) {
  for (const char* args :
       {"fly", "terrain --seed 1", "terrain --seed 1 --map 11", "terrain --seed 1 --map 0", "terrain --seed -1 --map 1",
        "terrain --seed 4294967296 --map 1", "terrain --seed 1x --map 1", "terrain --seed 1 --map 1 --map 2",
        "newgame --seed", "newgame --fast", "choose", "strategies extra"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
  }
  const CliRun nothing = RunCli("");
  EXPECT_EQ(nothing.status, 2);
  EXPECT_EQ(nothing.err, "tarvell-cli: no command given (try --help)\n");
  // An error line shows a short, escaped piece of what it quotes: neither a
  // huge token nor an escape sequence reaches the terminal whole.
  const CliRun long_token = RunCli("terrain --seed " + std::string(100000, '9') + " --map 1");
  EXPECT_EQ(long_token.status, 2);
  EXPECT_LT(long_token.err.size(), 200u) << long_token.err;
  const CliRun escape = RunCli("terrain --seed \"$(printf '\\033[2J')\" --map 1");
  EXPECT_EQ(escape.err.find('\x1b'), std::string::npos) << escape.err;
  EXPECT_NE(escape.err.find("\\x1b[2J"), std::string::npos) << escape.err;
  const CliRun seed = RunCli("terrain --seed 4294967295 --map 10");
  EXPECT_EQ(seed.status, 0) << seed.err;
}

TEST_F(CliTest, SeedsOnWhichTheGeneratorRepeatsAtOnceAreRefusedWhereverGiven) {
  std::string board = "\ntreasury 0\nchaos 2000\nturn 0\nstrategy 0\nterrain";
  for (int i = 0; i < 576; ++i) board += " 2";
  board += "\nunits";
  for (int i = 0; i < 576; ++i) board += " 0";
  board += "\n";
  // Low 31 bits a multiple of 2^20: 0 held the generator at 0 for ever, and
  // a game from it took minutes; the others cycle within 512 values.
  for (const std::string seed : {"0", "1048576", "2147483648", "4293918720"}) {
    WriteFile("s.txt", "seed " + seed + board);
    for (const std::string& args : {"terrain --map 1 --seed " + seed, "newgame --seed " + seed,
                                    "play --policy random --games 1 --max-turns 1 --seed " + seed,
                                    std::string("turn --scenario s.txt"), std::string("simulate --scenario s.txt")}) {
      const CliRun run = RunCli(args);
      EXPECT_EQ(run.status, 2) << args;
      EXPECT_EQ(run.out, "") << args;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
      EXPECT_NE(run.err.find("repeats within 512 values"), std::string::npos) << args << ": " << run.err;
    }
  }
  for (const std::string seed : {"524288", "1048577", "2147483649"}) {
    WriteFile("s.txt", "seed " + seed + board);
    EXPECT_EQ(RunCli("terrain --map 1 --seed " + seed).status, 0) << seed;
    EXPECT_EQ(RunCli("turn --scenario s.txt").status, 0) << seed;
  }
  const CliRun help = RunCli("--help");
  EXPECT_NE(help.out.find("multiple of\n1048576"), std::string::npos) << "the rule is stated";
}

TEST_F(CliTest, HelpIsPrintedOnRequest) {
  for (const char* args : {"--help", "terrain --help"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("usage: tarvell-cli"), std::string::npos);
    EXPECT_NE(run.out.find("choose --profile FILE"), std::string::npos);
  }
}
