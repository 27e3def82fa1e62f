#pragma once
// Money, income, loot, the record and the counters are stored in 32 bits.
// Their sums are taken in 64 bits and held at the 32-bit limits, so that a
// game that runs long (Chaos's income grows with the square of the turn)
// never wraps a value round to the other sign and so never ends in a victory
// or defeat it did not earn.

#include <cstdint>
#include <limits>

constexpr std::int32_t Saturated(std::int64_t value) {
  constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value < lowest ? lowest : value > highest ? highest : value);
}

// value += delta, held at the 32-bit limits. delta is a 32-bit quantity or a
// sum of a few, so the 64-bit sum itself cannot overflow.
constexpr void SaturatingAdd(std::int32_t& value, std::int64_t delta) { value = Saturated(value + delta); }

// A factor on Chaos's purse, in 1/65536ths: kPurseOne leaves the money as the
// rules give it. Factors made by the game lie between a quarter and two.
constexpr std::int32_t kPurseOne = 1 << 16;

// amount x factor / kPurseOne, rounded to the nearest dollar (halves away
// from zero) and held at the 32-bit limits; kPurseOne gives amount itself.
// A factor outside 0..64 is taken as the nearer of the two.
constexpr std::int64_t ScaledMoney(std::int64_t amount, std::int32_t factor) {
  if (factor == kPurseOne) return amount;
  // Past 2^40 dollars every factor of at least 1/512 saturates anyway; the
  // bounds keep the product within 64 bits.
  constexpr std::int64_t bound = std::int64_t{1} << 40;
  const std::int64_t held = amount < -bound ? -bound : amount > bound ? bound : amount;
  const std::int64_t f = factor < 0 ? 0 : factor > 64 * kPurseOne ? 64 * kPurseOne : factor;
  const std::int64_t product = held * f;
  const std::int64_t rounded =
      product < 0 ? -((-product + kPurseOne / 2) / kPurseOne) : (product + kPurseOne / 2) / kPurseOne;
  return Saturated(rounded);
}
