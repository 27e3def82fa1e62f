#pragma once
// Control kinds that the toolkit lacks in the form the templates ask for.

#include <QLineEdit>
#include <QPushButton>

// A push button, or a radio button drawn as one, whose caption wraps at word
// boundaries and stays centred in the button (the board form's unit buttons
// and End Setup). A flat button shows its raised edge only while pressed or
// checked.
class CWrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A single-line edit box without horizontal scrolling: typing stops when the
// text fills the visible width, as the player sees all of the name.
class CFixedWidthEdit : public QLineEdit {
 public:
  explicit CFixedWidthEdit(QWidget* parent);

  // Whether text would fit the box's visible width.
  bool Fits(const QString& text) const;

 private:
  QString lastFitting_;
};
