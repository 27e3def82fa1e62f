#include "ui/new_user_dialog.h"

namespace {

bool AllowedInName(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

}  // namespace

void CNewUserDialog::OnOK() {
  const QString typed = GetDlgItemText(IDC_USERNAME, kMaxNameLength);
  int length = 0;
  for (const char32_t c : typed.toUcs4()) {
    name[length++] = AllowedInName(c) ? static_cast<char>(c) : '_';
  }
  name[length] = '\0';
  EndDialog(IDOK);
}
