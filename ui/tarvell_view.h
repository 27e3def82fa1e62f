#pragma once
// CTarvellView: the board form. Its left column holds the unit buttons, the
// treasury and turn counters, End Setup and the player's record; its right
// column the legend of the barbarian kinds; between them the view paints the
// 24 x 24 board in pixels: tile (x, y) at (190 + 21x, 15 + 21y), icons 2
// pixels inside the tile, the destruction marker 4 pixels inside.
//
// Every drawing operation draws at once; nothing is drawn again until it is
// drawn over, so a removed unit vanishes only when its tile is drawn anew.
//
// Between turns a left click (press and release on the same square) buys
// the selected unit type there, a right click sells, and End Setup plays a
// turn. While a turn plays the window takes no input.

#include "model/owner.h"
#include "ui/platform/bitmap.h"
#include "ui/platform/view.h"

class CTarvellDoc;
class CWorld;

class CTarvellView : public CFormView, public CBoardDisplay {
 public:
  CTarvellView();
  ~CTarvellView() override;

  CTarvellDoc* GetDocument() const;

  // After every new or opened document: a full repaint, the frame shrunk to
  // the form, Drone selected, no press pending.
  void OnInitialUpdate() override;
  // Repaint: counters, terrain, the player's units.
  void OnDraw() override;

  // CBoardDisplay.
  void DrawCounters() override;
  void DrawTurnPhase() override;
  void DrawRecord() override;
  void DrawTerrain() override;
  void DrawTerrainAt(int x, int y) override;
  void DrawUnits() override;
  void DrawUnitAt(int x, int y) override;
  void DrawBarbarians(const CUnit* head) override;
  void DrawBarbarian(const CUnit* unit) override;
  void DrawMarkerAt(int x, int y) override;

  void OnLButtonDown(int x, int y) override;
  void OnLButtonUp(int x, int y) override;
  void OnRButtonDown(int x, int y) override;
  void OnRButtonUp(int x, int y) override;
  bool OnCmdMsg(int id) override;

  // Selects the unit type (1..8) that a left click buys.
  void SelectUnitType(int type);
  // End Setup: plays one turn when a game is in progress, after "Are you
  // sure?" when more than $1000 would be left unspent.
  void OnEndSetup();

  // The square under client point (px, py), or false when it lies off the
  // board (the board's outer black edge included).
  static bool SquareAt(int px, int py, int& column, int& row);

  int selectedType = 1;
  int leftPress[2] = {-1, -1};
  int rightPress[2] = {-1, -1};

 private:
  CWorld* World() const;
  bool Playing() const;

  CBitmap terrainImages_[8];
  CBitmap unitImages_[8];
  CBitmap barbarianImages_[8];
  CBitmap markerImage_;
};
