#include "ui/options_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/message_dialogs.h"

COptionsDialog::COptionsDialog(int speed, ChaosMode mode, QWidget* parent)
    : QDialog(parent), slider_(new QSlider(Qt::Horizontal)), adaptive_(new QRadioButton(tr("&Adaptive"))) {
  setObjectName(QLatin1String(IDD_OPTIONS));
  setWindowTitle(tr("Options"));
  slider_->setObjectName(QStringLiteral("IDC_SPEED"));
  slider_->setRange(0, kSlowestSpeed);
  slider_->setSingleStep(1);
  slider_->setPageStep(1);
  slider_->setTickInterval(1);
  slider_->setTickPosition(QSlider::TicksBothSides);
  slider_->setValue(kSlowestSpeed - speed);
  // About 38 average characters wide, at every zoom.
  slider_->setMinimumWidth(slider_->fontMetrics().averageCharWidth() * 38);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Slowest")), 0, 1, Qt::AlignLeft);
  grid->addWidget(new QLabel(tr("Fastest")), 0, 2, Qt::AlignRight);
  grid->addWidget(new QLabel(tr("Game Speed:")), 1, 0);
  grid->addWidget(slider_, 1, 1, 1, 2);
  // The two buttons share this parent and so exclude each other.
  auto* classic = new QRadioButton(tr("&Classic"));
  classic->setObjectName(QStringLiteral("IDC_CHAOS_CLASSIC"));
  adaptive_->setObjectName(QStringLiteral("IDC_CHAOS_ADAPTIVE"));
  (mode == ChaosMode::Adaptive ? adaptive_ : classic)->setChecked(true);
  auto* modes = new QHBoxLayout;
  modes->addWidget(classic);
  modes->addWidget(adaptive_);
  modes->addStretch();
  grid->addWidget(new QLabel(tr("Chaos:")), 2, 0);
  grid->addLayout(modes, 2, 1, 1, 2);
  grid->addWidget(new QLabel(tr("A change of Chaos's mode applies from the next new game.")), 3, 1, 1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int COptionsDialog::Speed() const { return kSlowestSpeed - slider_->value(); }

ChaosMode COptionsDialog::Chaos() const { return adaptive_->isChecked() ? ChaosMode::Adaptive : ChaosMode::Classic; }
