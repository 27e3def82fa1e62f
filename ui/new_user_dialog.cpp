#include "ui/new_user_dialog.h"

#include <QLineEdit>

namespace {

bool AllowedInName(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

}  // namespace

void CNewUserDialog::OnOK() {
  // Whole characters count, so that one outside the basic plane is never cut
  // in half.
  const QList<uint> typed = Control<QLineEdit>(IDC_USERNAME)->text().toUcs4().mid(0, kMaxNameLength);
  int length = 0;
  for (const char32_t c : typed) {
    name[length++] = AllowedInName(c) ? static_cast<char>(c) : '_';
  }
  name[length] = '\0';
  done(IDOK);
}
