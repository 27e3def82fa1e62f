#include "ui/resources/dialog_font.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include "ui/platform/dialog_units.h"
#include "ui/resources/dialog_templates.h"

namespace {

constexpr int kLargestPixelSize = 13;
constexpr int kSmallestPixelSize = 9;

// Room that a control's own drawing takes from its text: the frame and
// margins of a button, the indicator of a group box.
constexpr int kButtonMargin = 6;

bool TextFits(const QFontMetrics& metrics, const DialogControl& control) {
  const QRect box = DialogRectToPixels(control.rect);
  const QString text = QString::fromUtf8(control.text);
  if (text.isEmpty()) return true;
  switch (control.kind) {
    case ControlKind::Static: {
      // Static texts wrap at word boundaries; a one-line control must still
      // hold its text on one line.
      const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, text);
      return needed.width() <= box.width() && needed.height() <= std::max(box.height(), metrics.height());
    }
    case ControlKind::PushButton:
    case ControlKind::RadioButton: {
      const QRect inner = box.adjusted(kButtonMargin, 2, -kButtonMargin, -2);
      const int flags = (control.style & kMultiLine) ? Qt::TextWordWrap : Qt::TextSingleLine;
      const QRect needed = metrics.boundingRect(QRect(0, 0, inner.width(), 10000), flags, text);
      return needed.width() <= inner.width() && needed.height() <= inner.height();
    }
    case ControlKind::GroupBox: return metrics.horizontalAdvance(text) + 2 * kButtonMargin <= box.width();
    default: return true;
  }
}

bool EveryTextFits(const QFont& font) {
  const QFontMetrics metrics(font);
  for (const DialogTemplate& dialog : AllDialogTemplates()) {
    for (const DialogControl& control : dialog.controls) {
      if (!TextFits(metrics, control)) return false;
    }
  }
  return true;
}

QFont ChooseDialogFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  for (int size = kLargestPixelSize; size > kSmallestPixelSize; --size) {
    font.setPixelSize(size);
    for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
      font.setStretch(stretch);
      if (EveryTextFits(font)) return font;
    }
  }
  font.setStretch(QFont::Condensed);
  font.setPixelSize(kSmallestPixelSize);
  return font;
}

}  // namespace

const QFont& DialogFont() {
  static const QFont font = ChooseDialogFont();
  return font;
}
