#pragma once
// Whole numbers from real values are rounded to the nearest, halves to even
// (progress positions, label widths, statistics bars).

#include <cmath>

namespace gx {

inline long RoundHalfEven(double value) { return std::lrint(std::nearbyint(value)); }

// numerator / denominator * scale, rounded as above; 0 when the denominator is 0.
inline long ScaledRound(double numerator, double denominator, double scale) {
  return denominator == 0 ? 0 : RoundHalfEven(numerator / denominator * scale);
}

}  // namespace gx
