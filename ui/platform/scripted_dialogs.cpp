#include "ui/platform/scripted_dialogs.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ui/platform/dialog.h"

namespace {

CScriptedDialogs* installed = nullptr;

std::string Describe(int dialog) {
  if (dialog == CScriptedDialogs::kFileDialog) return "the open-file dialog";
  if (dialog == CScriptedDialogs::kMessageBox) return "a message box";
  return "dialog " + std::to_string(dialog);
}

}  // namespace

void FailUnansweredDialog(const std::string& what) {
  std::fprintf(stderr, "Tarvell: %s would wait for a player on a display nobody sees; stopping.\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

CScriptedDialogs::CScriptedDialogs()
    : onFailure_([](const std::string& message) { FailUnansweredDialog(message); }), previous_(installed) {
  installed = this;
}

CScriptedDialogs::~CScriptedDialogs() { installed = previous_; }

CScriptedDialogs* CScriptedDialogs::Installed() { return installed; }

CScriptedDialogs& CScriptedDialogs::Press(int templateId, int buttonId) {
  return Do(templateId, [buttonId](CDialog& dialog) { dialog.PressButton(buttonId); });
}

CScriptedDialogs& CScriptedDialogs::Type(int templateId, Qt::Key key) {
  return Do(templateId, [key](CDialog& dialog) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
  });
}

CScriptedDialogs& CScriptedDialogs::Do(int templateId, std::function<void(CDialog&)> action) {
  script_.push_back(Answer{templateId, std::move(action), std::nullopt});
  return *this;
}

CScriptedDialogs& CScriptedDialogs::ChooseFile(std::optional<std::string> path) {
  script_.push_back(Answer{kFileDialog, nullptr, std::move(path)});
  return *this;
}

CScriptedDialogs& CScriptedDialogs::Acknowledge(QString* text) {
  script_.push_back(Answer{kMessageBox, nullptr, std::nullopt, text});
  return *this;
}

std::optional<CScriptedDialogs::Answer> CScriptedDialogs::Next(int dialog) {
  shown_.push_back(dialog);
  if (script_.empty() || script_.front().dialog != dialog) {
    if (onFailure_) {
      onFailure_(Describe(dialog) + " was shown, but the script expected " +
                 (script_.empty() ? std::string("no more dialogs") : Describe(script_.front().dialog)));
    }
    return std::nullopt;
  }
  Answer answer = std::move(script_.front());
  script_.pop_front();
  return answer;
}

void CScriptedDialogs::AnswerDialog(CDialog& dialog) {
  const std::optional<Answer> answer = Next(dialog.TemplateId());
  if (!answer) {
    dialog.done(IDCANCEL);
    return;
  }
  answer->action(dialog);
  if (!dialog.HasEnded()) {
    if (onFailure_) onFailure_("the scripted answer left " + Describe(dialog.TemplateId()) + " open");
    dialog.done(IDCANCEL);
  }
}

std::optional<std::string> CScriptedDialogs::AnswerFileDialog() {
  const std::optional<Answer> answer = Next(kFileDialog);
  if (!answer || !answer->path) return std::nullopt;
  std::error_code error;
  if (!std::filesystem::is_regular_file(*answer->path, error)) {
    if (onFailure_) onFailure_("the open-file dialog cannot choose " + *answer->path + ": the file does not exist");
    return std::nullopt;
  }
  return answer->path;
}

void CScriptedDialogs::AnswerMessage(const QString& text) {
  const std::optional<Answer> answer = Next(kMessageBox);
  if (answer && answer->text != nullptr) *answer->text = text;
}
