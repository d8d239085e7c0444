// Reading a save file line by line: passing over lines a block of bytes at a time.
#include "persistence/line_cursor.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "state/capacities.h"
#include "state/line_ends.h"

namespace vaskorath {

namespace {

// An empty troop list as the file holds it with "\n" and with "\r\n" line ends.
constexpr std::array<char, kTroopSlots> kEmptyTroopLines = [] {
  std::array<char, kTroopSlots> lines{};
  lines.fill('\n');
  return lines;
}();
constexpr std::array<char, 2 * kTroopSlots> kEmptyCrLfTroopLines = [] {
  std::array<char, 2 * kTroopSlots> lines{};
  for (std::size_t index = 0; index < lines.size(); index += 2) {
    lines[index] = '\r';
    lines[index + 1] = '\n';
  }
  return lines;
}();

// What a stretch of "\n"-ended lines holds besides its texts.
struct LineFacts {
  bool emptyLine = false;
  bool carriageReturn = false;
};

// The next lines of a buffer: how many bytes they take with their line ends, and how many there are
// (fewer than asked for only when the buffer has no more line ends).
struct LineStretch {
  std::size_t bytes = 0;
  int lines = 0;
  LineFacts facts;  // only when asked for
};

// Measures the next `count` lines of `text`. Blocks of 64 and then 16 bytes are looked at once
// while the lines go on beyond them; each byte of a block is compared with the byte before it for
// empty lines.
template <bool kWithFacts>
LineStretch measureLines(std::string_view text, int count) {
  LineStretch stretch;
  const char* const data = text.data();
  const auto takeByte = [&](std::size_t index) {
    if (data[index] == '\n') {
      ++stretch.lines;
      if (kWithFacts && (index == 0 || data[index - 1] == '\n')) stretch.facts.emptyLine = true;
    } else if (kWithFacts && data[index] == '\r') {
      stretch.facts.carriageReturn = true;
    }
  };
  if (text.empty() || count <= 0) return stretch;
  std::size_t index = 0;
  takeByte(index++);  // so that every block has a byte before it
  ByteLanes emptyLines = {};
  ByteLanes carriageReturns = {};
  // Takes the blocks of `parts` times 16 bytes that end before the last line sought.
  const auto takeBlocks = [&](std::size_t parts) {
    for (; index + parts * sizeof(ByteLanes) <= text.size(); index += parts * sizeof(ByteLanes)) {
      ByteLanes lineEnds = {};
      ByteLanes empty = {};
      ByteLanes returns = {};
      for (std::size_t part = 0; part < parts; ++part) {
        const char* const at = data + index + part * sizeof(ByteLanes);
        const ByteLanes bytes = loadLanes(at);
        const ByteLanes ends = lanesHolding(bytes, '\n');
        lineEnds += ends;
        if constexpr (kWithFacts) {
          empty |= ends & lanesHolding(loadLanes(at - 1), '\n');
          returns |= lanesHolding(bytes, '\r');
        }
      }
      const auto ends = static_cast<int>(laneSum(lineEnds));
      if (stretch.lines + ends >= count) return;
      stretch.lines += ends;
      emptyLines |= empty;
      carriageReturns |= returns;
    }
  };
  takeBlocks(4);
  takeBlocks(1);
  while (index < text.size() && stretch.lines < count) takeByte(index++);
  stretch.bytes = index;
  if constexpr (kWithFacts) {
    stretch.facts.emptyLine |= anyLane(emptyLines);
    stretch.facts.carriageReturn |= anyLane(carriageReturns);
  }
  return stretch;
}

// The lines with the "\r" dropped that a line may have before its "\n", as every line is read.
// Eight bytes are copied at a time up to the next "\r": a full troop list of a Windows file has one
// in every line.
void dropCarriageReturnsAtLineEnds(std::string_view lines, std::string& out) {
  out.resize(lines.size());
  char* end = out.data();  // never ahead of `index`, so eight bytes always fit
  std::size_t index = 0;
  const auto atLineEnd = [&](std::size_t at) { return at + 1 < lines.size() && lines[at + 1] == '\n'; };
  if constexpr (std::endian::native == std::endian::little) {
    while (index + sizeof(std::uint64_t) <= lines.size()) {
      std::uint64_t word;
      std::memcpy(&word, lines.data() + index, sizeof word);
      std::memcpy(end, &word, sizeof word);  // only the bytes before a "\r" are kept
      const std::uint64_t returns = markedBytes(word, '\r');
      const std::size_t kept = returns == 0 ? sizeof word : static_cast<std::size_t>(std::countr_zero(returns)) / 8;
      end += kept;
      index += kept;
      if (returns == 0) continue;
      if (!atLineEnd(index)) *end++ = '\r';
      ++index;
    }
  }
  for (; index < lines.size(); ++index) {
    if (lines[index] != '\r' || !atLineEnd(index)) *end++ = lines[index];
  }
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace

bool LineCursor::skipEmptyTroopList() {
  return skipIfNext({kEmptyTroopLines.data(), kEmptyTroopLines.size()}, kTroopSlots) ||
         skipIfNext({kEmptyCrLfTroopLines.data(), kEmptyCrLfTroopLines.size()}, kTroopSlots);
}

std::optional<std::string_view> LineCursor::takeFullTroopList(std::string& scratch) {
  const LineStretch stretch = measureLines<true>(rest_, kTroopSlots);
  if (stretch.lines < kTroopSlots) return std::nullopt;
  std::string_view lines = rest_.substr(0, stretch.bytes);
  LineFacts facts = stretch.facts;
  if (facts.carriageReturn) {
    dropCarriageReturnsAtLineEnds(lines, scratch);
    lines = scratch;
    facts = measureLines<true>(lines, kTroopSlots).facts;
  }
  if (facts.emptyLine) return std::nullopt;
  rest_.remove_prefix(stretch.bytes);
  lineNumber_ += kTroopSlots;
  return lines;
}

void LineCursor::skip(int count) {
  lineNumber_ += count;
  const LineStretch passed = measureLines<false>(rest_, count);
  rest_.remove_prefix(passed.bytes);
  int left = count - passed.lines;
  if (left > 0 && !rest_.empty()) {  // a last line without its line end
    rest_ = {};
    --left;
  }
  if (left > 0) pastTheEnd_ = true;
}

}  // namespace vaskorath
