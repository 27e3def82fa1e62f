#pragma once
// The controls of a dialog template, built as child widgets, and the
// operations that dialogs and the board form use on them by identifier.
//
// A host belongs to the widget that holds the controls (a modal dialog or the
// board form). Controls without an identifier (IDC_STATIC) are built too but
// cannot be addressed.

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

#include "ui/resources/dialog_templates.h"

class CControlHost {
 public:
  // Builds every control of dialog as a child of parent, at its pixel
  // rectangle, in template order (which is also the Tab order). A click on a
  // button or radio button calls onClick with the control's identifier.
  void CreateControls(QWidget* parent, const DialogTemplate& dialog, const QFont& font,
                      std::function<void(int)> onClick);

  // The control with this identifier, or null.
  QWidget* GetDlgItem(int id) const;
  // Every control built, in template order.
  const std::vector<QWidget*>& Controls() const { return controls_; }
  // The identifier of the template's default button, or 0.
  int DefaultButtonId() const { return defaultButton_; }

  // Sets a static text, button caption or edit box text; does nothing for an
  // unknown identifier.
  void SetDlgItemText(int id, const QString& text);
  // The text of a control, cut to at most maxCount characters.
  QString GetDlgItemText(int id, int maxCount) const;

  // Checks radio button check and clears every other radio button whose
  // identifier lies in first..last.
  void CheckRadioButton(int first, int last, int check);
  // The identifier of the checked radio button in first..last, or 0.
  int GetCheckedRadioButton(int first, int last) const;

  // Slider range and position; the position is shown at once.
  void SetSliderRange(int id, int minimum, int maximum);
  void SetSliderPos(int id, int position);
  int GetSliderPos(int id) const;

 private:
  std::map<int, QWidget*> byId_;
  std::vector<QWidget*> controls_;
  int defaultButton_ = 0;
};
