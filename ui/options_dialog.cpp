#include "ui/options_dialog.h"

#include <QSlider>

void COptionsDialog::OnInitDialog() {
  auto* slider = Control<QSlider>(IDC_SPEED);
  slider->setRange(0, kSlowestSpeed);
  slider->setValue(kSlowestSpeed - speed);
  slider->repaint();
}

void COptionsDialog::OnOK() {
  speed = kSlowestSpeed - Control<QSlider>(IDC_SPEED)->value();
  done(IDOK);
}
