#include "ui/platform/dialog.h"

#include <qdrawutil.h>
#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

#include <filesystem>
#include <system_error>

#include "ui/platform/dialog_units.h"
#include "ui/platform/scripted_dialogs.h"
#include "ui/resources/dialog_font.h"

namespace {

bool NobodySeesTheDisplay() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

}  // namespace

CDialog::CDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), templateId_(templateId), client_(new QWidget(this)) {
  setModal(true);
  setFont(DialogFont());
  const DialogTemplate* layout = FindDialogTemplate(templateId);
  const QSize clientSize = layout ? DialogSizeToPixels(*layout) : QSize(0, 0);
  client_->setGeometry(QRect(QPoint(kFrameWidth, kFrameWidth), clientSize));
  setFixedSize(clientSize + QSize(2 * kFrameWidth, 2 * kFrameWidth));
  if (layout == nullptr) return;
  controls_ = CreateDialogControls(client_, *layout, DialogFont());
  for (auto [id, control] : controls_.byId.asKeyValueRange()) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button == nullptr) continue;
    connect(button, &QAbstractButton::clicked, this, [this, id = id] {
      if (id == IDOK) OnOK();
      if (id == IDCANCEL) OnCancel();
    });
  }
}

void CDialog::PrepareToShow() {
  ended_ = false;
  setResult(IDCANCEL);
  OnInitDialog();
  QRect over;
  if (QWidget* owner = parentWidget()) {
    over = owner->window()->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    over = screen->availableGeometry();
  }
  move(over.center() - QPoint(width() / 2, height() / 2));
}

int CDialog::DoModal() {
  PrepareToShow();
  if (CScriptedDialogs* script = CScriptedDialogs::Installed()) {
    show();
    script->AnswerDialog(*this);
    if (!ended_) done(IDCANCEL);
    hide();
    return result();
  }
  if (NobodySeesTheDisplay()) FailUnansweredDialog("modal dialog " + std::to_string(templateId_));
  return exec();
}

void CDialog::Open() {
  PrepareToShow();
  if (CScriptedDialogs* script = CScriptedDialogs::Installed()) {
    show();
    script->AnswerDialog(*this);
    if (!ended_) done(IDCANCEL);
    return;
  }
  if (NobodySeesTheDisplay()) FailUnansweredDialog("modal dialog " + std::to_string(templateId_));
  open();
}

void CDialog::done(int result) {
  ended_ = true;
  QDialog::done(result);
}

void CDialog::PressButton(int id) {
  if (auto* button = Control<QAbstractButton>(id)) button->click();
}

void CDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: OnCancel(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (controls_.defaultButton != 0) {
        PressButton(controls_.defaultButton);
      } else {
        OnOK();
      }
      break;
    default: QDialog::keyPressEvent(event); return;
  }
  event->accept();
}

void CDialog::paintEvent(QPaintEvent*) {
  // The modal frame: a raised edge around the client area.
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), false);
}

void ShowMessageBox(QWidget* parent, const QString& text) {
  if (CScriptedDialogs* script = CScriptedDialogs::Installed()) {
    script->AnswerMessage(text);
    return;
  }
  if (NobodySeesTheDisplay()) FailUnansweredDialog("message box \"" + text.toStdString() + "\"");
  QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
}

std::optional<std::string> ChooseFileToOpen(QWidget* parent, const QString& nameFilter) {
  std::optional<std::string> chosen;
  if (CScriptedDialogs* script = CScriptedDialogs::Installed()) {
    chosen = script->AnswerFileDialog();
  } else {
    if (NobodySeesTheDisplay()) FailUnansweredDialog("open-file dialog");
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QDir::currentPath(), nameFilter, nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty()) chosen = path.toStdString();
  }
  if (!chosen) return std::nullopt;
  // The working directory is not restored: the chosen file's folder becomes
  // the place where the game reads and writes.
  const std::filesystem::path file = std::filesystem::absolute(*chosen);
  std::error_code error;
  std::filesystem::current_path(file.parent_path(), error);
  return file.filename().string();
}
