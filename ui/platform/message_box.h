#pragma once
// AfxMessageBox: a short message with an OK button, shown modally over the
// main window; the platform's own way to report, for instance, a profile
// that cannot be opened. It is a CDialog with the number
// kMessageBoxTemplateId, so the test seam answers it like any dialog.

#include <QString>

constexpr int kMessageBoxTemplateId = 30721;

// Shows text and waits for OK; returns IDOK (or IDCANCEL for Escape).
int AfxMessageBox(const QString& text);
