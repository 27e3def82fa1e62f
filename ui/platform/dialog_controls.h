#pragma once
// The controls of a dialog template, built as child widgets of the dialog or
// the board form at their pixel rectangles, in template order (which is also
// the Tab order). Controls without an identifier (IDC_STATIC) are built too
// but cannot be looked up.

#include <QHash>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

#include "ui/resources/dialog_templates.h"

struct DialogControls {
  std::vector<QWidget*> all;  // template order
  QHash<int, QWidget*> byId;
  int defaultButton = 0;  // the identifier of the template's default button, or 0

  // The control with this identifier as a T, or null.
  template <class T = QWidget>
  T* Find(int id) const {
    return qobject_cast<T*>(byId.value(id));
  }
};

DialogControls CreateDialogControls(QWidget* parent, const DialogTemplate& dialog, const QFont& font);

// A push button, or a radio button drawn as one, whose caption wraps at word
// boundaries and stays centred in the button (the board form's unit buttons
// and End Setup). A flat button shows its raised edge only while pressed or
// checked.
class CWrappingButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;
  QSize sizeHint() const override { return size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A single-line edit box without horizontal scrolling: typing stops when the
// text fills the visible width, as the player sees all of the name.
class CFixedWidthEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CFixedWidthEdit(QWidget* parent);

 private:
  bool Fits(const QString& text) const;

  QString lastFitting_;
};
