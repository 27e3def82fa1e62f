#include "cli/input_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/arguments.h"
#include "opponent/files.h"

bool CheckInputFile(const std::string& path, bool missingIsFine) {
  struct stat status;
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT && missingIsFine) return false;
    throw UsageError(Quoted(path) + ": " + std::strerror(errno));
  }
  if (!S_ISREG(status.st_mode)) throw UsageError(Quoted(path) + ": not a regular file");
  if (static_cast<std::uintmax_t>(status.st_size) > kMaxInputBytes)
    throw UsageError(Quoted(path) + ": larger than " + std::to_string(kMaxInputBytes) + " bytes");
  return true;
}

std::string ReadInputFile(const std::string& path) {
  CheckInputFile(path, false);
  std::FILE* file = OpenRegularFile(path);
  if (file == nullptr) throw UsageError(Quoted(path) + ": cannot be read");
  // The file may have grown since it was checked: read one byte past the
  // limit to notice.
  std::string text(kMaxInputBytes + 1, '\0');
  const std::size_t size = std::fread(text.data(), 1, text.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) throw UsageError(Quoted(path) + ": cannot be read");
  if (size > kMaxInputBytes)
    throw UsageError(Quoted(path) + ": larger than " + std::to_string(kMaxInputBytes) + " bytes");
  text.resize(size);
  return text;
}
