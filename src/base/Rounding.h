#pragma once
// Whole numbers from real values are rounded to the nearest, halves to even
// (progress positions, label widths, statistics bars).

#include <cmath>
#include <cstdint>

namespace gx {

inline long RoundHalfEven(double value) { return std::lrint(std::nearbyint(value)); }

// numerator / denominator * scale, rounded as above; 0 when the denominator is 0. Worked out in
// whole numbers: in floating point an exact half such as 53 / 274 * 137 can come out a hair
// below or above .5 and round the wrong way.
inline long ScaledRound(std::int64_t numerator, std::int64_t denominator, std::int64_t scale) {
  if (denominator == 0) return 0;
  std::int64_t product = numerator * scale;
  const bool negative = (product < 0) != (denominator < 0);
  if (product < 0) product = -product;
  if (denominator < 0) denominator = -denominator;
  std::int64_t quotient = product / denominator;
  const std::int64_t twice_remainder = 2 * (product % denominator);
  if (twice_remainder > denominator || (twice_remainder == denominator && quotient % 2 != 0)) ++quotient;
  return static_cast<long>(negative ? -quotient : quotient);
}

}  // namespace gx
