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
    const long long sum = static_cast<long long>(next()) + drawCounter;
    return static_cast<int>(((sum % 10) + 10) % 10);
  }

 private:
  std::uint32_t state_;
};

}  // namespace vaskorath
