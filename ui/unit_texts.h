#pragma once
// Words for what the form shows in numbers: the tooltips of the unit
// buttons, the legend and the counters, and the reason a purchase or a sale
// was refused. All numbers come from the game's own tables.

#include <QString>

class CWorld;

// Unit type 1..8.
QString UnitName(int type);
QString UnitToolTip(int type);

// Barbarian kind index 0..7 (Scout .. Armored).
QString BarbarianToolTip(int kind);

QString TreasuryToolTip();
QString TurnToolTip();
QString RecordToolTip();

// Why BuyUnit(type, x, y) would refuse, or an empty string when it would
// succeed.
QString PurchaseRefusal(const CWorld& world, int type, int x, int y);
// Why SellUnit(x, y) would refuse, or an empty string.
QString SaleRefusal(const CWorld& world, int x, int y);
