#pragma once
// The game's one pseudo-random generator: a multiplicative congruential
// generator with multiplier 65539 on 31 bits. Every chance event of the game
// (maps, terraforming, Chaos purchases, dice) draws from it, and the order of
// draws is part of the game's behaviour: the same seed gives the same game.
//
// The seed is shared by the window thread and the simulation thread. Each step
// is one whole-word load followed by one whole-word store; while both threads
// draw, their steps interleave in no defined order (a lost step is harmless,
// a torn word is impossible).

#include <atomic>
#include <cstdint>

extern std::atomic<std::uint32_t> randomSeed;

// Advances the generator one step and returns the new value, 0 <= x < 2^31.
inline std::uint32_t RandomStep() {
  std::uint32_t x = randomSeed.load(std::memory_order_relaxed);
  x = (x * 65539u) & 0x7fffffffu;
  randomSeed.store(x, std::memory_order_relaxed);
  return x;
}

// One step, scaled: k + trunc(u * n) with u = x * 4.656612875e-10. The
// constant is a hair above 2^-31, so u stays below 1 and the result below k + n.
constexpr int DrawOf(std::uint32_t x, int n, int k) {
  const double u = static_cast<double>(x) * 4.656612875e-10;
  return static_cast<int>(u * n + k);
}
inline int RandomDraw(int n, int k) { return DrawOf(RandomStep(), n, k); }

// The least generator value whose draw of (n, k) exceeds `result`, or 2^31
// if none does. A draw never falls as the value rises, so DrawOf(x, n, k) <=
// result exactly when x < DrawBound(n, k, result): a hot path can test a
// fixed outcome of a die on the generator's value without the arithmetic.
constexpr std::uint32_t DrawBound(int n, int k, int result) {
  std::uint32_t low = 0, high = 0x80000000u;  // the bound lies in [low, high]
  while (low < high) {
    const std::uint32_t mid = low + (high - low) / 2;
    if (DrawOf(mid, n, k) > result)
      high = mid;
    else
      low = mid + 1;
  }
  return low;
}

// The generator keeps the lowest set bit of its word for ever: from a seed
// whose lowest set bit (of the low 31) is bit k it has a period of 2^(29 - k),
// and 0 (or 2^31) stays 0. A seed whose low 31 bits are a multiple of 2^20, 0
// included, repeats within 512 values, so that every square drawn lies on a
// handful of places and a search for a fitting square may never end. Such a
// seed is refused wherever one is given.
constexpr std::uint32_t kShortPeriodSeedStep = 1u << 20;
constexpr bool IsShortPeriodSeed(std::uint32_t seed) { return seed % kShortPeriodSeedStep == 0; }

// A seed taken from the clock. Setting the lowest bit gives every seed the
// program picks for itself the full period, whatever the tick count.
inline std::uint32_t SeedFromTickCount(std::uint32_t ticks) { return ticks | 1u; }

// Milliseconds from the system's monotonic clock, wrapping at 32 bits: the
// tick count that seeds a new run, for the game and tarvell-cli alike.
std::uint32_t TickCount();
