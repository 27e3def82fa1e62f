#pragma once
// Shared helpers of the core tests: a fixture that gives every test the
// program-wide values of a fresh start, a scratch folder to work in, and an
// owner that records what a playing world shows.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "model/owner.h"
#include "session/session.h"

class CWorld;

// Every test starts as the program does: seed 1, all scores 0. A test that
// plays a live game makes a session (TestFrontEnd below).
class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// Makes a fresh folder the working directory for its lifetime.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// Runs body in a child process and returns its exit status (-1 when it did
// not exit normally). With unprivileged, a child running as root first
// becomes the user "nobody", so that permission checks are real even when
// the tests run as root.
int InChild(const std::function<int()>& body, bool unprivileged = false);

// In a process running as root, becomes the user "nobody" for good; elsewhere
// does nothing. False when that fails.
bool BecomeUnprivileged();

std::string ReadFile(const std::filesystem::path& file);
std::vector<std::string> Lines(const std::string& text);
void WriteFile(const std::filesystem::path& file, const std::string& text);

// Records every display call as a line such as "DrawUnitAt 3 4" or
// "Pause 20", in order.
class RecordingOwner : public CWorldOwner, public CBoardDisplay {
 public:
  std::vector<std::string> calls;
  bool hasView = true;

  CBoardDisplay* FirstView() override { return hasView ? this : nullptr; }
  void SetStatusText(int, int, const char* message) override { calls.push_back(std::string("Status ") + message); }
  void ShowVictory() override { calls.push_back("Victory"); }
  void ShowDefeat() override { calls.push_back("Defeat"); }
  void Pause(int milliseconds) override { calls.push_back("Pause " + std::to_string(milliseconds)); }

  void DrawCounters(int, int) override { calls.push_back("DrawCounters"); }
  void DrawTurnPhase(int, int) override { calls.push_back("DrawTurnPhase"); }
  void DrawRecord() override { calls.push_back("DrawRecord"); }
  void DrawTerrain(const TerrainGrid&) override { calls.push_back("DrawTerrain"); }
  void DrawTerrainAt(int x, int y, int) override { calls.push_back(At("DrawTerrainAt", x, y)); }
  void DrawUnits(const UnitGrid&) override { calls.push_back("DrawUnits"); }
  void DrawUnitAt(int x, int y, int) override { calls.push_back(At("DrawUnitAt", x, y)); }
  void DrawBarbarians(const CUnit*) override { calls.push_back("DrawBarbarians"); }
  void DrawBarbarian(const CUnit*) override { calls.push_back("DrawBarbarian"); }
  void DrawMarkerAt(int x, int y) override { calls.push_back(At("DrawMarkerAt", x, y)); }

 private:
  static std::string At(const char* what, int x, int y) {
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y);
  }
};

// A world whose every square is Empty land without bonuses.
void ClearBoard(CWorld& world);

// The first odd seed from which `draws` (a run of RandomDraw calls) returns
// true: a way to make the dice fall as a test needs. Leaves randomSeed set
// to it.
std::uint32_t SeedWhere(const std::function<bool()>& draws);

// tarvell-cli run as a user runs it, in the working directory: its exit
// status, standard output and standard error.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};
CliRun RunCli(const std::string& args);

// Blocks until no background simulation runs (the running flag is clear).
void WaitForNoSimulation();

// A session's front end for tests: answers the questions from its fields,
// keeps every report, and runs the tasks the simulation thread posts when
// the test asks for them, as an event loop would.
class TestFrontEnd : public CSessionFrontEnd {
 public:
  AbandonChoice abandon = AbandonChoice::Abandon;
  std::optional<std::string> newUserName;
  bool overwrite = false;
  std::optional<std::string> profileToOpen;
  bool continueKept = true;

  std::vector<std::string> asked;  // "abandon", "name", "overwrite", "open", "continue N"
  std::vector<bool> keepOffered;   // each abandon question's mayKeep
  std::vector<KeptGameProblem> keptGameProblems;
  std::vector<ProfileProblem> saveFailures;
  std::vector<ProfileProblem> openFailures;
  int waiting = 0;  // Waiting(true) minus Waiting(false)

  AbandonChoice AskAbandon(bool mayKeep) override;
  bool AskContinue(int turn) override;
  void ReportKeptGameProblem(const KeptGameProblem& problem) override;
  std::optional<std::string> AskNewUserName() override;
  bool AskOverwrite(const std::string& path) override;
  std::optional<std::string> AskProfileToOpen() override;
  void ReportSaveFailure(const ProfileProblem& problem, bool finalSave) override;
  void ReportOpenFailure(const ProfileProblem& problem) override;
  void Post(std::function<void()> task) override;
  void Waiting(bool on) override { waiting += on ? 1 : -1; }

  // Waits at most timeout for a posted task, then runs every task posted so
  // far; false when none came.
  bool RunPosted(std::chrono::milliseconds timeout);

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::vector<std::function<void()>> tasks_;
};
