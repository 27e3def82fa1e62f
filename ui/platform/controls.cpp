#include "ui/platform/controls.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

QSize CWrappingButton::sizeHint() const { return size(); }

void CWrappingButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  if (isFlat() && !isDown() && !isChecked()) {
    option.features |= QStyleOptionButton::Flat;
  } else {
    option.features &= ~QStyleOptionButton::Flat;
  }
  style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
  const QRect textArea = rect().adjusted(4, 2, -4, -2);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

CFixedWidthEdit::CFixedWidthEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (Fits(text)) {
      lastFitting_ = text;
    } else {
      const int cursor = cursorPosition() - (text.size() - lastFitting_.size());
      setText(lastFitting_);
      setCursorPosition(std::max(0, cursor));
    }
  });
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (Fits(text)) lastFitting_ = text;
  });
}

bool CFixedWidthEdit::Fits(const QString& text) const {
  const QMargins margins = textMargins();
  // The frame and the inner margin of the box take a few pixels on each side.
  const int visible = width() - margins.left() - margins.right() - 8;
  return fontMetrics().horizontalAdvance(text) <= visible;
}
