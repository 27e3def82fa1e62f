#include "model/world.h"

#include <cstring>

#include "model/messages.h"
#include "model/saturating.h"

CWorld::CWorld()
    : owner(nullptr),
      opponent(nullptr),
      mode(ModeIdle),
      treasury(-1),
      chaosMoney(-1),
      turn(-1),
      phase(-1),
      gameSpeed(1),
      lastPlayerGain(-1),
      lastChaosGain(-1),
      strategyInPlay(-1),
      chaosPurse(kPurseOne) {
  // The board, terrain, shown units and behaviour tables are filled by every
  // path before use (a new game, or a replay's set-up); zero is a safe start.
  std::memset(cells, 0, sizeof cells);
  std::memset(terrain, 0, sizeof terrain);
  std::memset(shownUnits, 0, sizeof shownUnits);
  std::memset(behaviourTables, 0, sizeof behaviourTables);
  for (std::int32_t& threshold : purchaseThresholds) threshold = -1;
}

CWorld::~CWorld() = default;

CBoardDisplay* CWorld::View() const { return owner ? owner->FirstView() : nullptr; }

void CWorld::Pause(int milliseconds) const {
  if (owner) owner->Pause(milliseconds);
}

void CWorld::RefreshDisplay() {
  CBoardDisplay* view = View();
  if (!view) return;
  view->DrawCounters(treasury, turn);
  view->DrawTerrain(terrain);
  view->DrawUnits(shownUnits);
  view->DrawRecord();
}

void CWorld::ShowDestruction(int x, int y) {
  if (mode != ModePlaying) return;
  if (CBoardDisplay* view = View()) view->DrawMarkerAt(x, y);
  Pause(20 * gameSpeed * gameSpeed);
  if (CBoardDisplay* view = View()) view->DrawTerrainAt(x, y, terrain[x][y]);
}

void CWorld::ShowMessage(const char* text) {
  if (owner) owner->SetStatusText(turn, phase, text);
}

void CWorld::StartCounters(std::int32_t startTreasury, std::int32_t startChaosMoney, std::int32_t startTurn) {
  treasury = startTreasury;
  chaosMoney = startChaosMoney;
  turn = startTurn;
  phase = 0;
  lastPlayerGain = 0;
  lastChaosGain = 0;
}

std::int64_t CWorld::UnitsValue(bool& hasRoom, bool& hasUnit) const {
  std::int64_t value = 0;
  int empties = 0, units = 0;  // counted in locals, which the loop keeps in registers
  for (const auto& column : cells)
    for (const Cell& cell : column) {
      const int price = UnitValue(cell.unitType);
      value += price;
      units += price > 0;
      empties += cell.unitType == Empty;
    }
  hasRoom = empties > 0;
  hasUnit = units > 0;
  return value;
}
