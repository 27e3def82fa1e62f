#pragma once
// Command-line parsing for tarvell-cli: "--name value" options and "--name"
// flags after a subcommand. Every problem is a UsageError, which the driver
// reports on one line of standard error with exit status 2.

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Arguments {
 public:
  // valued: options that take a value; flags: options that take none.
  Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valued,
            const std::vector<std::string>& flags);

  bool Has(const std::string& name) const { return values_.count(name) > 0; }
  std::optional<std::string> Value(const std::string& name) const;
  std::string Required(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
};

// text as an error line may show it: at most a short piece, in quotes, with
// control characters and other bytes outside printable ASCII escaped, so
// that neither a huge token nor an escape sequence reaches the terminal.
std::string Quoted(const std::string& text);

// Whole decimal numbers only; anything else, or a value out of range, throws
// a UsageError naming what was read. A seed on which the generator cannot run
// (IsShortPeriodSeed) is out of range too.
std::uint32_t ParseSeed(const std::string& text, const std::string& what);
std::int32_t ParseInt32(const std::string& text, const std::string& what);
std::int32_t ParseInt32In(const std::string& text, const std::string& what, std::int32_t low, std::int32_t high);

// Why a seed that IsShortPeriodSeed is refused, for an error line: "N cannot
// be used: ..." after the name of what gave it.
std::string ShortPeriodSeedProblem(std::uint32_t seed);
