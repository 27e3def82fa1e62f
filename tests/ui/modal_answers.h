#pragma once
// Answers the dialogs the code under test opens, as a player would, and
// fails any that nobody answers.
//
// A timer of the event loop (which keeps running inside a dialog's exec())
// looks for QApplication::activeModalWidget(). A dialog the script expects
// next gets its scripted answer: a button pressed, a key typed, a file
// chosen. A dialog the script does not expect fails the test, naming it, and
// is rejected; so is one left open for more than kWatchdogMilliseconds. No
// test ever waits for a person.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <Qt>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

enum class Answer { Accept, Reject };
inline constexpr Answer kAccept = Answer::Accept;  // OK, or "Yes"
inline constexpr Answer kReject = Answer::Reject;  // Cancel, or "NO"

class ModalAnswers : public QObject {
 public:
  static constexpr int kWatchdogMilliseconds = 5000;
  // The name Shown() records for Qt's open-file dialog and message boxes.
  static constexpr char kFileDialog[] = "file dialog";
  static constexpr char kMessageBox[] = "message box";

  // The one instance, made by the test program's main().
  static ModalAnswers& Instance();
  ModalAnswers();
  ~ModalAnswers() override;

  // The next dialog must have this object name; button is pressed.
  ModalAnswers& Press(const char* dialog, Answer button);
  // The next dialog must have this object name; key is typed into it.
  ModalAnswers& Type(const char* dialog, Qt::Key key);
  // The next dialog must have this object name; action does what the player
  // would (fill controls, press a button) and must close it.
  ModalAnswers& Do(const char* dialog, std::function<void(QDialog&)> action);
  // The next dialog must be the open-file dialog; it chooses path or, with
  // nothing, is cancelled.
  ModalAnswers& ChooseFile(std::optional<std::string> path);
  // The next dialog must be a message box (not one of the game's named
  // questions); its text goes to text, if given.
  ModalAnswers& Acknowledge(QString* text = nullptr);

  bool AllAnswered() const { return script_.empty(); }
  // Forgets what is left of the script and what was shown.
  void Reset();
  // The object name of every dialog answered so far, in order.
  const std::vector<std::string>& Shown() const { return shown_; }

  // Presses a dialog's button as the player would.
  static void PressButton(QDialog& dialog, Answer button);

 private:
  struct Step {
    std::string dialog;
    std::function<void(QDialog&)> action;
  };
  void Look();
  std::string NameOf(QWidget* modal) const;

  std::deque<Step> script_;
  std::vector<std::string> shown_;
  QTimer timer_;
  QPointer<QWidget> current_;  // the modal dialog being answered or watched
  int watchedFor_ = 0;         // milliseconds
};
