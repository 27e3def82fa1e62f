#include "opponent/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include "opponent/strategy.h"

namespace {

ProfileSaveStep failAt = ProfileSaveStep::None;

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

// Why an existing path that OpenRegularFile refused cannot be read; empty
// when nothing stands there (a fresh profile).
std::string WhyUnreadable(const std::string& path) {
  struct stat status;
  if (::stat(path.c_str(), &status) != 0)
    return errno == ENOENT || errno == ENOTDIR ? std::string() : std::strerror(errno);
  if (S_ISDIR(status.st_mode)) return "is a folder";
  if (!S_ISREG(status.st_mode)) return "not a regular file";
  const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return std::strerror(errno);
  ::close(file);
  return "cannot be read";
}

}  // namespace

std::string ProfileText(const Record& record) {
  std::string text = std::to_string(record.wins) + '\t' + std::to_string(record.losses) + '\t';
  for (const auto& score : strategyScores) text += std::to_string(score.load(std::memory_order_relaxed)) + '\t';
  return text;
}

void FailProfileSaveAt(ProfileSaveStep step) { failAt = step; }

bool SaveProfile(const std::string& path, const Record& record, std::string& error) {
  return ReplaceFileContent(path, ProfileText(record), error, failAt);
}

ProfileRead LoadProfile(const std::string& path, Record& record, std::string& error) {
  std::FILE* file = OpenRegularFile(path);
  if (!file) {
    error = WhyUnreadable(path);
    return error.empty() ? ProfileRead::Missing : ProfileRead::Unreadable;
  }
  bool ok = ReadNumber(file, record.wins) && ReadNumber(file, record.losses);
  for (int i = 0; ok && i < kStrategyCount; ++i) {
    std::int32_t score;
    ok = ReadNumber(file, score);
    if (ok) strategyScores[i].store(score, std::memory_order_relaxed);
  }
  std::fclose(file);
  return ProfileRead::Read;
}

bool CanReadProfile(const std::string& path, std::string& reason) {
  std::FILE* file = OpenRegularFile(path);
  if (file) {
    std::fclose(file);
    return true;
  }
  reason = WhyUnreadable(path);
  if (reason.empty()) reason = std::strerror(ENOENT);
  return false;
}

void ResetScores() {
  for (auto& score : strategyScores) score.store(0, std::memory_order_relaxed);
}
