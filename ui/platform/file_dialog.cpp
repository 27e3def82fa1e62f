#include "ui/platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

#include <filesystem>
#include <system_error>

#include "ui/platform/dialog_responder.h"
#include "ui/resources/resource_ids.h"

QStringList NameFiltersFromPairs(const std::string& filter) {
  QStringList filters;
  const QStringList parts = QString::fromStdString(filter).split('|');
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString name = parts[i];
    QString patterns = parts[i + 1];
    if (name.isEmpty() && patterns.isEmpty()) break;  // the closing "||"
    patterns.replace(';', ' ');
    const QString bracketed = "(" + patterns + ")";
    filters << (name.endsWith(bracketed) ? name : name + " " + bracketed);
  }
  return filters;
}

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned flags,
                         const char* filter, QWidget* parent)
    : request_{openFileDialog, defaultExtension ? defaultExtension : "", fileName ? fileName : "", flags,
               filter ? filter : ""},
      parent_(parent) {}

int CFileDialog::DoModal() {
  if (CDialogResponder* responder = InstalledDialogResponder()) {
    const std::optional<std::string> chosen = responder->AnswerFileDialog(request_);
    return chosen ? Accept(*chosen) : IDCANCEL;
  }
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) FailUnansweredDialog("open-file dialog");

  QFileDialog dialog(parent_);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request_.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode((request_.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(NameFiltersFromPairs(request_.filter));
  dialog.setDirectory(QDir::currentPath());
  if (!request_.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(request_.defaultExtension));
  if (!request_.fileName.empty()) dialog.selectFile(QString::fromStdString(request_.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return IDCANCEL;
  return Accept(dialog.selectedFiles().first().toStdString());
}

int CFileDialog::Accept(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path chosen = fs::absolute(path);
  std::error_code error;
  // The dialog itself never lets a missing file through; an answer that
  // does not satisfy the flags counts as Cancel.
  if ((request_.flags & OFN_FILEMUSTEXIST) && !fs::is_regular_file(chosen, error)) return IDCANCEL;
  if ((request_.flags & OFN_PATHMUSTEXIST) && !fs::is_directory(chosen.parent_path(), error)) return IDCANCEL;
  pathName_ = chosen.string();
  // The dialog does not restore the working directory: the chosen file's
  // folder stays the place where the game reads and writes.
  fs::current_path(chosen.parent_path(), error);
  return IDOK;
}

std::string CFileDialog::GetFileName() const { return std::filesystem::path(pathName_).filename().string(); }
