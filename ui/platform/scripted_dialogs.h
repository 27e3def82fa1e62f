#pragma once
// The test seam of the dialogs.
//
// Tests of the game window install a CScriptedDialogs that answers every
// dialog the game shows, so that no person is needed and no test ever waits
// for input. It answers from a script written in advance; a dialog that the
// script does not expect, or a script that leaves a dialog open, is reported
// through its failure handler (by default: a message on standard error, then
// the program stops) and answered with Cancel.

#include <QString>
#include <Qt>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CDialog;

// Stops the program with a message: a dialog was about to wait for a player
// on a display that nobody sees.
[[noreturn]] void FailUnansweredDialog(const std::string& what);

class CScriptedDialogs {
 public:
  using FailureHandler = std::function<void(const std::string&)>;
  // What Shown() records for the dialogs that have no template.
  static constexpr int kFileDialog = 0;
  static constexpr int kMessageBox = -1;

  // Installs itself for its lifetime; scripts nest.
  CScriptedDialogs();
  ~CScriptedDialogs();
  CScriptedDialogs(const CScriptedDialogs&) = delete;
  CScriptedDialogs& operator=(const CScriptedDialogs&) = delete;

  // The script that answers every dialog now, or null.
  static CScriptedDialogs* Installed();

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
  // The next dialog must be a message box; its text goes to text, if given.
  CScriptedDialogs& Acknowledge(QString* text = nullptr);

  void OnFailure(FailureHandler handler) { onFailure_ = std::move(handler); }
  bool AllAnswered() const { return script_.empty(); }
  // Every dialog shown so far, in order: its template number, kFileDialog or
  // kMessageBox.
  const std::vector<int>& Shown() const { return shown_; }

  void AnswerDialog(CDialog& dialog);
  std::optional<std::string> AnswerFileDialog();
  void AnswerMessage(const QString& text);

 private:
  struct Answer {
    int dialog;
    std::function<void(CDialog&)> action;
    std::optional<std::string> path;
    QString* text = nullptr;
  };

  // The next answer when it is for dialog; otherwise a reported failure.
  std::optional<Answer> Next(int dialog);

  std::deque<Answer> script_;
  std::vector<int> shown_;
  FailureHandler onFailure_;
  CScriptedDialogs* previous_;
};
