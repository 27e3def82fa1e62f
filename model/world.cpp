#include "model/world.h"

#include <algorithm>
#include <cstring>
#include <iterator>

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

void CWorld::ReportDestruction(int what, int x, int y, const char* text) {
  if (owner) owner->ReportDestruction(turn, phase, what, x, y, text);
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
  UnitSquares found;
  return UnitsValue(hasRoom, hasUnit, found);
}

std::int64_t CWorld::UnitsValue(bool& hasRoom, bool& hasUnit, UnitSquares& found) const {
  // The walk only lists; the few listed squares are priced after it, and the
  // search for an Empty square usually ends within the first few.
  // Whether a square holds a player unit, by code + 2 (Impassable to Artillery).
  static constexpr std::size_t kIsUnit[11] = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1};
  std::size_t listed = 0, badCodes = 0;  // counted in locals, which the loop keeps in registers
  const Cell* const board = &cells[0][0];
#pragma GCC unroll 4
  for (int square = 0; square < kBoardSquares; ++square) {
    const unsigned row = static_cast<unsigned>(board[square].unitType - Impassable);
    if (row >= std::size(kIsUnit)) [[unlikely]] {
      PrintMessage(kBadHumanType);
      found.squares[listed++] = static_cast<std::int16_t>(square);
      ++badCodes;
      continue;
    }
    found.squares[listed] = static_cast<std::int16_t>(square);  // kept only where a unit stands
    listed += kIsUnit[row];
  }
  found.count = static_cast<int>(listed);
  std::int64_t value = 0;
  for (std::size_t i = 0; i < listed; ++i) {
    const int type = board[found.squares[i]].unitType;
    if (IsPlayerUnit(type)) value += kUnitPrice[type];
  }
  hasRoom = std::any_of(board, board + kBoardSquares, [](const Cell& cell) { return cell.unitType == Empty; });
  hasUnit = listed > badCodes;
  return value;
}
