#include "ui/platform/dialog_responder.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ui/platform/dialog.h"
#include "ui/platform/file_dialog.h"

namespace {

CDialogResponder* installedResponder = nullptr;

std::string Describe(int templateId) {
  return templateId == 0 ? std::string("the open-file dialog") : "dialog " + std::to_string(templateId);
}

}  // namespace

void InstallDialogResponder(CDialogResponder* responder) { installedResponder = responder; }

CDialogResponder* InstalledDialogResponder() { return installedResponder; }

void FailUnansweredDialog(const std::string& what) {
  std::fprintf(stderr, "Tarvell: %s would wait for a player on a display nobody sees; stopping.\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

CScriptedDialogs::CScriptedDialogs()
    : onFailure_([](const std::string& message) { FailUnansweredDialog(message); }),
      previous_(InstalledDialogResponder()) {
  InstallDialogResponder(this);
}

CScriptedDialogs::~CScriptedDialogs() { InstallDialogResponder(previous_); }

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

void CScriptedDialogs::Fail(const std::string& message) {
  if (onFailure_) onFailure_(message);
}

void CScriptedDialogs::AnswerDialog(CDialog& dialog) {
  shown_.push_back(dialog.TemplateId());
  if (script_.empty() || script_.front().templateId != dialog.TemplateId()) {
    Fail(Describe(dialog.TemplateId()) + " was shown, but the script expected " +
         (script_.empty() ? std::string("no more dialogs") : Describe(script_.front().templateId)));
    dialog.EndDialog(IDCANCEL);
    return;
  }
  const Answer answer = std::move(script_.front());
  script_.pop_front();
  answer.action(dialog);
  if (!dialog.HasEnded()) {
    Fail("the scripted answer left " + Describe(dialog.TemplateId()) + " open");
    dialog.EndDialog(IDCANCEL);
  }
}

std::optional<std::string> CScriptedDialogs::AnswerFileDialog(const CFileDialogRequest& request) {
  shown_.push_back(kFileDialog);
  if (script_.empty() || script_.front().templateId != kFileDialog) {
    Fail(Describe(kFileDialog) + " was shown, but the script expected " +
         (script_.empty() ? std::string("no more dialogs") : Describe(script_.front().templateId)));
    return std::nullopt;
  }
  const Answer answer = std::move(script_.front());
  script_.pop_front();
  std::error_code error;
  if (answer.path && (request.flags & OFN_FILEMUSTEXIST) && !std::filesystem::is_regular_file(*answer.path, error)) {
    Fail("the open-file dialog cannot choose " + *answer.path + ": the file does not exist");
    return std::nullopt;
  }
  return answer.path;
}
