#include "cli/arguments.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "model/random.h"

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// Parses an optionally signed decimal number that fits in 64 bits.
bool ParseWhole(const std::string& text, long long& value) {
  if (text.empty()) return false;
  std::size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (start == text.size()) return false;
  for (std::size_t i = start; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  errno = 0;
  value = std::strtoll(text.c_str(), nullptr, 10);
  return errno == 0;
}

}  // namespace

std::string Quoted(const std::string& text) {
  constexpr std::size_t kShown = 40;
  std::string quoted = "'";
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\\' || c == '\'') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7f) {
      quoted += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      quoted += escaped;
    }
  }
  if (text.size() > kShown) quoted += "...";
  return quoted + "'";
}

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (!Contains(valued, name) && !Contains(flags, name)) throw UsageError("unknown argument " + Quoted(name));
    if (values_.count(name)) throw UsageError(name + " given twice");
    if (Contains(flags, name)) {
      values_[name] = "";
      continue;
    }
    if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
    values_[name] = args[++i];
  }
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Arguments::Required(const std::string& name) const {
  auto value = Value(name);
  if (!value) throw UsageError(name + " is required");
  return *value;
}

std::string ShortPeriodSeedProblem(std::uint32_t seed) {
  return std::to_string(seed) + " cannot be used: from a seed whose low 31 bits are a multiple of " +
         std::to_string(kShortPeriodSeedStep) + " (0 included) the generator repeats within 512 values";
}

std::uint32_t ParseSeed(const std::string& text, const std::string& what) {
  long long value;
  if (!ParseWhole(text, value) || value < 0 || value > std::numeric_limits<std::uint32_t>::max())
    throw UsageError(what + " must be a whole number from 0 to 4294967295, not " + Quoted(text));
  const auto seed = static_cast<std::uint32_t>(value);
  if (IsShortPeriodSeed(seed)) throw UsageError(what + " " + ShortPeriodSeedProblem(seed));
  return seed;
}

std::int32_t ParseInt32In(const std::string& text, const std::string& what, std::int32_t low, std::int32_t high) {
  long long value;
  if (!ParseWhole(text, value) || value < low || value > high)
    throw UsageError(what + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                     ", not " + Quoted(text));
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseInt32(const std::string& text, const std::string& what) {
  return ParseInt32In(text, what, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
}
