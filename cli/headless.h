#pragma once
// The session's front end without a window, for tarvell-cli: questions are
// answered by rule (a game in the way is abandoned, a game kept for later is
// declined and counts as lost, nothing else is chosen),
// a failed save is told on standard error, and the tasks the simulation
// thread posts run when the command waits for them.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "session/session.h"

class CHeadlessFrontEnd : public CSessionFrontEnd {
 public:
  // command names the program in messages ("tarvell-cli play").
  explicit CHeadlessFrontEnd(std::string command) : command_(std::move(command)) {}

  AbandonChoice AskAbandon(bool) override { return AbandonChoice::Abandon; }
  // A game kept for later is left too: it counts as lost.
  bool AskContinue(int) override { return false; }
  std::optional<std::string> AskNewUserName() override { return std::nullopt; }
  bool AskOverwrite(const std::string&) override { return false; }
  std::optional<std::string> AskProfileToOpen() override { return std::nullopt; }
  void ReportSaveFailure(const ProfileProblem& problem, bool finalSave) override;
  void ReportOpenFailure(const ProfileProblem& problem) override;
  void ReportKeptGameProblem(const KeptGameProblem& problem) override;
  void Post(std::function<void()> task) override;

  // Runs posted tasks as they come until done() holds; done is tested
  // before each wait. Blocks without spinning while nothing is posted.
  void RunUntil(const std::function<bool()>& done);

 private:
  std::string command_;
  std::mutex mutex_;
  std::condition_variable posted_;
  std::vector<std::function<void()>> tasks_;
};

// The one-line text of a profile that cannot be used.
std::string ProblemText(const ProfileProblem& problem);
