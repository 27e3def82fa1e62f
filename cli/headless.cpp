#include "cli/headless.h"

#include <cstdio>
#include <utility>

std::string ProblemText(const ProfileProblem& problem) {
  switch (problem.kind) {
    case ProfileProblem::NotAProfile: return problem.path + ": only Tarvell profiles (*.tvu) can be opened";
    case ProfileProblem::InUse:
      return problem.path + " is in use by another Tarvell (process " + std::to_string(problem.holder) + ")";
    case ProfileProblem::CannotRead: return problem.path + ": cannot be read (" + problem.reason + ")";
    case ProfileProblem::CannotSave: return problem.path + ": cannot be saved (" + problem.reason + ")";
  }
  return problem.path;
}

void CHeadlessFrontEnd::ReportSaveFailure(const ProfileProblem& problem, bool) {
  std::fprintf(stderr, "%s: the profile %s could not be saved (%s); trying again at the next save\n", command_.c_str(),
               problem.path.c_str(), problem.reason.c_str());
}

void CHeadlessFrontEnd::ReportOpenFailure(const ProfileProblem& problem) {
  std::fprintf(stderr, "%s: %s\n", command_.c_str(), ProblemText(problem).c_str());
}

void CHeadlessFrontEnd::ReportKeptGameProblem(const KeptGameProblem& problem) {
  if (problem.kind == KeptGameProblem::CannotKeep)
    std::fprintf(stderr, "%s: the game could not be kept in %s (%s)\n", command_.c_str(), problem.path.c_str(),
                 problem.reason.c_str());
  else
    std::fprintf(stderr, "%s: the kept game %s is damaged (%s)%s%s; a new game starts\n", command_.c_str(),
                 problem.path.c_str(), problem.reason.c_str(), problem.setAsideAs.empty() ? "" : ", set aside as ",
                 problem.setAsideAs.c_str());
}

void CHeadlessFrontEnd::Post(std::function<void()> task) {
  {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  posted_.notify_one();
}

void CHeadlessFrontEnd::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    std::vector<std::function<void()>> tasks;
    {
      std::unique_lock lock(mutex_);
      posted_.wait(lock, [this] { return !tasks_.empty(); });
      tasks.swap(tasks_);
    }
    for (auto& task : tasks) task();
  }
}
