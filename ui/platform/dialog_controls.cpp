#include "ui/platform/dialog_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStyleOptionButton>

#include "ui/platform/dialog_units.h"
#include "ui/resources/images.h"
#include "ui/resources/resource_ids.h"

namespace {

QWidget* MakeStatic(QWidget* parent, const DialogControl& control) {
  auto* label = new QLabel(QString::fromUtf8(control.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setMargin(0);
  label->setIndent(0);
  Qt::Alignment alignment = Qt::AlignTop | Qt::AlignLeft;
  if (control.style & kTextCentred) alignment = Qt::AlignTop | Qt::AlignHCenter;
  if (control.style & kTextRight) alignment = Qt::AlignTop | Qt::AlignRight;
  label->setAlignment(alignment);
  return label;
}

QWidget* MakePicture(QWidget* parent, const DialogControl& control, QRect& box) {
  auto* label = new QLabel(parent);
  const QImage image = LoadImageResource(control.image);
  label->setPixmap(QPixmap::fromImage(image));
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // An icon control takes its icon's own size, whatever its template says.
  if (control.kind == ControlKind::Icon && !image.isNull()) box.setSize(image.size());
  return label;
}

QPushButton* MakeButton(QWidget* parent, const DialogControl& control) {
  const QString text = QString::fromUtf8(control.text);
  QPushButton* button =
      (control.style & kMultiLine) ? new CWrappingButton(text, parent) : new QPushButton(text, parent);
  // Enter belongs to the dialog, which presses its default button, never the
  // button that happens to have the focus.
  button->setAutoDefault(false);
  button->setDefault(control.style & kDefaultButton);
  button->setFlat(control.style & kFlat);
  return button;
}

QWidget* MakeRadioButton(QWidget* parent, const DialogControl& control) {
  if (control.style & kPushLike) {
    QPushButton* button = MakeButton(parent, control);
    button->setCheckable(true);
    button->setAutoExclusive(control.style & kAutoRadio);
    return button;
  }
  auto* radio = new QRadioButton(QString::fromUtf8(control.text), parent);
  radio->setAutoExclusive(control.style & kAutoRadio);
  return radio;
}

QWidget* MakeSlider(QWidget* parent, const DialogControl& control) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setTickInterval(1);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  slider->setTickPosition((control.style & kSliderTicksBoth) ? QSlider::TicksBothSides : QSlider::NoTicks);
  return slider;
}

}  // namespace

DialogControls CreateDialogControls(QWidget* parent, const DialogTemplate& dialog, const QFont& font) {
  DialogControls controls;
  for (const DialogControl& control : dialog.controls) {
    QRect box = DialogRectToPixels(control.rect);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Static: widget = MakeStatic(parent, control); break;
      case ControlKind::Icon:
      case ControlKind::Picture: widget = MakePicture(parent, control, box); break;
      case ControlKind::PushButton: widget = MakeButton(parent, control); break;
      case ControlKind::RadioButton: widget = MakeRadioButton(parent, control); break;
      case ControlKind::Edit: {
        QLineEdit* edit = (control.style & kNoHorizontalScroll) ? new CFixedWidthEdit(parent) : new QLineEdit(parent);
        edit->setFrame(control.style & kBorder);
        widget = edit;
        break;
      }
      case ControlKind::Slider: widget = MakeSlider(parent, control); break;
      case ControlKind::GroupBox: widget = new QGroupBox(QString::fromUtf8(control.text), parent); break;
    }
    widget->setFont(font);
    widget->setGeometry(box);
    const bool focusable = control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton ||
                           control.kind == ControlKind::Edit || control.kind == ControlKind::Slider;
    if (focusable) widget->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    if (control.id != IDC_STATIC) controls.byId.insert(control.id, widget);
    if (control.style & kDefaultButton) controls.defaultButton = control.id;
    controls.all.push_back(widget);
  }
  return controls;
}

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
  // A price and the resale price after it ("$50 ($25)") stay on one line.
  static const QRegularExpression prices(R"((\$\d+) +\()");
  QString caption = text();
  caption.replace(prices, QStringLiteral("\\1") + QChar(QChar::Nbsp) + '(');
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
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
