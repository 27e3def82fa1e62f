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
#include "opponent/profile.h"
#include "opponent/simulation.h"

void CoreTest::SetUp() {
  randomSeed = 1;
  ResetScores();
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

bool BecomeUnprivileged() {
  if (geteuid() != 0) return true;
  const passwd* nobody = getpwnam("nobody");
  return nobody != nullptr && setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0;
}

int InChild(const std::function<int()>& body, bool unprivileged) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (unprivileged && !BecomeUnprivileged()) _exit(99);
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

void WaitForNoSimulation() {
  while (const std::uint8_t running = simulationRunning.load(std::memory_order_acquire))
    simulationRunning.wait(running, std::memory_order_acquire);
}

AbandonChoice TestFrontEnd::AskAbandon(bool mayKeep) {
  asked.push_back("abandon");
  keepOffered.push_back(mayKeep);
  return abandon;
}

bool TestFrontEnd::AskContinue(int turn) {
  asked.push_back("continue " + std::to_string(turn));
  return continueKept;
}

void TestFrontEnd::ReportKeptGameProblem(const KeptGameProblem& problem) { keptGameProblems.push_back(problem); }

std::optional<std::string> TestFrontEnd::AskNewUserName() {
  asked.push_back("name");
  return newUserName;
}

bool TestFrontEnd::AskOverwrite(const std::string&) {
  asked.push_back("overwrite");
  return overwrite;
}

std::optional<std::string> TestFrontEnd::AskProfileToOpen() {
  asked.push_back("open");
  return profileToOpen;
}

void TestFrontEnd::ReportSaveFailure(const ProfileProblem& problem, bool) { saveFailures.push_back(problem); }

void TestFrontEnd::ReportOpenFailure(const ProfileProblem& problem) { openFailures.push_back(problem); }

void TestFrontEnd::Post(std::function<void()> task) {
  {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  posted_.notify_one();
}

bool TestFrontEnd::RunPosted(std::chrono::milliseconds timeout) {
  std::vector<std::function<void()>> tasks;
  {
    std::unique_lock lock(mutex_);
    if (!posted_.wait_for(lock, timeout, [this] { return !tasks_.empty(); })) return false;
    tasks.swap(tasks_);
  }
  for (auto& task : tasks) task();
  return true;
}
