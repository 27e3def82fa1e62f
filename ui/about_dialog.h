#pragma once
// CAboutDialog: the program's name, version and credits beside its icon,
// shown by Help > About Tarvell. Its answer is not used.

#include <QDialog>

class CAboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent = nullptr);
};
