#pragma once
// The one font of every dialog and of the board form.
//
// The templates were sized for a small 8-point sans-serif. The game takes the
// desktop's sans-serif instead and the largest pixel size, between 9 and 13,
// at which every text of every template still fits its control: one line for
// single-line texts, the control's height for texts that wrap.

#include <QFont>

// The dialog font. Chosen once per run, on first use; needs the application
// object to exist.
const QFont& DialogFont();
