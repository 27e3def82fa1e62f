#pragma once
// CDialog: a modal dialog built from a template.
//
// The dialog is a pop-up with a modal frame and no title bar, centred over
// its parent. DoModal answers IDOK (1) or IDCANCEL (2): the button with
// identifier 1 runs OnOK, the button with identifier 2 and the Escape key run
// OnCancel, and Enter presses the template's default button. A subclass reads
// and fills its controls in OnInitDialog and OnOK.
//
// While a dialog responder is installed (dialog_responder.h), DoModal runs no
// event loop: the responder answers the dialog. Without one, on a display
// that nobody can see (the offscreen platform), DoModal stops the program
// with a message instead of waiting for ever.

#include <QDialog>
#include <QString>

#include "ui/platform/control_host.h"
#include "ui/resources/resource_ids.h"

class CDialog : public QDialog {
 public:
  CDialog(int templateId, QWidget* parent = nullptr);
  // A dialog from a template made at run time (the platform's message box).
  CDialog(const DialogTemplate& layout, QWidget* parent = nullptr);

  // Initializes the dialog, shows it centred over its parent and waits for
  // the player's answer: IDOK or IDCANCEL.
  int DoModal();
  // The modal loop itself, without the test seam.
  int RunModalLoop();

  int TemplateId() const { return templateId_; }
  // Ends the dialog with result, which DoModal then returns.
  void EndDialog(int result);
  // Whether EndDialog has been called since the dialog was last shown.
  bool HasEnded() const { return ended_; }
  // Clicks a button as the player would; does nothing for other controls.
  void PressButton(int id);

  QWidget* GetDlgItem(int id) const { return controls_.GetDlgItem(id); }
  const std::vector<QWidget*>& Controls() const { return controls_.Controls(); }
  int DefaultButtonId() const { return controls_.DefaultButtonId(); }
  void SetDlgItemText(int id, const QString& text) { controls_.SetDlgItemText(id, text); }
  QString GetDlgItemText(int id, int maxCount) const { return controls_.GetDlgItemText(id, maxCount); }
  void SetSliderRange(int id, int minimum, int maximum) { controls_.SetSliderRange(id, minimum, maximum); }
  void SetSliderPos(int id, int position) { controls_.SetSliderPos(id, position); }
  int GetSliderPos(int id) const { return controls_.GetSliderPos(id); }

  // The widget that holds the controls; its size is the template's size in
  // pixels and control rectangles are relative to it.
  QWidget* ClientArea() const { return client_; }

  // Sets up the dialog as DoModal does before it waits: OnInitDialog, then
  // placement over the parent. Tools that only draw the dialog use it.
  void PrepareToShow();

 protected:
  // Called by DoModal once the controls exist, before the dialog shows.
  virtual void OnInitDialog() {}
  // The button with identifier 1 (or Enter on it): ends the dialog with IDOK.
  virtual void OnOK() { EndDialog(IDOK); }
  // The button with identifier 2, Escape, or closing the window: IDCANCEL.
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Any other button.
  virtual void OnCommand(int) {}

  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kFrameWidth = 3;

  void Build(const DialogTemplate* layout);
  void OnButton(int id);
  void CenterOverParent();

  int templateId_;
  QWidget* client_;
  CControlHost controls_;
  bool ended_ = false;
  int result_ = IDCANCEL;
};
