#include "ui/options_dialog.h"

void COptionsDialog::OnInitDialog() {
  SetSliderRange(IDC_SPEED, 0, kSlowestSpeed);
  SetSliderPos(IDC_SPEED, kSlowestSpeed - speed);
}

void COptionsDialog::OnOK() {
  speed = kSlowestSpeed - GetSliderPos(IDC_SPEED);
  EndDialog(IDOK);
}
