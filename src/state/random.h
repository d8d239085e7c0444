// The campaign's random generator: the classic 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace vaskorath {

class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed) {}

  // Next value from 0 to 32767 (bits 16 to 30 of the advanced state).
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
  }

  // (next() + drawCounter) mod 10, the chance draw of the campaign rules; always 0 to 9,
  // also for a negative counter from a hand-edited save file.
  int nextDigit(int drawCounter) {
    const int value = next();
    // The counter is a digit or a small count in play; 32-bit arithmetic keeps espionage's
    // millions of draws quick, the wide path serves any other counter.
    if (drawCounter >= 0 && drawCounter <= kNarrowCounterLimit) {
      return static_cast<int>(static_cast<unsigned>(value + drawCounter) % 10u);
    }
    const long long sum = static_cast<long long>(value) + drawCounter;
    return static_cast<int>(((sum % 10) + 10) % 10);
  }

 private:
  static constexpr int kNarrowCounterLimit = 0x7fffffff - 0x7fff;

  std::uint32_t state_;
};

}  // namespace vaskorath
