#include "ui/unit_texts.h"

#include "model/board.h"
#include "model/world.h"
#include "units/combat.h"
#include "units/unit.h"

namespace {

const char* const kUnitNames[9] = {"",        "Drone", "Mine",   "Farmer",   "Infantry",
                                   "Settler", "Armor", "Jammer", "Artillery"};

// What sets each unit apart, beyond its numbers.
const char* const kUnitRoles[9] = {
    "",
    "Cheap income.",
    "",
    "The best income, but no defence to speak of.",
    "A sturdy defender.",
    "Income and some defence.",
    "The strongest defender.",
    "Jams every square within 4: barbarians there learn nothing from their Scouts.",
    "",
};

const char* const kKindNames[kKindCount] = {
    "Scout",          "Scavenger",           "Common Barbarian", "Amphibious Barbarian", "Mobile Barbarian",
    "Jump Barbarian", "Kamikazee Barbarian", "Armored Barbarian"};

const char* const kKindRoles[kKindCount] = {
    "Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.",
    "Fights nobody; roams towards rich land and sites and plunders $2 plus the land's richness each time.",
    "Attacks the unit ahead.",
    "Attacks the unit ahead; walks on water and may arrive on it.",
    "Attacks the unit ahead; acts twice a phase and senses Scouts further away.",
    "Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.",
    "Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.",
    "Attacks the unit ahead; clears Mines without harm.",
};

QString Money(int dollars) { return QString("$%1").arg(dollars); }

// "a Farmer", "an Infantry".
QString WithArticle(const char* name) {
  return QString(QString("AEIOU").contains(name[0]) ? "an %1" : "a %1").arg(name);
}

QString Prices(int type) {
  return QString("Price %1; sells for %2.").arg(Money(kUnitPrice[type]), Money(kUnitResale[type]));
}

QString Income(int type) {
  if (kUnitIncomeBase[type] == 0) return "no income";
  return QString("income %1 a turn, more on rich land").arg(Money(50 * kUnitIncomeBase[type]));
}

}  // namespace

QString UnitName(int type) { return IsPlayerUnit(type) ? kUnitNames[type] : ""; }

QString UnitToolTip(int type) {
  if (!IsPlayerUnit(type)) return {};
  const QString name = kUnitNames[type];
  if (type == Mine)
    return QString(
               "%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 "
               "(the Armored Barbarian clears it unharmed). %2")
        .arg(name, Prices(type));
  const Defender& unit = kDefenders[type];
  QString text =
      QString("%1: attack %2, defence %3, %4.").arg(name).arg(unit.counterBlow).arg(unit.defence).arg(Income(type));
  if (type == Artillery)
    text += " Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.";
  else
    text += QString(" ") + kUnitRoles[type];
  return text + " " + Prices(type);
}

QString BarbarianToolTip(int kind) {
  if (kind < 0 || kind >= kKindCount) return {};
  const KindStats& stats = kKindStats[kind];
  return QString("%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.")
      .arg(kKindNames[kind])
      .arg(stats.attack)
      .arg(stats.defence)
      .arg(kKindRoles[kind], Money(stats.price));
}

QString TreasuryToolTip() { return "Your money: buy units with it between turns."; }

QString TurnToolTip() { return "Turns played. While a turn runs, its phase (0 to 49) follows in parentheses."; }

QString RecordToolTip() { return "Games won and lost with this profile, and the share won."; }

QString RefusalText(Refusal refusal, const CWorld& world, int type, int x, int y) {
  switch (refusal) {
    case Refusal::None:
    case Refusal::BadType: return {};
    case Refusal::NoGame: return "No game in progress: start a new game with File > New Game.";
    case Refusal::Water: return "Water: nothing can be built here.";
    case Refusal::Impassable: return "Impassable ground: nothing can be built here.";
    case Refusal::Occupied:
      return QString("Occupied: %1 already stands here.").arg(WithArticle(kUnitNames[world.At(x, y).unitType]));
    case Refusal::NothingToSell: return "Nothing of yours to sell here.";
    case Refusal::NotEnoughMoney:
      return QString("Not enough money: %1 costs %2.").arg(WithArticle(kUnitNames[type]), Money(kUnitPrice[type]));
  }
  return {};
}
