// Site marks, Jammer zones and Artillery cover: the area marks that placing
// terrain and player units leaves on the squares around them.

#include "model/world.h"

namespace {

// Direction bits of a marker at offset (-i, -j) as seen from the square at
// offset (i, j): up if the square lies below it, right if left of it, and so
// on. The marker's own square gets none.
std::uint8_t DirectionBits(int i, int j) {
  std::uint8_t bits = 0;
  if (j > 0) bits |= 1u << FacingUp;
  if (i < 0) bits |= 1u << FacingRight;
  if (j < 0) bits |= 1u << FacingDown;
  if (i > 0) bits |= 1u << FacingLeft;
  return bits;
}

}  // namespace

void CWorld::MarkSite(int x, int y) {
  cells[x][y].siteBits |= kSiteHere;
  for (int i = -3; i <= 3; ++i)
    for (int j = -3; j <= 3; ++j) cells[Wrap(x + i)][Wrap(y + j)].siteBits |= DirectionBits(i, j);
}

void CWorld::SetJammed(std::uint8_t flag, int x, int y) {
  // The wrapped rows are found once; the unrolled loops then only store.
  int ys[9];
  for (int k = 0; k < 9; ++k) ys[k] = Wrap(y + k - 4);
#pragma GCC unroll 9
  for (int i = -4; i <= 4; ++i) {
    Cell* column = cells[Wrap(x + i)];
#pragma GCC unroll 9
    for (int k = 0; k < 9; ++k) column[ys[k]].jammed = flag;
  }
}

namespace {

void ChangeArtilleryCover(Cell (&cells)[kBoardSize][kBoardSize], int x, int y, int delta) {
  int ys[5];
  for (int k = 0; k < 5; ++k) ys[k] = Wrap(y + k - 2);
#pragma GCC unroll 5
  for (int i = -2; i <= 2; ++i) {
    Cell* column = cells[Wrap(x + i)];
#pragma GCC unroll 5
    for (int j = -2; j <= 2; ++j) {
      Cell& cell = column[ys[j + 2]];
      if (i >= -1 && i <= 1 && j >= -1 && j <= 1)
        cell.artilleryCore += delta;
      else
        cell.artilleryRing += delta;
    }
  }
}

}  // namespace

void CWorld::AddArtilleryCover(int x, int y) { ChangeArtilleryCover(cells, x, y, +1); }

void CWorld::RemoveArtilleryCover(int x, int y) { ChangeArtilleryCover(cells, x, y, -1); }
