#pragma once
// Words for what the form shows in numbers: the tooltips of the unit
// buttons, the legend and the counters, and the reason a purchase or a sale
// was refused. All numbers come from the game's own tables.

#include <QString>

#include <cstdint>

#include "session/session.h"

class CWorld;

// Money as the form writes it: "$3140", "-$50".
QString MoneyText(std::int64_t dollars);

// Unit type 1..8.
QString UnitName(int type);
QString UnitToolTip(int type);

// Barbarian kind index 0..7 (Scout .. Armored).
QString BarbarianName(int kind);
QString BarbarianToolTip(int kind);

QString TreasuryToolTip();
QString TurnToolTip();
QString RecordToolTip();

// The words for the session's refusal of a purchase of type (or a sale) on
// square (x, y) of world; empty for none.
QString RefusalText(Refusal refusal, const CWorld& world, int type, int x, int y);

// A status line's report: "Turn %1, Phase %2: " and the message.
QString StatusText(int turn, int phase, const QString& message);
// The report of a unit destroyed on (x, y): what is a player's unit type
// (1..8) or a barbarian's kind code (9..16).
QString DestructionText(int turn, int phase, int what, int x, int y);
