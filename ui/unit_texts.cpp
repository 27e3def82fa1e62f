#include "ui/unit_texts.h"

#include <QCoreApplication>

#include "model/board.h"
#include "model/world.h"
#include "units/combat.h"
#include "units/unit.h"

namespace {

// The translation context of these texts.
class UnitTexts {
  Q_DECLARE_TR_FUNCTIONS(UnitTexts)
};

const char* const kUnitNames[9] = {
    "",
    QT_TRANSLATE_NOOP("UnitTexts", "Drone"),
    QT_TRANSLATE_NOOP("UnitTexts", "Mine"),
    QT_TRANSLATE_NOOP("UnitTexts", "Farmer"),
    QT_TRANSLATE_NOOP("UnitTexts", "Infantry"),
    QT_TRANSLATE_NOOP("UnitTexts", "Settler"),
    QT_TRANSLATE_NOOP("UnitTexts", "Armor"),
    QT_TRANSLATE_NOOP("UnitTexts", "Jammer"),
    QT_TRANSLATE_NOOP("UnitTexts", "Artillery"),
};

// The names with their article: "a Farmer", "an Infantry".
const char* const kUnitNamesWithArticle[9] = {
    "",
    QT_TRANSLATE_NOOP("UnitTexts", "a Drone"),
    QT_TRANSLATE_NOOP("UnitTexts", "a Mine"),
    QT_TRANSLATE_NOOP("UnitTexts", "a Farmer"),
    QT_TRANSLATE_NOOP("UnitTexts", "an Infantry"),
    QT_TRANSLATE_NOOP("UnitTexts", "a Settler"),
    QT_TRANSLATE_NOOP("UnitTexts", "an Armor"),
    QT_TRANSLATE_NOOP("UnitTexts", "a Jammer"),
    QT_TRANSLATE_NOOP("UnitTexts", "an Artillery"),
};

// What sets each unit apart, beyond its numbers.
const char* const kUnitRoles[9] = {
    "",
    QT_TRANSLATE_NOOP("UnitTexts", "Cheap income."),
    "",
    QT_TRANSLATE_NOOP("UnitTexts", "The best income, but no defence to speak of."),
    QT_TRANSLATE_NOOP("UnitTexts", "A sturdy defender."),
    QT_TRANSLATE_NOOP("UnitTexts", "Income and some defence."),
    QT_TRANSLATE_NOOP("UnitTexts", "The strongest defender."),
    QT_TRANSLATE_NOOP("UnitTexts", "Jams every square within 4: barbarians there learn nothing from their Scouts."),
    "",
};

const char* const kKindNames[kKindCount] = {
    QT_TRANSLATE_NOOP("UnitTexts", "Scout"),
    QT_TRANSLATE_NOOP("UnitTexts", "Scavenger"),
    QT_TRANSLATE_NOOP("UnitTexts", "Common Barbarian"),
    QT_TRANSLATE_NOOP("UnitTexts", "Amphibious Barbarian"),
    QT_TRANSLATE_NOOP("UnitTexts", "Mobile Barbarian"),
    QT_TRANSLATE_NOOP("UnitTexts", "Jump Barbarian"),
    QT_TRANSLATE_NOOP("UnitTexts", "Kamikazee Barbarian"),
    QT_TRANSLATE_NOOP("UnitTexts", "Armored Barbarian"),
};

const char* const kKindRoles[kKindCount] = {
    QT_TRANSLATE_NOOP("UnitTexts",
                      "Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians "
                      "where it stands."),
    QT_TRANSLATE_NOOP("UnitTexts",
                      "Fights nobody; roams towards rich land and sites and plunders $2 plus the land's richness "
                      "each time."),
    QT_TRANSLATE_NOOP("UnitTexts", "Attacks the unit ahead."),
    QT_TRANSLATE_NOOP("UnitTexts", "Attacks the unit ahead; walks on water and may arrive on it."),
    QT_TRANSLATE_NOOP("UnitTexts", "Attacks the unit ahead; acts twice a phase and senses Scouts further away."),
    QT_TRANSLATE_NOOP("UnitTexts", "Attacks the unit ahead; jumps over what blocks it and may strike the unit behind."),
    QT_TRANSLATE_NOOP("UnitTexts", "Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it."),
    QT_TRANSLATE_NOOP("UnitTexts", "Attacks the unit ahead; clears Mines without harm."),
};

QString Prices(int type) {
  return UnitTexts::tr("Price %1; sells for %2.").arg(MoneyText(kUnitPrice[type]), MoneyText(kUnitResale[type]));
}

QString Income(int type) {
  if (kUnitIncomeBase[type] == 0) return UnitTexts::tr("no income");
  return UnitTexts::tr("income %1 a turn, more on rich land").arg(MoneyText(kIncomeStep * kUnitIncomeBase[type]));
}

QString NoGame() { return UnitTexts::tr("No game in progress: start a new game with File > New Game."); }

}  // namespace

QString UnitName(int type) { return IsPlayerUnit(type) ? UnitTexts::tr(kUnitNames[type]) : QString(); }

QString UnitToolTip(int type) {
  if (!IsPlayerUnit(type)) return {};
  const QString name = UnitTexts::tr(kUnitNames[type]);
  if (type == Mine)
    return UnitTexts::tr(
               "%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 "
               "(the Armored Barbarian clears it unharmed). %2")
        .arg(name, Prices(type));
  const Defender& unit = kDefenders[type];
  const QString numbers = UnitTexts::tr("%1: attack %2, defence %3, %4.")
                              .arg(name)
                              .arg(unit.counterBlow)
                              .arg(unit.defence)
                              .arg(Income(type));
  const QString role =
      type == Artillery
          ? UnitTexts::tr(
                "Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 "
                "close by.")
          : UnitTexts::tr(kUnitRoles[type]);
  return UnitTexts::tr("%1 %2 %3").arg(numbers, role, Prices(type));
}

QString BarbarianName(int kind) { return kind >= 0 && kind < kKindCount ? UnitTexts::tr(kKindNames[kind]) : QString(); }

QString BarbarianToolTip(int kind) {
  if (kind < 0 || kind >= kKindCount) return {};
  const KindStats& stats = kKindStats[kind];
  return UnitTexts::tr("%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.")
      .arg(UnitTexts::tr(kKindNames[kind]))
      .arg(stats.attack)
      .arg(stats.defence)
      .arg(UnitTexts::tr(kKindRoles[kind]), MoneyText(stats.price));
}

QString TreasuryToolTip() { return UnitTexts::tr("Your money: buy units with it between turns."); }

QString TurnToolTip() {
  return UnitTexts::tr("Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.");
}

QString RecordToolTip() { return UnitTexts::tr("Games won and lost with this profile, and the share won."); }

QString RefusalText(Refusal refusal, const CWorld& world, int type, int x, int y) {
  switch (refusal) {
    case Refusal::None:
    case Refusal::BadType: return {};
    case Refusal::NoGame: return NoGame();
    case Refusal::Water: return UnitTexts::tr("Water: nothing can be built here.");
    case Refusal::Impassable: return UnitTexts::tr("Impassable ground: nothing can be built here.");
    case Refusal::Occupied:
      return UnitTexts::tr("Occupied: %1 already stands here.")
          .arg(UnitTexts::tr(kUnitNamesWithArticle[world.At(x, y).unitType]));
    case Refusal::NothingToSell: return UnitTexts::tr("Nothing of yours to sell here.");
    case Refusal::NotEnoughMoney:
      return UnitTexts::tr("Not enough money: %1 costs %2.")
          .arg(UnitTexts::tr(kUnitNamesWithArticle[type]), MoneyText(kUnitPrice[type]));
  }
  return {};
}

QString DestructionText(int turn, int phase, int what, int x, int y) {
  QString name;
  if (IsPlayerUnit(what)) name = UnitTexts::tr(kUnitNames[what]);
  const int kind = KindIndexOf(what);
  if (kind >= 0 && kind < kKindCount) name = UnitTexts::tr(kKindNames[kind]);
  // The tab after the report is the game's own, kept as it always was.
  return StatusText(turn, phase, UnitTexts::tr("%1 destroyed at (%2,%3).").arg(name).arg(x).arg(y) + QLatin1Char('\t'));
}

QString StatusText(int turn, int phase, const QString& message) {
  return UnitTexts::tr("Turn %1, Phase %2: %3").arg(turn).arg(phase).arg(message);
}

QString MoneyText(std::int64_t dollars) {
  return dollars < 0 ? QLatin1Char('-') + UnitTexts::tr("$%1").arg(-dollars) : UnitTexts::tr("$%1").arg(dollars);
}
