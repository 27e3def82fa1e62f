#include "ui/new_user_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/message_dialogs.h"

namespace {

bool AllowedInName(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

// A single-line edit box without horizontal scrolling: typing stops when the
// text fills the visible width, so the player sees all of the name.
class FittingLineEdit : public QLineEdit {
 public:
  FittingLineEdit() {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (Fits(text)) {
        lastFitting_ = text;
      } else {
        const int cursor = cursorPosition() - static_cast<int>(text.size() - lastFitting_.size());
        setText(lastFitting_);
        setCursorPosition(std::max(0, cursor));
      }
    });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (Fits(text)) lastFitting_ = text;
    });
  }

 private:
  bool Fits(const QString& text) const {
    const QMargins margins = textMargins();
    // The frame and the inner margin of the box take a few pixels on each side.
    const int visible = width() - margins.left() - margins.right() - 8;
    return fontMetrics().horizontalAdvance(text) <= visible;
  }

  QString lastFitting_;
};

}  // namespace

CNewUserDialog::CNewUserDialog(QWidget* parent) : QDialog(parent), edit_(new FittingLineEdit) {
  setObjectName(QLatin1String(IDD_NEW_USER));
  setWindowTitle(tr("New User"));
  edit_->setObjectName(QStringLiteral("IDC_USERNAME"));
  // About 26 average characters wide, at every zoom.
  edit_->setFixedWidth(edit_->fontMetrics().averageCharWidth() * 26);
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight);
  form->addRow(tr("Username:"), edit_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CNewUserDialog::accept() {
  // Whole characters count, so that one outside the basic plane is never cut
  // in half.
  const QList<uint> typed = edit_->text().toUcs4().mid(0, kMaxNameLength);
  int length = 0;
  for (const char32_t c : typed) name[length++] = AllowedInName(c) ? static_cast<char>(c) : '_';
  name[length] = '\0';
  QDialog::accept();
}
