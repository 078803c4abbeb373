#include "core/RandomSource.h"

#include <chrono>

namespace gx {

std::uint64_t SeededRandom::Next() {
  // splitmix64: every seed, including 0, gives a well-mixed sequence.
  state_ += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int SeededRandom::Random(int n) {
  if (n <= 1) return 0;
  // The top 32 bits scaled to 0..n-1: no modulo bias worth speaking of for the small n drawn here.
  const std::uint64_t high = Next() >> 32;
  return static_cast<int>((high * static_cast<std::uint64_t>(n)) >> 32);
}

void ClockRandom::Seed() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  generator_ = SeededRandom(static_cast<std::uint64_t>(now));
}

int ClockRandom::Random(int n) { return generator_.Random(n); }

int ScriptedRandom::Random(int n) {
  if (next_ >= values_.size()) {
    exhausted_ = true;
    return 0;
  }
  const std::uint64_t v = values_[next_++];
  return n <= 1 ? 0 : static_cast<int>(v % static_cast<std::uint64_t>(n));
}

}  // namespace gx
