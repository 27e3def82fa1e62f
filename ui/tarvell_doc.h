#pragma once
// CTarvellDoc: the one document. It owns the game the player sees (its
// world, for the whole run) and is that world's owner: the world draws
// through the document's first view, writes the status line through it,
// shows the end-of-game messages and paces a shown turn with its pauses.
//
// The document's file is the user's profile, but the document itself never
// reads or writes it; the profile functions of the core do.

#include <string>

#include "model/world.h"
#include "ui/platform/document.h"

class CTarvellView;

class CTarvellDoc : public CDocument, public CWorldOwner {
 public:
  CTarvellDoc();
  ~CTarvellDoc() override;

  // New Game, and the first document at start-up: asks before abandoning a
  // game in progress, saves the profile, starts a new game. False (the game
  // goes on unchanged) when the player says "NO".
  bool OnNewDocument() override;

  // The board view, or null before it exists.
  CTarvellView* BoardView() const;

  // CWorldOwner.
  CBoardDisplay* FirstView() override;
  // Shows "Turn %d, Phase %d: " and the message (at most 255 characters in
  // all) in the status line at once; dropped before the main frame exists.
  void SetStatusText(const char* message) override;
  void ShowVictory() override;
  void ShowDefeat() override;
  // Pauses the game while the window goes on showing what is drawn.
  void Pause(int milliseconds) override;

  CWorld world;
};

// The file-name part of a profile name: what follows its last folder
// separator ('/' or '\'), or the whole name.
std::string ProfileTitle(const std::string& profile);
