#pragma once
// CTarvellApp: the program. It seeds the generator, loads the default
// profile, builds the one document, frame and view, and handles the
// commands that change the user or the game's settings: New User, Select
// User, opening a profile, Options and About. New Game and Exit take the
// framework's way (the document's OnNewDocument, the frame's OnClose).

#include "ui/platform/window_app.h"

class CTarvellDoc;
class QWidget;

class CTarvellApp : public CWinApp {
 public:
  // Seeds the generator from the clock.
  CTarvellApp();

  bool InitInstance() override;
  bool OnCmdMsg(int id) override;

  // Opens path as the current user's profile: asks before abandoning a game
  // in progress, saves the outgoing profile, loads this one and starts a new
  // game. Null when the file cannot be opened (the current user and game
  // stay); the current document, unchanged, when the player says "NO".
  CDocument* OpenDocumentFile(const char* path) override;

  void OnNewUser();
  void OnSelectUser();
  void OnOptions();
  void OnAbout();

  // Blocks until the background simulation has ended, testing every
  // second; the window goes on showing what is drawn meanwhile.
  static void WaitForSimulation();

  // The document, or null before the first one exists.
  static CTarvellDoc* Document();

 protected:
  // What the command line asks for (tests give their own).
  virtual CCommandLineInfo CommandLine() const;
};

enum class AbandonAnswer {
  Cancel,     // the player said "NO": the whole command stops
  GoOn,       // nothing to abandon (no game, or still in the first setup)
  Abandoned,  // the game was abandoned and counted as a loss
};

// Before a game in progress (at least one turn played) is left, asks "Are
// you sure?" over parent; "Yes" ends the game and counts it as lost.
AbandonAnswer ConfirmAbandon(QWidget* parent);

// Tells the player, once, that the current profile could not be saved (the
// first failure since its last successful save): where, and why. finalSave
// is the last save before the user changes or the window closes, whose
// record is then lost; otherwise the game tries again at the next save.
void ReportProfileSaveFailure(QWidget* parent, bool finalSave);

// Whether a file may be opened as a profile: its name ends in ".tvu", in any
// letter case. Every profile is written back at the next save, so anything
// else would be overwritten with numbers.
bool IsProfileName(const std::string& path);
