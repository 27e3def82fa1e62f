#pragma once
// CNewUserDialog: asks for the name of a new user.
//
// On OK, name holds at most 250 characters of the typed name with every
// character other than A-Z, a-z and 0-9 replaced by "_" (characters outside
// ASCII included), so that the profile file the caller makes of it (name +
// ".tvu", which still fits the 256-byte buffer) always lies in the working
// directory. On Cancel, name is left as it was. The name box does not
// scroll: it takes only as much text as it shows.

#include <QDialog>

class QLineEdit;

class CNewUserDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxNameLength = 250;

  explicit CNewUserDialog(QWidget* parent = nullptr);

  void accept() override;

  char name[256] = {};

 private:
  QLineEdit* edit_;
};
