#pragma once
// CAboutDialog: the program's name, the version of the build and the
// credits beside its icon, shown by Help > About Tarvell. Its answer is not
// used.

#include <QDialog>

class CAboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent = nullptr);
};
