// tarvell-cli turn, simulate and bench, run as separate processes.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <sstream>

#include "tests/test_support.h"

namespace {

// Changes of game behaviour move this value; update it only together with
// the change that explains it.
constexpr const char kBenchSignature[] = "signature 8ee101b79eccb986";

// A scenario: land of code 2 everywhere, with units from `unit(x, y)`.
template <typename Unit>
std::string Scenario(const std::string& head, Unit unit) {
  std::string text = head + "\nterrain\n";
  for (int x = 0; x < 24; ++x) {
    for (int y = 0; y < 24; ++y) text += "2,";
    text += "\n";
  }
  text += "units  # as the game log writes them\n";
  for (int x = 0; x < 24; ++x) {
    for (int y = 0; y < 24; ++y) text += std::to_string(unit(x, y)) + ",";
    text += "\n";
  }
  return text;
}

const char kHead[] = "seed 1\ntreasury 0\nchaos 2000\nturn 0\nstrategy 0\nthresholds 10 20 30 40 50 60 70 80";

}  // namespace

class CliTurnTest : public CoreTest {
 protected:
  ScratchFolder folder;
};

TEST_F(CliTurnTest, TurnPrintsTheSummaryAndTheUnitsLeft) {
  WriteFile("s.txt", Scenario(kHead, [](int x, int y) { return x == 3 && y == 4 ? 6 : 0; }));
  const CliRun run = RunCli("turn --scenario s.txt");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 8u + 24u);
  const char* keys[] = {"treasury ",       "chaos ",         "turn 1", "phase 50",
                        "lastPlayerGain ", "lastChaosGain ", "seed ",  "units"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(lines[i].rfind(keys[i], 0), 0u) << lines[i];
  EXPECT_EQ(lines[8].size(), 48u);
  EXPECT_FALSE(std::filesystem::exists("tv_log.txt"));
  EXPECT_FALSE(std::filesystem::exists("default.tvu"));
}

TEST_F(CliTurnTest, TraceShowsEveryPointOfTheTurn) {
  WriteFile("s.txt", Scenario(kHead, [](int, int) { return 0; }));
  const CliRun run = RunCli("turn --scenario s.txt --trace");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  int points = 0;
  int unitsAfterPurchases = 0;
  for (const std::string& line : lines) {
    if (line.rfind("phase ", 0) == 0 && line.find(" seed ") != std::string::npos) ++points;
    if (points == 1 && line.rfind("unit ", 0) == 0) ++unitsAfterPurchases;
  }
  EXPECT_EQ(points, 51);
  EXPECT_EQ(unitsAfterPurchases, 29);
  EXPECT_EQ(lines[0], "phase -1 seed 1125717707");
  EXPECT_EQ(lines[1], "unit 0 9 0 0 0 0 0");
  EXPECT_EQ(lines[2], "unit 1 9 1 3 2 0 0");
  EXPECT_EQ(lines[3], "unit 2 15 0 19 3 0 0");
}

TEST_F(CliTurnTest, AFullBoardSellsExactlyOneUnitBeforeChaosBuys) {
  WriteFile("s.txt", Scenario(kHead, [](int x, int y) { return (x * 24 + y) % 8 + 1; }));
  const CliRun run = RunCli("turn --scenario s.txt --trace");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  int gone = 0;
  for (std::size_t i = 1; i < lines.size() && lines[i].rfind("phase 0 ", 0) != 0; ++i)
    gone += lines[i].rfind("gone ", 0) == 0;
  EXPECT_EQ(gone, 1);
}

TEST_F(CliTurnTest, SimulatePrintsTheScoresAsTheProfileWritesThem) {
  WriteFile("s.txt", Scenario(kHead, [](int x, int y) { return x == 5 && y % 4 == 0 ? 3 : 0; }));
  CliRun run = RunCli("simulate --scenario s.txt");
  ASSERT_EQ(run.status, 0) << run.err;
  auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '\t'), 250);
  EXPECT_EQ(lines[1].rfind("seed ", 0), 0u);
  const CliRun again = RunCli("simulate --scenario s.txt");
  EXPECT_EQ(again.out, run.out);

  // Scores fold into those of the profile: 2000 in every score pulls each up by 1000.
  std::string profile = "0\t0\t";
  for (int i = 0; i < 250; ++i) profile += "2000\t";
  WriteFile("p.tvu", profile);
  run = RunCli("simulate --scenario s.txt --profile p.tvu");
  std::istringstream fresh(lines[0]), folded(Lines(run.out)[0]);
  for (int i = 0; i < 250; ++i) {
    long a, b;
    fresh >> a;
    folded >> b;
    EXPECT_NEAR(b - a, 1000, 1) << "strategy " << i;
  }
}

TEST_F(CliTurnTest, BadScenariosAreRefusedWithOneLine) {
  const std::string good = Scenario(kHead, [](int, int) { return 0; });
  auto replace = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::string cases[] = {
      replace("seed 1\n", ""),                    // a missing keyword
      replace("seed 1\n", "seed 1\nseed 2\n"),    // a keyword twice
      replace("strategy 0", "strategy 250"),      // no such strategy
      replace("seed 1", "seed -1"),               // seeds are unsigned
      replace("chaos 2000", "chaos 2147483648"),  // beyond 32 bits
      replace("chaos 2000", "chaos 2000000001"),  // beyond what a turn is tried with
      replace("treasury 0", "treasury -1"),
      replace("turn 0", "turn 2147483647"),
      replace("turn 0", "turn 100001"),
      replace("terrain\n2,", "terrain\n7,"),  // no such terrain code
      replace("units  # as the game log writes them\n0,", "units\n9,"),
      replace("units  # as the game log writes them\n0,", "units\n"),  // one code short
      replace("turn 0", "turn 0 extra"),
      good + "7\n",  // one code too many
  };
  for (const std::string& text : cases) {
    WriteFile("bad.txt", text);
    const CliRun run = RunCli("turn --scenario bad.txt");
    EXPECT_EQ(run.status, 2) << text.substr(0, 80);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("bad.txt"), std::string::npos) << run.err;
  }
  // A unit on water.
  std::string water = good;
  water.replace(water.find("terrain\n2,") + 8, 2, "0,");
  water.replace(water.find("writes them\n0,") + 12, 2, "1,");
  WriteFile("bad.txt", water);
  EXPECT_EQ(RunCli("simulate --scenario bad.txt").status, 2);
  EXPECT_EQ(RunCli("turn --scenario missing.txt").status, 2);
  EXPECT_EQ(RunCli("turn").status, 2);
  // The limits themselves are accepted, and Chaos's income at the last turn
  // is held at the 32-bit limit instead of wrapping.
  WriteFile("edge.txt", replace("turn 0", "turn 100000").replace(good.find("treasury 0"), 10, "treasury 2000000000"));
  const CliRun edge = RunCli("turn --scenario edge.txt");
  EXPECT_EQ(edge.status, 0) << edge.err;
  EXPECT_NE(edge.out.find("chaos 2147483647\nturn 100001\n"), std::string::npos) << edge.out.substr(0, 120);
}

TEST_F(CliTurnTest, OnlyRegularFilesOfSensibleSizeAreRead) {
  // Each of these used to hang, or to fill the memory, before a word was said.
  ASSERT_EQ(mkfifo("fifo.tvu", 0600), 0);
  std::string huge = Scenario(kHead, [](int, int) { return 0; });
  huge += std::string(1100 * 1024, '#') + "\n";
  WriteFile("huge.txt", huge);
  for (const char* args : {"turn --scenario fifo.tvu", "simulate --scenario /dev/zero", "turn --scenario huge.txt",
                           "choose --profile fifo.tvu", "choose --profile /dev/urandom", "turn --scenario ."}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
  }
  // A missing profile is still a fresh one.
  EXPECT_EQ(RunCli("choose --profile missing.tvu").out, "wins 0\nlosses 0\nstrategy 0\n");
}

TEST_F(CliTurnTest, OutputThatCannotBeWrittenIsAFailure) {
  WriteFile("s.txt", Scenario(kHead, [](int, int) { return 0; }));
  for (const char* args : {"strategies", "turn --scenario s.txt", "--help", "--version"}) {
    const int full = std::system(("'" + std::string(TARVELL_CLI) + "' " + args + " >/dev/full 2>cli.err").c_str());
    EXPECT_EQ(WEXITSTATUS(full), 2) << args;
    const std::string err = ReadFile("cli.err");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    const int closed = std::system(("'" + std::string(TARVELL_CLI) + "' " + args + " >&- 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(closed), 2) << args;
  }
}

TEST_F(CliTurnTest, RunningOutOfMemoryIsSaidInOneLine) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizers reserve more address space than the limit would leave";
#endif
  // The least limit of address space (in steps of a megabyte) under which a
  // small turn runs; a turn that buys the bound's worth of barbarians needs
  // tens of megabytes more and, a few megabytes above it, runs out.
  WriteFile("small.txt", Scenario(kHead, [](int, int) { return 0; }));
  std::string big = Scenario(kHead, [](int, int) { return 0; });
  big.replace(big.find("chaos 2000"), 10, "chaos 2000000000");
  WriteFile("big.txt", big);
  auto run = [](int kilobytes, const std::string& scenario) {
    const std::string command = "ulimit -v " + std::to_string(kilobytes) + "; '" + std::string(TARVELL_CLI) +
                                "' turn --scenario " + scenario + " >cli.out 2>cli.err";
    const int raw = std::system(command.c_str());
    return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile("cli.out"), ReadFile("cli.err")};
  };
  int low = 1, high = 1024;  // megabytes: fails at low, runs at high
  ASSERT_EQ(run(high * 1024, "small.txt").status, 0);
  while (high - low > 1) {
    const int middle = (low + high) / 2;
    (run(middle * 1024, "small.txt").status == 0 ? high : low) = middle;
  }
  const CliRun starved = run((high + 4) * 1024, "big.txt");
  EXPECT_EQ(starved.status, 1) << high << " MB: " << starved.err;
  EXPECT_EQ(starved.err, "tarvell-cli: out of memory\n");
}

TEST_F(CliTurnTest, WriteBoardsRefusesWhatIsNoRegularFileAndQuotesTheFolder) {
  // A FIFO in a board's place blocked for ever, waiting for a reader; the
  // folder's name reached the terminal unquoted.
  const std::string folder = "b\x1b[2J";
  std::filesystem::create_directory(folder);
  ASSERT_EQ(mkfifo((folder + "/bench_1000.txt").c_str(), 0600), 0);
  auto writeBoards = [] {
    const std::string command = "timeout 20 '" + std::string(TARVELL_CLI) +
                                "' bench --write-boards \"$(printf 'b\\033[2J')\" >cli.out 2>cli.err";
    const int raw = std::system(command.c_str());
    return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile("cli.out"), ReadFile("cli.err")};
  };
  CliRun run = writeBoards();
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarvell-cli bench: 'b\\x1b[2J/bench_1000.txt': not a regular file\n");

  std::filesystem::remove(folder + "/bench_1000.txt");
  std::filesystem::create_directory(folder + "/bench_5000.txt");
  run = writeBoards();
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarvell-cli bench: 'b\\x1b[2J/bench_5000.txt': not a regular file\n");

  std::filesystem::remove(folder + "/bench_5000.txt");
  WriteFile(folder + "/bench_50000.txt", std::string(100000, 'x'));  // an older, longer file is replaced whole
  run = writeBoards();
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* value : {"1000", "5000", "50000"}) {
    const std::string board = ReadFile(folder + "/bench_" + value + ".txt");
    EXPECT_EQ(board.rfind("# ", 0), 0u) << value;
    EXPECT_EQ(board.find('x'), std::string::npos) << value;
  }
}

TEST_F(CliTurnTest, BenchSignatureGuardsTheGamesBehaviour) {
  const CliRun run = RunCli("bench --repeat 1");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines.back(), kBenchSignature);
  EXPECT_NE(lines[1].find("$1000"), std::string::npos);
  EXPECT_NE(lines[6].find("simulation"), std::string::npos);
}
