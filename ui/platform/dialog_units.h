#pragma once
// Dialog units to pixels.
//
// Every template is laid out for a font whose average character is 6 x 13
// pixels, which makes one dialog unit 1.5 pixels across and 1.625 pixels down.
// The game keeps that scale whatever font the desktop offers: the board is
// painted at fixed pixel positions between the form's two columns, and only
// this scale keeps it there. Each of x, y, width and height is converted on
// its own and rounded down, so a 23 x 21 picture box is 34 x 34 pixels.

#include <QRect>
#include <QSize>

#include "ui/resources/dialog_templates.h"

constexpr int kDialogUnitPixelsX2 = 3;   // 1.5 pixels per unit across, doubled
constexpr int kDialogUnitPixelsX8 = 13;  // 1.625 pixels per unit down, times eight

constexpr int DialogUnitsToPixelsX(int units) { return units * kDialogUnitPixelsX2 / 2; }
constexpr int DialogUnitsToPixelsY(int units) { return units * kDialogUnitPixelsX8 / 8; }

inline QRect DialogRectToPixels(const DialogRect& r) {
  return QRect(DialogUnitsToPixelsX(r.x), DialogUnitsToPixelsY(r.y), DialogUnitsToPixelsX(r.width),
               DialogUnitsToPixelsY(r.height));
}

inline QSize DialogSizeToPixels(const DialogTemplate& dialog) {
  return QSize(DialogUnitsToPixelsX(dialog.width), DialogUnitsToPixelsY(dialog.height));
}
