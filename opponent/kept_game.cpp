#include "opponent/kept_game.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "model/random.h"
#include "opponent/files.h"
#include "opponent/strategy.h"

namespace {

// A kept game is about 7 KB; anything far larger is not one.
constexpr std::size_t kMaxFileSize = 64 * 1024;
constexpr std::string_view kChecksumName = "checksum ";
constexpr std::size_t kChecksumDigits = 16;

std::uint64_t Fnv1a(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string Hex(std::uint64_t value) {
  char digits[kChecksumDigits + 1];
  std::snprintf(digits, sizeof digits, "%016" PRIx64, value);
  return digits;
}

// Parses a whole decimal number: an optional '-', then digits, nothing else.
// False when it is malformed or lies outside [low, high].
bool ParseNumber(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t& value) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return false;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
  }
  value = negative ? -magnitude : magnitude;
  return value >= low && value <= high;
}

// Walks the lines of a text, each ended by '\n'.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}
  int Number() const { return number_; }
  bool Next(std::string_view& line) {
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) return false;
    line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    ++number_;
    return true;
  }

 private:
  std::string_view rest_;
  int number_ = 0;
};

class Parser {
 public:
  explicit Parser(std::string_view body) : lines_(body) {}

  bool Fail(const std::string& what) {
    error_ = "line " + std::to_string(lines_.Number()) + ": " + what;
    return false;
  }
  const std::string& Error() const { return error_; }

  bool Expect(std::string_view wanted) {
    std::string_view line;
    if (!lines_.Next(line)) return Fail("ends early, \"" + std::string(wanted) + "\" expected");
    if (line != wanted) return Fail("\"" + std::string(wanted) + "\" expected");
    return true;
  }

  bool Value(std::string_view name, std::int64_t low, std::int64_t high, std::int64_t& value) {
    std::string_view line;
    if (!lines_.Next(line)) return Fail("ends early, " + std::string(name) + " expected");
    if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ' ')
      return Fail(std::string(name) + " expected");
    if (!ParseNumber(line.substr(name.size() + 1), low, high, value)) return Fail(std::string(name) + " out of range");
    return true;
  }

  // A block: its name, then 24 lines of 24 values each followed by ','.
  // check(x, y, value) says whether a value may stand on that square.
  template <typename Check>
  bool Block(std::string_view name, Check check) {
    if (!Expect(name)) return false;
    for (int x = 0; x < kBoardSize; ++x) {
      std::string_view line;
      if (!lines_.Next(line)) return Fail("ends early in " + std::string(name));
      for (int y = 0; y < kBoardSize; ++y) {
        const std::size_t comma = line.find(',');
        std::int64_t value;
        if (comma == std::string_view::npos || !ParseNumber(line.substr(0, comma), -128, 127, value))
          return Fail(std::string(name) + ": 24 numbers expected");
        if (!check(x, y, static_cast<int>(value))) return Fail(std::string(name) + ": bad value");
        line.remove_prefix(comma + 1);
      }
      if (!line.empty()) return Fail(std::string(name) + ": more than 24 numbers");
    }
    return true;
  }

  bool End() {
    std::string_view line;
    return !lines_.Next(line) || Fail("unexpected line");
  }

 private:
  LineReader lines_;
  std::string error_;
};

}  // namespace

std::string KeptGamePath(const std::string& profilePath) { return profilePath + ".game"; }

std::string DamagedGamePath(const std::string& gamePath) { return gamePath + ".damaged"; }

KeptGame KeepWorld(const CWorld& world, std::uint32_t seed) {
  KeptGame game;
  game.treasury = world.treasury;
  game.chaosMoney = world.chaosMoney;
  game.turn = world.turn;
  game.phase = world.phase;
  game.lastPlayerGain = world.lastPlayerGain;
  game.lastChaosGain = world.lastChaosGain;
  game.strategy = world.strategyInPlay;
  game.seed = seed;
  std::memcpy(game.terrain, world.terrain, sizeof game.terrain);
  std::memcpy(game.shown, world.shownUnits, sizeof game.shown);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      game.units[x][y] = world.At(x, y).unitType;
      game.jammed[x][y] = world.At(x, y).jammed;
    }
  return game;
}

std::string KeptGameText(const KeptGame& game) {
  std::string text = std::string(kKeptGameVersion) + '\n';
  const auto line = [&](const char* name, long long value) {
    text += name;
    text += ' ';
    text += std::to_string(value);
    text += '\n';
  };
  line("treasury", game.treasury);
  line("chaos", game.chaosMoney);
  line("turn", game.turn);
  line("phase", game.phase);
  line("lastPlayerGain", game.lastPlayerGain);
  line("lastChaosGain", game.lastChaosGain);
  line("strategy", game.strategy);
  line("seed", game.seed);
  const auto block = [&](const char* name, auto value) {
    text += name;
    text += '\n';
    for (int x = 0; x < kBoardSize; ++x) {
      for (int y = 0; y < kBoardSize; ++y) text += std::to_string(static_cast<int>(value(x, y))) + ',';
      text += '\n';
    }
  };
  block("terrain", [&](int x, int y) { return game.terrain[x][y]; });
  block("units", [&](int x, int y) { return game.units[x][y]; });
  block("shown", [&](int x, int y) { return game.shown[x][y]; });
  block("jammed", [&](int x, int y) { return game.jammed[x][y]; });
  return WithChecksum(std::move(text));
}

std::string WithChecksum(std::string body) {
  const std::string line = std::string(kChecksumName) + Hex(Fnv1a(body)) + '\n';
  return body + line;
}

bool ReadKeptGame(const std::string& text, KeptGame& game, std::string& error) {
  // The checksum line is the last; it covers every byte before it.
  if (text.size() < 2 || text.back() != '\n') return error = "not ended by a line break", false;
  const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;  // 0 when there is one line
  const std::string_view checksum = std::string_view(text).substr(lastLine, text.size() - 1 - lastLine);
  const std::string_view body = std::string_view(text).substr(0, lastLine);
  if (checksum.size() != kChecksumName.size() + kChecksumDigits ||
      checksum.substr(0, kChecksumName.size()) != kChecksumName)
    return error = "no checksum line at the end", false;
  if (checksum.substr(kChecksumName.size()) != Hex(Fnv1a(body))) return error = "the checksum does not match", false;

  Parser parser(body);
  KeptGame read;
  constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
  std::int64_t treasury, chaos, turn, phase, playerGain, chaosGain, strategy, seed;
  bool ok = parser.Expect(kKeptGameVersion) && parser.Value("treasury", 0, kMax32, treasury) &&
            parser.Value("chaos", 0, kMax32, chaos) && parser.Value("turn", 1, kMax32, turn) &&
            parser.Value("phase", 0, 50, phase) && parser.Value("lastPlayerGain", kMin32, kMax32, playerGain) &&
            parser.Value("lastChaosGain", kMin32, kMax32, chaosGain) &&
            parser.Value("strategy", 0, kStrategyCount - 1, strategy) &&
            parser.Value("seed", 0, std::numeric_limits<std::uint32_t>::max(), seed);
  if (ok && IsShortPeriodSeed(static_cast<std::uint32_t>(seed))) ok = parser.Fail("seed out of range");
  ok = ok && parser.Block("terrain", [&](int x, int y, int value) {
    read.terrain[x][y] = static_cast<std::int8_t>(value);
    return IsTerrainCode(value);
  });
  ok = ok && parser.Block("units", [&](int x, int y, int value) {
    read.units[x][y] = value;
    switch (read.terrain[x][y]) {
      case TerrainWater: return value == Water;
      case TerrainImpassable: return value == Impassable;
      default: return value == Empty || IsPlayerUnit(value);
    }
  });
  ok = ok && parser.Block("shown", [&](int x, int y, int value) {
    read.shown[x][y] = value;
    return value == Empty || IsPlayerUnit(value);
  });
  ok = ok && parser.Block("jammed", [&](int x, int y, int value) {
    read.jammed[x][y] = static_cast<std::uint8_t>(value);
    return value == 0 || value == 1;
  });
  ok = ok && parser.End();
  if (!ok) {
    error = parser.Error();
    return false;
  }
  read.treasury = static_cast<std::int32_t>(treasury);
  read.chaosMoney = static_cast<std::int32_t>(chaos);
  read.turn = static_cast<std::int32_t>(turn);
  read.phase = static_cast<std::int32_t>(phase);
  read.lastPlayerGain = static_cast<std::int32_t>(playerGain);
  read.lastChaosGain = static_cast<std::int32_t>(chaosGain);
  read.strategy = static_cast<std::int32_t>(strategy);
  read.seed = static_cast<std::uint32_t>(seed);
  game = read;
  return true;
}

void RestoreKeptGame(const KeptGame& game, CWorld& world) {
  world.mode = ModePlaying;
  world.StartCounters(game.treasury, game.chaosMoney, game.turn);
  world.phase = game.phase;
  world.lastPlayerGain = game.lastPlayerGain;
  world.lastChaosGain = game.lastChaosGain;
  std::memcpy(world.terrain, game.terrain, sizeof world.terrain);
  world.ApplyTerrain(world.terrain);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) {
      const int type = game.units[x][y];
      if (!IsPlayerUnit(type)) continue;
      world.At(x, y).unitType = type;
      if (type == Artillery) world.AddArtilleryCover(x, y);
    }
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y) world.At(x, y).jammed = game.jammed[x][y];
  std::memcpy(world.shownUnits, game.shown, sizeof world.shownUnits);
  LoadStrategy(world, game.strategy);
  world.strategyInPlay = game.strategy;
}

bool ReadKeptGameFile(const std::string& path, std::string& text, bool& missing, std::string& error) {
  ProfileReading reading = OpenProfileForReading(path);
  missing = reading.missing;
  if (!reading.stream) {
    error = missing ? "missing" : reading.reason;
    return false;
  }
  text.clear();
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, reading.stream.get())) > 0) {
    text.append(buffer, got);
    if (text.size() > kMaxFileSize) {
      error = "too large";
      return false;
    }
  }
  if (std::ferror(reading.stream.get())) {
    error = "cannot be read";
    return false;
  }
  return true;
}
