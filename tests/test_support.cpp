#include "tests/test_support.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "model/random.h"
#include "model/world.h"
#include "opponent/adaptive_opponent.h"
#include "opponent/profile.h"

void CoreTest::SetUp() {
  UseAdaptiveOpponent();
  randomSeed = 1;
  ResetProfile();
  profileName = "default.tvu";
}

void CoreTest::TearDown() {}

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvell-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  path_ = pattern;
  std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

int InChild(const std::function<int()>& body, bool unprivileged) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (unprivileged && geteuid() == 0) {
      const passwd* nobody = getpwnam("nobody");
      if (nobody == nullptr || setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
        _exit(99);
    }
    const int status = body();
    std::fflush(nullptr);
    _exit(status);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

CliRun RunCli(const std::string& args) {
  const std::string command = "'" + std::string(TARVELL_CLI) + "' " + args + " >cli.out 2>cli.err";
  const int raw = std::system(command.c_str());
  CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile("cli.out"), ReadFile("cli.err")};
  std::remove("cli.out");
  std::remove("cli.err");
  return run;
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
}

void ClearBoard(CWorld& world) { std::memset(world.cells, 0, sizeof world.cells); }

std::uint32_t SeedWhere(const std::function<bool()>& draws) {
  for (std::uint32_t seed = 1; seed < 20'000'000; seed += 2) {
    randomSeed = seed;
    if (draws()) {
      randomSeed = seed;
      return seed;
    }
  }
  throw std::runtime_error("no seed makes these draws");
}
