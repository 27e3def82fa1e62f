#pragma once
// CTarvellDoc: the one document. It owns the game the player sees (its
// world, for the whole run) and is that world's owner: the world draws
// through the document's board view, writes the status line of the main
// frame through it, shows the end-of-game messages and paces a shown turn
// with its pauses.
//
// The document's file is the user's profile, but the document itself never
// reads or writes it; the profile functions of the core do.

#include <QCoreApplication>

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
  Q_DECLARE_TR_FUNCTIONS(CTarvellDoc)

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

  // Blocks until the background simulation has ended, testing every second;
  // the window goes on showing what is drawn meanwhile.
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
  void ShowVictory() override;
  void ShowDefeat() override;
  // Pauses the game while the window goes on showing what is drawn; no
  // pause at all once the turn is hurried.
  void Pause(int milliseconds) override;

  // Plays the rest of the turn without pauses, as at speed 0; the next turn
  // is paced as usual again.
  void Hurry() { hurried_ = true; }
  bool Hurried() const { return hurried_; }
  void EndHurry() { hurried_ = false; }

  CWorld world;
  CTarvellView* view = nullptr;
  // The main frame once its creation has finished; null before.
  CMainFrame* mainFrame = nullptr;

 private:
  std::string title_;
  bool hurried_ = false;
};

// Tells the player, once, that the current profile could not be saved (the
// first failure since its last successful save): where, and why. finalSave
// is the last save before the user changes or the window closes, whose
// record is then lost; otherwise the game tries again at the next save.
void ReportProfileSaveFailure(QWidget* parent, bool finalSave);

// The file-name part of a profile name: what follows its last folder
// separator ('/' or '\'), or the whole name.
std::string ProfileTitle(const std::string& profile);
