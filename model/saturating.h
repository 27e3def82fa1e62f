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
