#pragma once
// Where the generators take their random numbers from. The program seeds one from the clock; the
// batch tool passes a seeded one (same result on every machine) or a scripted one, and tests pass
// scripted draws so that every placement is chosen by hand.

#include <cstdint>
#include <vector>

namespace gx {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Called at the start of every generator call.
  virtual void Seed() = 0;
  // A whole number in 0..n-1 (n >= 1).
  virtual int Random(int n) = 0;
  // True once a scripted source has run out of numbers; the generators then stop at once.
  virtual bool Exhausted() const { return false; }
};

// A small 64-bit mixing generator: fully determined by its seed, identical on every machine.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  // The sequence runs on across generator calls: reseeding with the same value would make every
  // generated grid of a build identical.
  void Seed() override {}
  int Random(int n) override;

 private:
  std::uint64_t Next();
  std::uint64_t state_;
};

// Reseeds itself from the clock at every generator call, as the desktop program does.
class ClockRandom : public RandomSource {
 public:
  void Seed() override;
  int Random(int n) override;

 private:
  SeededRandom generator_{0};
};

// Hands out the given numbers in order, each Random(n) taking one value v and yielding v mod n.
// Seeding takes none. When the numbers run out, Random yields 0 and Exhausted becomes true.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<std::uint64_t> values) : values_(std::move(values)) {}
  void Seed() override {}
  int Random(int n) override;
  bool Exhausted() const override { return exhausted_; }
  std::size_t Used() const { return next_; }

 private:
  std::vector<std::uint64_t> values_;
  std::size_t next_ = 0;
  bool exhausted_ = false;
};

}  // namespace gx
