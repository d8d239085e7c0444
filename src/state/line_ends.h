// Finding line ends sixteen bytes at a time: save files hold millions of short lines, and a troop
// list keeps its names as lines.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vaskorath {

// Sixteen bytes in one value of the compiler's vector type; an operation on it becomes one
// instruction.
using ByteLanes = unsigned char __attribute__((vector_size(16)));

inline ByteLanes loadLanes(const char* bytes) {
  ByteLanes lanes;
  std::memcpy(&lanes, bytes, sizeof lanes);
  return lanes;
}

// 1 in each lane that holds `byte`, else 0. Plain arithmetic (a zero byte is the one that carries
// nothing into its high bit) rather than a comparison: the fuzzers' compiler turns each lane of a
// vector comparison into a branch of its own, which made these loops many times slower there.
inline ByteLanes lanesHolding(ByteLanes lanes, unsigned char byte) {
  const ByteLanes difference = lanes ^ byte;
  return ~(((difference & 0x7f) + 0x7f) | difference) >> 7;
}

// Whether any lane is set.
inline bool anyLane(ByteLanes lanes) {
  std::uint64_t halves[2];
  std::memcpy(halves, &lanes, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

// The sum of all lanes, when it stays below 256.
inline std::size_t laneSum(ByteLanes lanes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  std::uint64_t halves[2];
  std::memcpy(halves, &lanes, sizeof halves);
  return static_cast<std::size_t>(((halves[0] + halves[1]) * kOnes) >> 56);
}

// Counts the "\n" bytes of a text: this count stands in for finding each line end where only the
// lines' number matters. A block of 64 bytes adds up its line ends lane by lane.
inline std::size_t countLineEnds(std::string_view text) {
  constexpr std::size_t kBlock = 4 * sizeof(ByteLanes);
  std::size_t count = 0;
  std::size_t index = 0;
  for (; index + kBlock <= text.size(); index += kBlock) {
    ByteLanes lineEnds = {};
    for (std::size_t part = 0; part < kBlock; part += sizeof(ByteLanes)) {
      lineEnds += lanesHolding(loadLanes(text.data() + index + part), '\n');
    }
    count += laneSum(lineEnds);
  }
  for (; index < text.size(); ++index) count += text[index] == '\n' ? 1 : 0;
  return count;
}

// The high bit set in each byte of the word that holds `byte`: exact up to and including the lowest
// such byte, which is all the searches below look at (a byte above it may be marked wrongly).
inline std::uint64_t markedBytes(std::uint64_t word, char byte) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  word ^= kOnes * static_cast<unsigned char>(byte);  // the byte sought becomes a zero byte
  return (word - kOnes) & ~word & kHighBits;
}

// Where the first "\n" from `offset` on stands; there must be one. Texts searched so are short
// (the names of a troop list): eight bytes at a time cost less than a call to a library search.
inline std::size_t findLineEnd(std::string_view text, std::size_t offset) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; offset + sizeof(std::uint64_t) <= text.size(); offset += sizeof(std::uint64_t)) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + offset, sizeof word);
      if (const std::uint64_t lineEnds = markedBytes(word, '\n'); lineEnds != 0) {
        return offset + static_cast<std::size_t>(std::countr_zero(lineEnds)) / 8;
      }
    }
  }
  while (text[offset] != '\n') ++offset;
  return offset;
}

}  // namespace vaskorath
