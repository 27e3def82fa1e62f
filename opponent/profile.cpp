#include "opponent/profile.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "opponent/strategy.h"

namespace {

// Reads one decimal number as the "%d" conversion does: white space first,
// an optional sign, then digits. Returns false, leaving value alone, when no
// number stands there or it does not fit in a signed 32-bit value.
bool ReadNumber(std::FILE* file, std::int32_t& value) {
  int c;
  do c = std::fgetc(file);
  while (c != EOF && std::isspace(c));
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    c = std::fgetc(file);
  }
  if (c == EOF || !std::isdigit(c)) return false;
  std::int64_t magnitude = 0;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                      : std::numeric_limits<std::int32_t>::max();
  while (c != EOF && std::isdigit(c)) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
    c = std::fgetc(file);
  }
  if (c != EOF) std::ungetc(c, file);
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace

std::string ProfileText(const Record& record) {
  std::string text = std::to_string(record.wins) + '\t' + std::to_string(record.losses) + '\t';
  for (const auto& score : strategyScores) text += std::to_string(score.load(std::memory_order_relaxed)) + '\t';
  return text;
}

bool SaveProfile(const std::string& path, const Record& record, std::string& error) {
  return ReplaceFileContent(path, ProfileText(record), error);
}

ProfileRead LoadProfile(const std::string& path, Record& record, std::string& error) {
  const ProfileReading reading = OpenProfileForReading(path);
  if (!reading.stream) {
    error = reading.reason;
    return reading.missing ? ProfileRead::Missing : ProfileRead::Unreadable;
  }
  ReadProfile(reading.stream.get(), record);
  return ProfileRead::Read;
}

void ReadProfile(std::FILE* file, Record& record) {
  bool ok = ReadNumber(file, record.wins) && ReadNumber(file, record.losses);
  for (int i = 0; ok && i < kStrategyCount; ++i) {
    std::int32_t score;
    ok = ReadNumber(file, score);
    if (ok) strategyScores[i].store(score, std::memory_order_relaxed);
  }
}

void ResetScores() {
  for (auto& score : strategyScores) score.store(0, std::memory_order_relaxed);
}
