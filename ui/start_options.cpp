#include "ui/start_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char kHelp[] =
    "usage: tarvell [--data-folder] [PROFILE]\n"
    "\n"
    "Tarvell, a turn-based strategy game: defend your land against Chaos, an\n"
    "opponent that learns how you play.\n"
    "\n"
    "  PROFILE          play as the user of this profile file (*.tvu); without it,\n"
    "                   default.tvu in the working folder\n"
    "  --data-folder    make $XDG_DATA_HOME/tarvell (~/.local/share/tarvell when\n"
    "                   XDG_DATA_HOME is not set) the working folder, created when\n"
    "                   needed: default.tvu, the game log tv_log.txt and new users'\n"
    "                   profiles go there; without it, the folder the game starts in\n"
    "  --help           print this help and end\n"
    "  --version        print the version and end\n";

// $XDG_DATA_HOME/tarvell; a relative XDG_DATA_HOME is ignored, as the base
// directory rules say.
fs::path DataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && fs::path(data).is_absolute()) return fs::path(data) / "tarvell";
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return {};
  return fs::path(home) / ".local" / "share" / "tarvell";
}

// The end after --help or --version: status 1 with one line when the text
// could not all be written (a full disk, a closed descriptor).
StartOptions Printed() {
  StartOptions options;
  options.end = true;
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "tarvell: cannot write the output: %s\n", std::strerror(errno));
    options.status = 1;
  }
  return options;
}

}  // namespace

StartOptions ReadStartOptions(const std::vector<std::string>& commandLine) {
  StartOptions options;
  bool dataFolder = false;
  for (std::size_t i = 0; i < commandLine.size(); ++i) {
    const std::string& argument = commandLine[i];
    if (i > 0 && (argument == "--help" || argument == "-h")) {
      std::fputs(kHelp, stdout);
      return Printed();
    }
    if (i > 0 && argument == "--version") {
      std::printf("tarvell %s\n", TARVELL_VERSION);
      return Printed();
    }
    if (i > 0 && argument == "--data-folder") {
      dataFolder = true;
      continue;
    }
    options.arguments.push_back(argument);
  }
  if (!dataFolder) return options;

  // A profile named on the command line keeps meaning the file it names now.
  std::error_code error;
  for (std::size_t i = 1; i < options.arguments.size(); ++i) {
    std::string& argument = options.arguments[i];
    if (!argument.empty() && argument[0] != '-' && fs::exists(argument, error))
      argument = fs::absolute(argument, error).string();
  }
  const fs::path folder = DataFolder();
  if (folder.empty()) {
    error = std::make_error_code(std::errc::no_such_file_or_directory);
  } else {
    fs::create_directories(folder, error);
    if (!error) fs::current_path(folder, error);
  }
  if (error) {
    std::fprintf(stderr, "tarvell: cannot work in the data folder %s: %s\n",
                 folder.empty() ? "(neither XDG_DATA_HOME nor HOME is set)" : folder.c_str(), error.message().c_str());
    options.end = true;
    options.status = 1;
  }
  return options;
}
