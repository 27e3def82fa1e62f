#pragma once
// COptionsDialog: the game speed on a slider of six positions, "Slowest" on
// the left (position 0, speed 5) to "Fastest" on the right (position 5,
// speed 0). The caller sets speed before DoModal and reads it after OK.

#include "ui/platform/dialog.h"

class COptionsDialog : public CDialog {
  Q_OBJECT

 public:
  static constexpr int kSlowestSpeed = 5;

  explicit COptionsDialog(QWidget* parent = nullptr) : CDialog(IDD_OPTIONS, parent) {}

  int speed = 0;

 protected:
  void OnInitDialog() override;
  void OnOK() override;
};
