#pragma once
// The dialogs of the game that Qt provides: the four messages with a fixed
// text (the confirmation "Are you sure?", the question before a profile is
// overwritten, and the two end-of-game messages), the program's other
// messages and the open-file dialog. Every message box is titled "Tarvell".
//
// Each dialog's object name is its identifier below.

#include <QString>

#include <optional>
#include <string>

class QMessageBox;
class QWidget;

inline constexpr char IDD_ABOUT[] = "IDD_ABOUT";
inline constexpr char IDD_DEFEAT[] = "IDD_DEFEAT";
inline constexpr char IDD_VICTORY[] = "IDD_VICTORY";
inline constexpr char IDD_CONFIRM[] = "IDD_CONFIRM";
inline constexpr char IDD_OVERWRITE[] = "IDD_OVERWRITE";
inline constexpr char IDD_CONTINUE[] = "IDD_CONTINUE";
inline constexpr char IDD_ANOTHER_USER[] = "IDD_ANOTHER_USER";
inline constexpr char IDD_NEW_USER[] = "IDD_NEW_USER";
inline constexpr char IDD_OPTIONS[] = "IDD_OPTIONS";

// "Are you sure?": true only for "Yes". Enter and Escape answer "NO", the
// default button, wherever the focus is.
bool AskAreYouSure(QWidget* parent);

// "This user model already exists. Do you want to overwrite it?": true only
// for "Yes". Enter and Escape answer "NO".
bool AskOverwriteProfile(QWidget* parent);

// Before a game that would count as lost is left for another user or the
// close: "Leaving this game counts as a loss. Are you sure?" with "Yes",
// "NO" (the default, and Escape) and "Keep for later".
enum class LeaveAnswer { Stay, Leave, Keep };
LeaveAnswer AskLeaveOrKeep(QWidget* parent);

// "Continue your game from turn N?": true for "Yes" (the default).
bool AskContinueGame(QWidget* parent, int turn);

// At the start, when the default profile cannot be used (problem says
// why): "New User...", "Select User..." or "Play Without Saving" (Escape).
enum class AnotherUser { New, Select, None };
AnotherUser AskAnotherUser(QWidget* parent, const QString& problem);

// The end-of-game messages, made to be shown over parent (with exec() or
// open()); each deletes itself once closed.
QMessageBox* CreateVictoryMessage(QWidget* parent);
QMessageBox* CreateDefeatMessage(QWidget* parent);

// Shows text with an OK button over parent and waits for OK.
void ShowMessageBox(QWidget* parent, const QString& text);

// The open-file dialog for an existing file matching nameFilter, as in
// "Tarvell User (*.tvu)". After OK the chosen file's folder is the working
// directory; the answer is the file's name without its folder, or nothing
// for Cancel.
std::optional<std::string> ChooseFileToOpen(QWidget* parent, const QString& nameFilter);
