#pragma once
// The test seam of the modal dialogs and the open-file dialog.
//
// Tests of the game window install a responder that answers every dialog the
// game shows, so that no person is needed and no test ever waits for input.
// CScriptedDialogs answers from a script written in advance; a dialog that
// the script does not expect, or a script that leaves a dialog open, is
// reported through its failure handler (by default: a message on standard
// error, then the program stops) and answered with Cancel.

#include <Qt>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CDialog;
struct CFileDialogRequest;

class CDialogResponder {
 public:
  virtual ~CDialogResponder() = default;
  // Answers a modal dialog that has been initialized and shown; must end it
  // (a pressed button, a key, or EndDialog).
  virtual void AnswerDialog(CDialog& dialog) = 0;
  // Answers an open-file dialog: the path chosen, or nothing for Cancel.
  virtual std::optional<std::string> AnswerFileDialog(const CFileDialogRequest& request) = 0;
};

// The responder that answers every dialog from now on; null to let the
// player answer again.
void InstallDialogResponder(CDialogResponder* responder);
CDialogResponder* InstalledDialogResponder();

// Stops the program with a message: a dialog was about to wait for a player
// on a display that nobody sees.
[[noreturn]] void FailUnansweredDialog(const std::string& what);

// Answers from a script, one entry per expected dialog, in order.
class CScriptedDialogs : public CDialogResponder {
 public:
  using FailureHandler = std::function<void(const std::string&)>;

  // Installs itself for its lifetime.
  CScriptedDialogs();
  ~CScriptedDialogs() override;
  CScriptedDialogs(const CScriptedDialogs&) = delete;
  CScriptedDialogs& operator=(const CScriptedDialogs&) = delete;

  // The next dialog must use templateId; the button buttonId is clicked.
  CScriptedDialogs& Press(int templateId, int buttonId);
  // The next dialog must use templateId; key is typed into it.
  CScriptedDialogs& Type(int templateId, Qt::Key key);
  // The next dialog must use templateId; action does what the player would
  // (fill controls, press a button) and must end the dialog.
  CScriptedDialogs& Do(int templateId, std::function<void(CDialog&)> action);
  // The next dialog must be the open-file dialog; it answers path (which
  // must exist) or, with nothing, Cancel.
  CScriptedDialogs& ChooseFile(std::optional<std::string> path);

  // Replaces the failure handler (tests report failures their own way).
  void OnFailure(FailureHandler handler) { onFailure_ = std::move(handler); }
  // Whether every scripted answer has been used.
  bool AllAnswered() const { return script_.empty(); }
  // The template number of every modal dialog shown so far, in order; 0
  // stands for an open-file dialog.
  const std::vector<int>& Shown() const { return shown_; }

  void AnswerDialog(CDialog& dialog) override;
  std::optional<std::string> AnswerFileDialog(const CFileDialogRequest& request) override;

 private:
  static constexpr int kFileDialog = 0;
  struct Answer {
    int templateId;
    std::function<void(CDialog&)> action;
    std::optional<std::string> path;
  };

  void Fail(const std::string& message);

  std::deque<Answer> script_;
  std::vector<int> shown_;
  FailureHandler onFailure_;
  CDialogResponder* previous_;
};
