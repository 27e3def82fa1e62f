// tarvell-cli play: whole games run as a separate process, checked through
// their output, the profile and the game log they leave.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <algorithm>
#include <regex>
#include <sstream>

#include "tests/test_support.h"

namespace {

// tarvell-cli play with the given arguments.
CliRun RunPlay(const std::string& args) { return RunCli("play " + args); }

std::vector<long long> Numbers(const std::string& text) {
  std::vector<long long> numbers;
  std::istringstream in(text);
  for (long long n; in >> n;) numbers.push_back(n);
  return numbers;
}

struct GameLine {
  std::string outcome;
  int turns;
  std::vector<int> strategies;
};

// "game I OUTCOME turns T treasury M chaos C strategies S:SCORE ..."
std::vector<GameLine> Games(const std::string& out) {
  static const std::regex game(
      R"(game (\d+) (win|loss|abandoned) turns (\d+) treasury -?\d+ chaos -?\d+ strategies((?: \d+:-?\d+)*))");
  std::vector<GameLine> games;
  for (const std::string& line : Lines(out)) {
    std::smatch match;
    if (!std::regex_match(line, match, game)) continue;
    EXPECT_EQ(std::stoi(match[1]), static_cast<int>(games.size()) + 1) << line;
    GameLine g{match[2], std::stoi(match[3]), {}};
    std::istringstream strategies(match[4]);
    for (std::string entry; strategies >> entry;) g.strategies.push_back(std::stoi(entry));
    EXPECT_EQ(g.strategies.size(), static_cast<std::size_t>(g.turns)) << line;
    games.push_back(g);
  }
  return games;
}

std::string FreshProfile() {
  std::string text;
  for (int i = 0; i < 252; ++i) text += "0\t";
  return text;
}

}  // namespace

class PlayTest : public CoreTest {
 protected:
  ScratchFolder folder;
};

TEST_F(PlayTest, ARunDependsOnlyOnSeedPolicyAndProfileAndWritesNothingUnasked) {
  const CliRun memoryOnly = RunPlay("--games 3 --seed 5 --policy random --max-turns 4");
  ASSERT_EQ(memoryOnly.status, 0) << memoryOnly.err;
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << "no profile, no log without --profile and --log";
  const auto lines = Lines(memoryOnly.out);
  ASSERT_EQ(lines.size(), 5u) << memoryOnly.out;
  EXPECT_EQ(Games(memoryOnly.out).size(), 3u);

  std::vector<std::string> outputs, profiles;
  for (const char* name : {"a.tvu", "b.tvu"}) {
    WriteFile(name, FreshProfile());
    const CliRun run = RunPlay(std::string("--games 3 --seed 5 --policy random --max-turns 4 --profile ") + name);
    ASSERT_EQ(run.status, 0) << run.err;
    outputs.push_back(run.out);
    profiles.push_back(ReadFile(name));
  }
  EXPECT_EQ(outputs[0], outputs[1]);
  EXPECT_EQ(outputs[0], memoryOnly.out) << "a fresh file plays as the fresh record in memory";
  EXPECT_EQ(profiles[0], profiles[1]);
  EXPECT_NE(profiles[0], FreshProfile());

  const CliRun otherSeed = RunPlay("--games 3 --seed 6 --policy random --max-turns 4");
  EXPECT_NE(otherSeed.out, memoryOnly.out);
}

TEST_F(PlayTest, APassivePlayerNeverWinsAndIsCountedAbandonedAtTheTurnLimit) {
  const CliRun run = RunPlay("--games 3 --seed 9 --policy passive --max-turns 3 --profile p.tvu");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto games = Games(run.out);
  ASSERT_EQ(games.size(), 3u);
  for (const GameLine& game : games) {
    EXPECT_EQ(game.outcome, "abandoned");
    EXPECT_EQ(game.turns, 3);
  }
  EXPECT_NE(run.out.find("\ngames 3, wins 0, losses 0, abandoned 3\n"), std::string::npos) << run.out;
  const auto profile = Numbers(ReadFile("p.tvu"));
  ASSERT_EQ(profile.size(), 252u);
  EXPECT_EQ(profile[0], 0);  // wins
  EXPECT_EQ(profile[1], 3);  // an abandoned game is a loss
}

TEST_F(PlayTest, AKeptGameIsDeclinedAsALossAndADamagedOneIsSetAside) {
  {
    TestFrontEnd frontEnd;
    frontEnd.abandon = AbandonChoice::KeepForLater;
    CSession session(frontEnd, nullptr, {.logPath = "", .simulateInPlace = true});
    ProfileProblem problem;
    ASSERT_TRUE(session.UseProfile("p.tvu", problem));
    session.NewGame();
    session.World().treasury = 1000;  // the game goes on after the turn
    ASSERT_TRUE(session.PlayTurn());
    session.Close([](bool) {});
  }
  ASSERT_TRUE(std::filesystem::exists("p.tvu.game"));
  const std::string args = "--games 1 --seed 9 --policy passive --max-turns 1 --profile p.tvu";
  CliRun run = RunPlay(args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(std::filesystem::exists("p.tvu.game"));
  EXPECT_EQ(Numbers(ReadFile("p.tvu"))[1], 2);  // the kept game and the abandoned one

  WriteFile("p.tvu.game", "Tarvell kept game 1\n");
  run = RunPlay(args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
  EXPECT_NE(run.err.find("p.tvu.game is damaged"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile("p.tvu.game.damaged"), "Tarvell kept game 1\n");
  EXPECT_EQ(Numbers(ReadFile("p.tvu"))[1], 3);  // only the abandoned game more
}

TEST_F(PlayTest, EveryGameAddsOneToTheRecordAndTheSummaryAgreesWithIt) {
  std::string start = "3\t4\t";
  for (int i = 0; i < 250; ++i) start += std::to_string(i % 7 - 3) + "\t";
  WriteFile("user.tvu", start);
  const CliRun run = RunPlay("--games 5 --seed 21 --policy fortress --max-turns 5 --profile user.tvu");
  ASSERT_EQ(run.status, 0) << run.err;
  std::smatch summary;
  ASSERT_TRUE(
      std::regex_search(run.out, summary, std::regex(R"(games 5, wins (\d+), losses (\d+), abandoned (\d+)\n)")))
      << run.out;
  const int won = std::stoi(summary[1]), lost = std::stoi(summary[2]), abandoned = std::stoi(summary[3]);
  EXPECT_EQ(won + lost + abandoned, 5);
  const auto profile = Numbers(ReadFile("user.tvu"));
  ASSERT_EQ(profile.size(), 252u);
  EXPECT_EQ(profile[0], 3 + won);
  EXPECT_EQ(profile[1], 4 + lost + abandoned);
}

TEST_F(PlayTest, TheSavedScoresAreThoseTheTurnsSimulationLearned) {
  // One game of one turn: the turn records the board as the log shows it and
  // scores it with the generator as the new game left it; the simulate
  // command, given that board and seed, must learn the very same scores.
  const CliRun play = RunPlay("--games 1 --max-turns 1 --seed 33 --policy strong --profile p.tvu --log game.log");
  ASSERT_EQ(play.status, 0) << play.err;
  const std::string command = std::string(TARVELL_CLI) + " newgame --seed 33 >new.out";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto newLines = Lines(ReadFile("new.out"));
  ASSERT_FALSE(newLines.empty());
  const std::string seedAfterNewGame = newLines.back();  // "seed N"

  const auto log = Lines(ReadFile("game.log"));
  ASSERT_EQ(log.size(), 54u);
  ASSERT_EQ(log[0], "New Terrain:");
  ASSERT_EQ(log[27], "Human Position at Turn 0:");
  std::string scenario = seedAfterNewGame + "\ntreasury 0\nchaos 0\nturn 0\nstrategy 0\nterrain\n";
  for (int i = 2; i < 26; ++i) scenario += log[i] + "\n";
  scenario += "units\n";
  for (int i = 29; i < 53; ++i) scenario += log[i] + "\n";
  WriteFile("board.txt", scenario);
  const std::string simulate = std::string(TARVELL_CLI) + " simulate --scenario board.txt >sim.out";
  ASSERT_EQ(std::system(simulate.c_str()), 0);
  const auto learned = Numbers(Lines(ReadFile("sim.out"))[0]);
  ASSERT_EQ(learned.size(), 250u);
  EXPECT_NE(std::count(learned.begin(), learned.end(), 0), 250) << "the strong policy places units";

  const auto profile = Numbers(ReadFile("p.tvu"));
  ASSERT_EQ(profile.size(), 252u);
  EXPECT_EQ(profile[0] + profile[1], 1);
  EXPECT_EQ(std::vector<long long>(profile.begin() + 2, profile.end()), learned);
}

TEST_F(PlayTest, TheLogHoldsATerrainBlockPerGameAndAPositionBlockPerTurn) {
  const CliRun run = RunPlay("--games 3 --seed 2 --policy income --max-turns 3 --log game.log");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto games = Games(run.out);
  ASSERT_EQ(games.size(), 3u);
  const auto log = Lines(ReadFile("game.log"));
  const std::regex row(R"((-?\d,){24})");
  std::size_t at = 0;
  for (const GameLine& game : games) {
    for (int block = -1; block < game.turns; ++block) {
      ASSERT_LT(at + 27, log.size() + 1);
      EXPECT_EQ(log[at], block < 0 ? "New Terrain:" : "Human Position at Turn " + std::to_string(block) + ":");
      EXPECT_EQ(log[at + 1], "");
      for (int x = 0; x < 24; ++x) EXPECT_TRUE(std::regex_match(log[at + 2 + x], row)) << log[at + 2 + x];
      EXPECT_EQ(log[at + 26], "");
      at += 27;
    }
  }
  EXPECT_EQ(at, log.size());
}

TEST_F(PlayTest, AProfileGivenThroughALinkStaysALink) {
  WriteFile("real.tvu", FreshProfile());
  std::filesystem::create_symlink("real.tvu", "link.tvu");
  const CliRun run = RunPlay("--games 2 --seed 4 --policy random --max-turns 2 --profile link.tvu");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink("link.tvu"));
  const auto profile = Numbers(ReadFile("real.tvu"));
  ASSERT_EQ(profile.size(), 252u);
  EXPECT_EQ(profile[0] + profile[1], 2);
}

TEST_F(PlayTest, TheChaosModeAndAFixedStrategyAreChosenOnTheCommandLine) {
  const std::string common = "--games 3 --seed 8 --policy fortress --max-turns 4";
  const CliRun plain = RunPlay(common);
  const CliRun classic = RunPlay(common + " --chaos classic");
  const CliRun adaptive = RunPlay(common + " --chaos adaptive --profile a.tvu");
  ASSERT_EQ(adaptive.status, 0) << adaptive.err;
  EXPECT_EQ(classic.out, plain.out) << "classic is the default";
  EXPECT_NE(adaptive.out, classic.out);
  ASSERT_EQ(Games(adaptive.out).size(), 3u);
  EXPECT_EQ(Numbers(ReadFile("a.tvu")).size(), 252u) << "the profile is written as ever";

  const CliRun fixed = RunPlay(common + " --strategy 12");
  ASSERT_EQ(fixed.status, 0) << fixed.err;
  const auto games = Games(fixed.out);
  ASSERT_EQ(games.size(), 3u);
  for (const GameLine& game : games)
    for (int strategy : game.strategies) EXPECT_EQ(strategy, 12) << fixed.out;
}

TEST_F(PlayTest, BadOptionsGiveOneLineAndStatusTwoBeforeAnyGame) {
  ASSERT_EQ(mkfifo("fifo.log", 0600), 0);
  const std::string longNumber = std::string(1000, '0') + "2000000";
  for (const std::string& args : std::vector<std::string>{
           "", "--policy nobody", "--policy random --games 0", "--policy random --games x",
           "--policy random --max-turns 0", "--policy random --max-turns 100001", "--policy random --seed -1",
           "--policy random --log", "--policy random --fast", "--policy random --profile .",
           // An empty profile name kept the record in memory without a word, and a
           // log that cannot be appended to logged nothing with status 0.
           "--policy random --profile ''", "--policy random --log ''", "--policy random --log /nonexistent/x",
           "--policy random --log .", "--policy random --log fifo.log", "--policy random --games " + longNumber,
           "--policy random --chaos hard", "--policy random --chaos", "--policy random --strategy 250",
           "--policy random --strategy -1"}) {
    const CliRun run = RunPlay(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    EXPECT_LT(run.err.size(), 200u) << args << ": " << run.err;
  }
  const CliRun late = RunPlay("--policy random --profile p.tvu --log /nonexistent/x");
  EXPECT_EQ(late.status, 2);
  EXPECT_FALSE(std::filesystem::exists("p.tvu")) << "refused before the first game's save";

  // Values are quoted, escapes and all, as every command quotes them, and a
  // number not written as a whole number is told the real range.
  const CliRun escape = RunPlay("--policy \"$(printf '\033[2J')\"");
  EXPECT_EQ(escape.err.find('\x1b'), std::string::npos) << escape.err;
  EXPECT_NE(escape.err.find("'\\x1b[2J'"), std::string::npos) << escape.err;
  for (const auto& [args, range] : {std::pair{"--games 1e3", "from 1 to 1000000, not '1e3'"},
                                    std::pair{"--max-turns 1e3", "from 1 to 100000, not '1e3'"}}) {
    const CliRun run = RunPlay(std::string("--policy random ") + args);
    EXPECT_NE(run.err.find(range), std::string::npos) << run.err;
  }
}

TEST_F(PlayTest, TwoProgramsOnOneProfileNeverShareItAndLoseNoGame) {
  // Started together, the second finds the profile held: it says by whom and
  // writes nothing, while the first's every game reaches the record.
  const std::string command = "'" + std::string(TARVELL_CLI) + "' play --policy random --seed 3 --max-turns 5 ";
  const std::string first = command + "--games 300 --profile p.tvu >first.out 2>first.err & ";
  const std::string second =
      command + "--games 5 --profile p.tvu >second.out 2>second.err; echo $? >second.status; wait";
  ASSERT_EQ(std::system(("sleep 0 & " + first + "sleep 0.2; " + second).c_str()), 0);
  const std::string secondStatus = ReadFile("second.status");
  if (secondStatus == "2\n") {
    EXPECT_NE(ReadFile("second.err").find("p.tvu is in use by another Tarvell (process "), std::string::npos)
        << ReadFile("second.err");
    EXPECT_EQ(ReadFile("second.out"), "");
  } else {
    // The first had finished before the second started: they ran one after
    // the other, and both sets of games count.
    EXPECT_EQ(secondStatus, "0\n");
  }
  const std::vector<long long> record = Numbers(ReadFile("p.tvu"));
  ASSERT_GE(record.size(), 2u);
  EXPECT_EQ(record[0] + record[1], secondStatus == "2\n" ? 300 : 305);
}

TEST_F(PlayTest, AProfilePathIsTakenAsTheSystemTakesIt) {
  // L/../p.tvu with L a link into a/ names a/p.tvu, for choose and play alike.
  std::filesystem::create_directories("a/b");
  std::filesystem::create_directory_symlink("a/b", "L");
  WriteFile("a/p.tvu", "4\t1\t");
  WriteFile("p.tvu", "9\t9\t");
  EXPECT_EQ(RunCli("choose --profile L/../p.tvu").out.substr(0, 15), "wins 4\nlosses 1");
  ASSERT_EQ(RunPlay("--policy passive --games 1 --max-turns 1 --seed 5 --profile L/../p.tvu").status, 0);
  EXPECT_EQ(ReadFile("a/p.tvu").substr(0, 4), "4\t2\t");
  EXPECT_EQ(ReadFile("p.tvu"), "9\t9\t");
}
