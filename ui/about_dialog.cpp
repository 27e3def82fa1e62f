#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/message_dialogs.h"
#include "ui/resources/images.h"

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QLatin1String(IDD_ABOUT));
  setWindowTitle(tr("About Tarvell"));
  auto* texts = new QVBoxLayout;
  for (const QString& line : {tr("Tarvell Version %1").arg(QLatin1String(TARVELL_VERSION)), tr("Defend your land."),
                              tr("Chaos learns as you play."), tr("Built on Qt 6.")}) {
    auto* label = new QLabel(line);
    label->setTextFormat(Qt::PlainText);  // no ampersand prefix processing either
    texts->addWidget(label);
  }
  auto* icon = new QLabel;
  icon->setPixmap(QPixmap::fromImage(LoadImageResource(QLatin1String(kApplicationIcon))));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QGridLayout(this);
  layout->addLayout(texts, 0, 0, 2, 1);
  layout->addWidget(icon, 0, 1, Qt::AlignCenter);
  layout->addWidget(buttons, 1, 1, Qt::AlignBottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
