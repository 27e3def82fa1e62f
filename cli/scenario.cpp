#include "cli/scenario.h"

#include <cstring>
#include <limits>
#include <set>
#include <sstream>
#include <vector>

#include "cli/arguments.h"
#include "cli/input_file.h"
#include "model/random.h"
#include "opponent/strategy.h"

namespace {

class Tokens {
 public:
  Tokens(const std::string& path, std::istream& in) : path_(path) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      line = line.substr(0, line.find('#'));
      for (char& c : line)
        if (c == ',') c = ' ';
      std::istringstream words(line);
      for (std::string word; words >> word;) tokens_.push_back({word, number});
    }
  }

  bool Done() const { return next_ >= tokens_.size(); }
  const std::string& Peek() const { return tokens_[next_].text; }

  std::string Word() { return tokens_[next_++].text; }

  long long Number(const std::string& what, long long low, long long high) {
    if (Done()) Fail(what + " is missing at the end of the file");
    const Token& token = tokens_[next_];
    std::size_t used = 0;
    long long value = 0;
    try {
      value = std::stoll(token.text, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != token.text.size() || used == 0)
      Fail("line " + std::to_string(token.line) + ": expected " + what + ", found " + Quoted(token.text));
    if (value < low || value > high)
      Fail("line " + std::to_string(token.line) + ": " + what + " " + Quoted(token.text) + " is outside " +
           std::to_string(low) + ".." + std::to_string(high));
    ++next_;
    return value;
  }

  [[noreturn]] void Fail(const std::string& problem) const { throw UsageError(Quoted(path_) + ": " + problem); }

  int Line() const { return Done() ? (tokens_.empty() ? 0 : tokens_.back().line) : tokens_[next_].line; }

 private:
  struct Token {
    std::string text;
    int line;
  };
  std::string path_;
  std::vector<Token> tokens_;
  std::size_t next_ = 0;
};

constexpr long long kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

Scenario ReadScenario(const std::string& path) {
  std::istringstream in(ReadInputFile(path));
  Tokens tokens(path, in);
  Scenario scenario;
  std::set<std::string> seen;
  while (!tokens.Done()) {
    const int line = tokens.Line();
    const std::string keyword = tokens.Word();
    if (!seen.insert(keyword).second)
      tokens.Fail("line " + std::to_string(line) + ": " + Quoted(keyword) + " given twice");
    if (keyword == "seed") {
      scenario.seed = static_cast<std::uint32_t>(tokens.Number("a seed", 0, std::numeric_limits<std::uint32_t>::max()));
      if (IsShortPeriodSeed(scenario.seed))
        tokens.Fail("line " + std::to_string(line) + ": seed " + ShortPeriodSeedProblem(scenario.seed));
    } else if (keyword == "treasury") {
      scenario.treasury = static_cast<std::int32_t>(tokens.Number("the treasury", 0, kMaxScenarioMoney));
    } else if (keyword == "chaos") {
      scenario.chaos = static_cast<std::int32_t>(tokens.Number("Chaos's money", 0, kMaxScenarioMoney));
    } else if (keyword == "turn") {
      scenario.turn = static_cast<std::int32_t>(tokens.Number("a turn", 0, kMaxScenarioTurn));
    } else if (keyword == "strategy") {
      scenario.strategy = static_cast<std::int32_t>(tokens.Number("a strategy", 0, 249));
    } else if (keyword == "thresholds") {
      std::array<std::int32_t, kKindCount> thresholds;
      for (auto& t : thresholds) t = static_cast<std::int32_t>(tokens.Number("a threshold", kInt32Min, kInt32Max));
      scenario.thresholds = thresholds;
    } else if (keyword == "terrain") {
      for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y) {
          const long long code = tokens.Number("a terrain code", -128, 127);
          if (!IsTerrainCode(code))
            tokens.Fail("terrain code " + std::to_string(code) + " at (" + std::to_string(x) + "," + std::to_string(y) +
                        ") is not one of 0..5, 8, 9");
          scenario.terrain[x][y] = static_cast<std::int8_t>(code);
        }
    } else if (keyword == "units") {
      for (int x = 0; x < kBoardSize; ++x)
        for (int y = 0; y < kBoardSize; ++y)
          scenario.units[x][y] = static_cast<std::int32_t>(tokens.Number("a unit code", -2, 8));
    } else {
      tokens.Fail("line " + std::to_string(line) + ": unknown keyword " + Quoted(keyword));
    }
  }
  for (const char* required : {"seed", "treasury", "chaos", "turn", "strategy", "terrain", "units"})
    if (!seen.count(required)) tokens.Fail(std::string("the keyword '") + required + "' is missing");

  // A unit may stand only on empty land.
  CWorld world;
  world.ApplyTerrain(scenario.terrain);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (IsPlayerUnit(scenario.units[x][y]) && world.At(x, y).unitType != Empty)
        tokens.Fail("unit " + std::to_string(scenario.units[x][y]) + " at (" + std::to_string(x) + "," +
                    std::to_string(y) + ") stands on terrain code " + std::to_string(scenario.terrain[x][y]) +
                    ", which is not empty land");
  return scenario;
}

void SetUpWorld(const Scenario& scenario, CWorld& world) {
  world.owner = nullptr;
  world.mode = ModeSimulation;
  std::memcpy(world.terrain, scenario.terrain, sizeof world.terrain);
  world.ApplyTerrain(scenario.terrain);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (IsPlayerUnit(scenario.units[x][y])) world.PlaceUnit(scenario.units[x][y], x, y);
  world.StartCounters(scenario.treasury, scenario.chaos, scenario.turn);
  LoadStrategy(world, scenario.strategy);
  if (scenario.thresholds)
    for (int k = 0; k < kKindCount; ++k) world.purchaseThresholds[k] = (*scenario.thresholds)[k];
  randomSeed = scenario.seed;
}
