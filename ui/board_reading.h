#pragma once
// Words and marks for reading the board without its colours: what a square
// is (its terrain and bonuses from the terrain table, a site, the player's
// unit on it), the overlay's marks of a square's bonuses, and where victory
// and defeat lie for the player's worth (the end test's own functions).

#include <QString>

#include <cstdint>

class CWorld;

// "(4,5) Site on hills: income +$100, defence +1 · Infantry".
QString SquareDescription(const CWorld& world, int x, int y);

// The overlay's marks for terrain code: the income bonus in dollars ("+100",
// "-50") and the defence bonus ("+1"); empty where the code gives none.
QString IncomeMark(int code);
QString DefenceMark(int code);

// "Your worth $3140 · victory above $41300 (20 × Chaos's $2065) · defeat
// below $20", for a worth and Chaos's money.
QString WorthLine(std::int64_t worth, std::int64_t chaosMoney);
// The same for the world as it stands.
QString WorthLine(const CWorld& world);
QString WorthToolTip();
