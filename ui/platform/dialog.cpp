#include "ui/platform/dialog.h"

#include <qdrawutil.h>
#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "ui/platform/dialog_responder.h"
#include "ui/platform/dialog_units.h"
#include "ui/resources/dialog_font.h"

CDialog::CDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), templateId_(templateId), client_(new QWidget(this)) {
  Build(FindDialogTemplate(templateId));
}

CDialog::CDialog(const DialogTemplate& layout, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), templateId_(layout.id), client_(new QWidget(this)) {
  Build(&layout);
}

void CDialog::Build(const DialogTemplate* dialog) {
  setModal(true);
  setFont(DialogFont());
  const QSize clientSize = dialog ? DialogSizeToPixels(*dialog) : QSize(0, 0);
  client_->setGeometry(QRect(QPoint(kFrameWidth, kFrameWidth), clientSize));
  setFixedSize(clientSize + QSize(2 * kFrameWidth, 2 * kFrameWidth));
  if (dialog != nullptr) controls_.CreateControls(client_, *dialog, DialogFont(), [this](int id) { OnButton(id); });
}

void CDialog::PrepareToShow() {
  ended_ = false;
  result_ = IDCANCEL;
  OnInitDialog();
  CenterOverParent();
}

int CDialog::DoModal() {
  PrepareToShow();
  if (CDialogResponder* responder = InstalledDialogResponder()) {
    show();
    responder->AnswerDialog(*this);
    if (!ended_) EndDialog(IDCANCEL);
    hide();
    return result_;
  }
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    FailUnansweredDialog("modal dialog " + std::to_string(templateId_));
  }
  return RunModalLoop();
}

int CDialog::RunModalLoop() {
  exec();
  return result_;
}

void CDialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  done(result);
}

void CDialog::PressButton(int id) {
  if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id))) button->click();
}

void CDialog::OnButton(int id) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  } else {
    OnCommand(id);
  }
}

void CDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: OnCancel(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (DefaultButtonId() != 0) {
        PressButton(DefaultButtonId());
      } else {
        OnOK();
      }
      break;
    default: QDialog::keyPressEvent(event); return;
  }
  event->accept();
}

// Closing the window by other means counts as Cancel.
void CDialog::reject() { OnCancel(); }

void CDialog::paintEvent(QPaintEvent*) {
  // The modal frame: a raised edge around the client area.
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), false);
}

void CDialog::CenterOverParent() {
  QRect over;
  if (QWidget* owner = parentWidget()) {
    over = owner->window()->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    over = screen->availableGeometry();
  }
  move(over.center() - QPoint(width() / 2, height() / 2));
}
