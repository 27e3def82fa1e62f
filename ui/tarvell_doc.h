#pragma once
// CTarvellDoc: the one document. It owns the game the player sees (its
// world, for the whole run) and is that world's owner: the world draws
// through the document's board view, writes the status line of the main
// frame through it. A shown turn, with its pauses and end-of-game messages,
// is recorded and played back by the view (TurnPlayback).
//
// The document's file is the user's profile, but the document itself never
// reads or writes it; the profile functions of the core do.

#include <string>

#include "model/world.h"

class CMainFrame;
class CTarvellView;
class QWidget;

enum class AbandonAnswer {
  Cancel,   // the player said "NO": the whole command stops
  GoOn,     // nothing to abandon (no game, or still in the first setup)
  Abandon,  // the player said "Yes": the game is to be abandoned
};

class CTarvellDoc : public CWorldOwner {
 public:
  CTarvellDoc();
  ~CTarvellDoc() override;
  CTarvellDoc(const CTarvellDoc&) = delete;
  CTarvellDoc& operator=(const CTarvellDoc&) = delete;

  // New Game, and the first document at start-up: asks before abandoning a
  // game in progress, saves the profile, starts a new game. False (the game
  // goes on unchanged) when the player says "NO".
  bool OnNewDocument();

  // Before a game in progress (at least one turn played) is left, asks "Are
  // you sure?" over parent. Asking changes nothing; the caller abandons.
  AbandonAnswer ConfirmAbandon(QWidget* parent) const;
  // Ends the game in progress and counts it as lost.
  void Abandon();

  // Blocks until the background simulation has ended, testing every second.
  static void WaitForSimulation();

  // The file-name part of the profile's name, shown in the window title.
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }

  // CWorldOwner.
  CBoardDisplay* FirstView() override;
  // Shows "Turn %d, Phase %d: " and the message (at most 255 characters in
  // all) in the status line, on screen with the board's next update; dropped
  // before the main frame exists.
  void SetStatusText(int turn, int phase, const char* message) override;
  // A turn and a sale are shown by the view's TurnPlayback, which stands in
  // as the world's owner while they are computed: the document itself never
  // pauses, and opens an end-of-game message without waiting for it.
  void ShowVictory() override;
  void ShowDefeat() override;
  void Pause(int /*milliseconds*/) override {}

  CWorld world;
  CTarvellView* view = nullptr;
  // The main frame once its creation has finished; null before.
  CMainFrame* mainFrame = nullptr;

 private:
  std::string title_;
};

// Tells the player, once, that the current profile could not be saved (the
// first failure since its last successful save): where, and why. finalSave
// is the last save before the user changes or the window closes, whose
// record is then lost; otherwise the game tries again at the next save.
void ReportProfileSaveFailure(QWidget* parent, bool finalSave);

// The file-name part of a profile name: what follows its last folder
// separator ('/' or '\'), or the whole name.
std::string ProfileTitle(const std::string& profile);
