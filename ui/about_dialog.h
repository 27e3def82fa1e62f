#pragma once
// CAboutDialog: the program's name, version and credits, shown by
// Help > About Tarvell. Its answer is not used. The version line names the
// version of the build (TARVELL_VERSION), not the one its template was
// written for.

#include <QLabel>

#include "ui/platform/dialog.h"

class CAboutDialog : public CDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent = nullptr) : CDialog(IDD_ABOUT, parent) {
    for (auto* label : findChildren<QLabel*>()) {
      if (label->text().startsWith(QLatin1String("Tarvell Version "))) {
        label->setText(QStringLiteral("Tarvell Version " TARVELL_VERSION));
      }
    }
  }
};
