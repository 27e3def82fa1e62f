#pragma once
// CAboutDialog: the program's name, version and credits, shown by
// Help > About Tarvell. Its answer is not used.

#include "ui/platform/dialog.h"

class CAboutDialog : public CDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent = nullptr) : CDialog(IDD_ABOUT, parent) {}
};
