// Putting the player's units on the board and taking them off: PlaceUnit and
// RemoveUnit change the board and its side effects, BuyUnit and SellUnit move
// the money. Every refusal changes nothing.

#include "model/messages.h"
#include "model/saturating.h"
#include "model/world.h"

bool CWorld::PlaceUnit(int type, int x, int y) {
  if (cells[x][y].unitType != Empty) return false;  // tested before the type
  if (!IsValidUnitCode(type)) {
    PrintMessage(kBadHumanType);
    return false;
  }
  if (!IsPlayerUnit(type)) {
    PrintMessage(kWarnBadHumanType);
    return false;
  }
  if (type == Jammer)
    SetJammed(1, x, y);
  else if (type == Artillery)
    AddArtilleryCover(x, y);
  cells[x][y].unitType = type;
  if (mode == ModePlaying) {
    shownUnits[x][y] = type;
    if (CBoardDisplay* view = View()) view->DrawUnitAt(x, y, shownUnits[x][y]);
  }
  return true;
}

bool CWorld::RemoveUnit(int x, int y) {
  const int type = cells[x][y].unitType;
  if (type == Impassable || type == Water || type == Empty) {
    PrintMessage(kNoHumanToRemove);
    return false;
  }
  if (!IsValidUnitCode(type)) {
    PrintMessage(kBadHumanType);
    return false;
  }
  if (type == Jammer)
    SetJammed(0, x, y);
  else if (type == Artillery)
    RemoveArtilleryCover(x, y);
  cells[x][y].unitType = Empty;
  if (mode == ModePlaying) {
    shownUnits[x][y] = 0;
    ShowDestruction(x, y);
  }
  return true;
}

bool CWorld::BuyUnit(int type, int x, int y) {
  if (!IsValidUnitCode(type)) {
    PrintMessage(kBadHumanType);
    return false;
  }
  if (!IsPlayerUnit(type)) {
    PrintMessage(kWarnBadHumanType);
    return false;
  }
  if (kUnitPrice[type] > treasury) return false;
  if (!PlaceUnit(type, x, y)) return false;
  treasury -= kUnitPrice[type];
  return true;
}

bool CWorld::SellUnit(int x, int y) {
  const int type = cells[x][y].unitType;
  if (!IsValidUnitCode(type)) {
    PrintMessage(kBadHumanType);
    return false;
  }
  if (!IsPlayerUnit(type)) return false;
  if (!RemoveUnit(x, y)) return false;
  SaturatingAdd(treasury, kUnitResale[type]);
  return true;
}
