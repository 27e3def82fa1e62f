#include "ui/platform/control_host.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "ui/platform/controls.h"
#include "ui/platform/dialog_units.h"
#include "ui/resources/images.h"
#include "ui/resources/resource_ids.h"

namespace {

// The identifier every control carries as a property, for lookups by tests
// and by the tools that render the dialogs.
constexpr const char* kControlIdProperty = "controlId";

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

QWidget* MakeButton(QWidget* parent, const DialogControl& control) {
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
    auto* button = static_cast<QPushButton*>(MakeButton(parent, control));
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

void CControlHost::CreateControls(QWidget* parent, const DialogTemplate& dialog, const QFont& font,
                                  std::function<void(int)> onClick) {
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
        auto* edit = new CFixedWidthEdit(parent);
        edit->setFrame(control.style & kBorder);
        widget = edit;
        break;
      }
      case ControlKind::Slider: widget = MakeSlider(parent, control); break;
      case ControlKind::GroupBox: widget = new QGroupBox(QString::fromUtf8(control.text), parent); break;
    }
    widget->setFont(font);
    widget->setGeometry(box);
    widget->setProperty(kControlIdProperty, control.id);
    const bool focusable = control.kind == ControlKind::PushButton || control.kind == ControlKind::RadioButton ||
                           control.kind == ControlKind::Edit || control.kind == ControlKind::Slider;
    if (focusable) widget->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      const int id = control.id;
      QObject::connect(button, &QAbstractButton::clicked, button, [onClick, id] {
        if (onClick) onClick(id);
      });
    }
    if (control.id != IDC_STATIC) byId_[control.id] = widget;
    if (control.style & kDefaultButton) defaultButton_ = control.id;
    controls_.push_back(widget);
  }
}

QWidget* CControlHost::GetDlgItem(int id) const {
  const auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : found->second;
}

void CControlHost::SetDlgItemText(int id, const QString& text) {
  QWidget* widget = GetDlgItem(id);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(text);
  }
}

QString CControlHost::GetDlgItemText(int id, int maxCount) const {
  QWidget* widget = GetDlgItem(id);
  QString text;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    text = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    text = button->text();
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    text = edit->text();
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    text = group->title();
  }
  // Count whole characters, so that a character outside the basic plane is
  // never cut in half.
  const QList<uint> characters = text.toUcs4();
  if (characters.size() <= maxCount) return text;
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), std::max(0, maxCount));
}

void CControlHost::CheckRadioButton(int first, int last, int check) {
  for (int id = first; id <= last; ++id) {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    if (button == nullptr || !button->isCheckable()) continue;
    // An exclusive button refuses to be cleared directly; lift the rule for
    // the moment of the change.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(id == check);
    button->setAutoExclusive(exclusive);
  }
}

int CControlHost::GetCheckedRadioButton(int first, int last) const {
  for (int id = first; id <= last; ++id) {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    if (button != nullptr && button->isCheckable() && button->isChecked()) return id;
  }
  return 0;
}

void CControlHost::SetSliderRange(int id, int minimum, int maximum) {
  if (auto* slider = qobject_cast<QSlider*>(GetDlgItem(id))) slider->setRange(minimum, maximum);
}

void CControlHost::SetSliderPos(int id, int position) {
  if (auto* slider = qobject_cast<QSlider*>(GetDlgItem(id))) {
    slider->setValue(position);
    slider->repaint();
  }
}

int CControlHost::GetSliderPos(int id) const {
  auto* slider = qobject_cast<QSlider*>(GetDlgItem(id));
  return slider == nullptr ? 0 : slider->value();
}
