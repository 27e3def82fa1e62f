#pragma once
// CDialog: a modal dialog built from a template, and the two dialogs the
// toolkit provides: a message box and the open-file dialog.
//
// A template dialog is a pop-up with a modal frame and no title bar, centred
// over its parent. DoModal answers IDOK (1) or IDCANCEL (2): the button with
// identifier 1 runs OnOK, the button with identifier 2 and the Escape key run
// OnCancel, and Enter presses the template's default button.
//
// While scripted answers are installed (scripted_dialogs.h), no dialog waits
// for a player: the script answers it. Without a script, on a display that
// nobody can see (the offscreen platform), a dialog stops the program with a
// message instead of waiting for ever.

#include <QDialog>

#include <optional>
#include <string>

#include "ui/platform/dialog_controls.h"
#include "ui/resources/resource_ids.h"

class CDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CDialog(int templateId, QWidget* parent = nullptr);

  // Initializes the dialog, shows it centred over its parent and waits for
  // the player's answer: IDOK or IDCANCEL.
  int DoModal();
  // Initializes the dialog and shows it centred over its parent, modal, but
  // returns at once; finished() tells the answer.
  void Open();
  // OnInitDialog, then placement over the parent: what DoModal does before
  // it waits. Tools that only draw the dialog use it.
  void PrepareToShow();

  int TemplateId() const { return templateId_; }
  template <class T = QWidget>
  T* Control(int id) const {
    return controls_.Find<T>(id);
  }

  // Clicks a button as the player would; nothing for other controls.
  void PressButton(int id);
  // Whether the dialog has ended since it was last prepared.
  bool HasEnded() const { return ended_; }
  void done(int result) override;

 protected:
  virtual void OnInitDialog() {}
  virtual void OnOK() { done(IDOK); }
  virtual void OnCancel() { done(IDCANCEL); }

  void keyPressEvent(QKeyEvent* event) override;
  void reject() override { OnCancel(); }  // closing the window by other means
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kFrameWidth = 3;

  int templateId_;
  QWidget* client_;
  DialogControls controls_;
  bool ended_ = false;
};

// Shows text with an OK button over parent and waits for OK.
void ShowMessageBox(QWidget* parent, const QString& text);

// The open-file dialog for an existing file matching nameFilter, as in
// "Tarvell User (*.tvu)". After OK the chosen file's folder is the working
// directory; the answer is the file's name without its folder, or nothing
// for Cancel.
std::optional<std::string> ChooseFileToOpen(QWidget* parent, const QString& nameFilter);
