#include "opponent/profile.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <utility>

#include "opponent/strategy.h"

std::string profileName = "default.tvu";

namespace {

// A failed save waiting to be told to the player, and whether this profile's
// failure has been told since its last successful save.
std::optional<ProfileSaveFailure> pendingFailure;
bool failureReported = false;

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

std::string ProfileText() {
  std::string text = std::to_string(wins) + '\t' + std::to_string(losses) + '\t';
  for (const auto& score : strategyScores) text += std::to_string(score.load(std::memory_order_relaxed)) + '\t';
  return text;
}

void SetProfileName(const std::string& name) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(name, error);
  profileName = error ? name : absolute.lexically_normal().string();
  pendingFailure.reset();
  failureReported = false;
}

bool SaveProfile() {
  if (profileName.empty()) return true;  // kept in memory only
  std::string reason;
  if (ReplaceFileContent(profileName, ProfileText(), reason)) {
    pendingFailure.reset();
    failureReported = false;
    return true;
  }
  if (!failureReported) pendingFailure = ProfileSaveFailure{profileName, reason};
  return false;
}

std::optional<ProfileSaveFailure> TakeUnreportedSaveFailure() {
  std::optional<ProfileSaveFailure> failure = std::move(pendingFailure);
  pendingFailure.reset();
  if (failure) failureReported = true;
  return failure;
}

void LoadProfile() {
  if (profileName.empty()) return;
  std::FILE* file = OpenRegularFile(profileName);
  if (!file) return;
  bool ok = ReadNumber(file, wins) && ReadNumber(file, losses);
  for (int i = 0; ok && i < kStrategyCount; ++i) {
    std::int32_t score;
    ok = ReadNumber(file, score);
    if (ok) strategyScores[i].store(score, std::memory_order_relaxed);
  }
  std::fclose(file);
}

void ResetProfile() {
  wins = 0;
  losses = 0;
  for (auto& score : strategyScores) score.store(0, std::memory_order_relaxed);
}
