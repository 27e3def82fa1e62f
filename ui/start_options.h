// The game's own command-line options, read before the window starts:
// --help, --version and --data-folder.
#pragma once

#include <string>
#include <vector>

struct StartOptions {
  bool end = false;  // --help, --version or a failure: end with `status` at once
  int status = 0;
  // The command line for the application: the program name, the toolkit's
  // options and the profile, without the options read here.
  std::vector<std::string> arguments;
};

// Reads the options. --help and --version print to standard output; with
// --data-folder, $XDG_DATA_HOME/tarvell (~/.local/share/tarvell by default)
// is created when needed and becomes the working folder, and a profile named
// relative to the folder the game was started in still means that file.
StartOptions ReadStartOptions(const std::vector<std::string>& commandLine);
