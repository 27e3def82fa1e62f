#include "ui/board_reading.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>

#include "engine/turn.h"
#include "model/board.h"
#include "model/world.h"
#include "ui/unit_texts.h"

namespace {

// The translation context of these texts.
class BoardReading {
  Q_DECLARE_TR_FUNCTIONS(BoardReading)
};

// The terrain's name by code; codes without a name are not terrain.
const char* TerrainName(int code) {
  switch (code) {
    case TerrainWater: return QT_TRANSLATE_NOOP("BoardReading", "Water");
    case TerrainLand1: return QT_TRANSLATE_NOOP("BoardReading", "Lowland");
    case TerrainLand2: return QT_TRANSLATE_NOOP("BoardReading", "Grassland");
    case TerrainLand3: return QT_TRANSLATE_NOOP("BoardReading", "Hills");
    case TerrainLand4: return QT_TRANSLATE_NOOP("BoardReading", "High hills");
    case TerrainImpassable: return QT_TRANSLATE_NOOP("BoardReading", "Impassable ground");
    case TerrainSiteLand2: return QT_TRANSLATE_NOOP("BoardReading", "Site on grassland");
    case TerrainSiteLand3: return QT_TRANSLATE_NOOP("BoardReading", "Site on hills");
    default: return nullptr;
  }
}

// "+100", "-50", "+1": a bonus with its sign.
QString Signed(int value) {
  return (value >= 0 ? QStringLiteral("+") : QStringLiteral("-")) + QString::number(std::abs(value));
}

}  // namespace

QString IncomeMark(int code) {
  const int bonus = TerrainEffectOf(code).incomeBonus;
  return bonus == 0 ? QString() : Signed(kIncomeStep * bonus);
}

QString DefenceMark(int code) {
  const int bonus = TerrainEffectOf(code).defenceBonus;
  return bonus == 0 ? QString() : Signed(bonus);
}

QString SquareDescription(const CWorld& world, int x, int y) {
  const int code = world.terrain[x][y];
  const char* name = TerrainName(code);
  QString text = BoardReading::tr("(%1,%2) %3").arg(x).arg(y).arg(name != nullptr ? BoardReading::tr(name) : QString());
  const TerrainEffect effect = TerrainEffectOf(code);
  QStringList bonuses;
  if (effect.incomeBonus != 0) {
    const int dollars = kIncomeStep * effect.incomeBonus;
    bonuses << BoardReading::tr("income %1").arg((dollars > 0 ? QStringLiteral("+") : QString()) + MoneyText(dollars));
  }
  if (effect.defenceBonus != 0) bonuses << BoardReading::tr("defence %1").arg(Signed(effect.defenceBonus));
  if (!bonuses.isEmpty()) text = BoardReading::tr("%1: %2").arg(text, bonuses.join(BoardReading::tr(", ")));
  const int unit = world.At(x, y).unitType;
  if (IsPlayerUnit(unit)) text = BoardReading::tr("%1 · %2").arg(text, UnitName(unit));
  return text;
}

QString WorthLine(std::int64_t worth, std::int64_t chaosMoney) {
  return BoardReading::tr("Your worth %1 · victory above %2 (%3 × Chaos's %4) · defeat below %5")
      .arg(MoneyText(worth), MoneyText(VictoryLine(chaosMoney)))
      .arg(kWinFactor)
      .arg(MoneyText(chaosMoney), MoneyText(kLossFloor));
}

QString WorthLine(const CWorld& world) { return WorthLine(PlayerWorth(world), world.chaosMoney); }

QString WorthToolTip() {
  return BoardReading::tr(
      "Your worth is your money plus your units at their full price. At the end of a turn you win when it is above "
      "the victory line and lose when it is below the defeat line. During a turn, income, your losses, and Chaos's "
      "losses and loot move both sides.");
}
