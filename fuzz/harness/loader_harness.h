// The loader fuzzer's one run: line edits applied to a real save, the load, and play up to the
// next round's autosave with every file written loaded again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/harness/fuzz_campaigns.h"

namespace vaskorath::fuzzing {

// A save file the edits start from, with where each line begins.
struct SaveBase {
  std::string text;
  // The same lines ended by "\r\n", so an edit that turns every line end needs no walk line by line;
  // a line starts there at its start in `text` plus the line ends before it.
  std::string crlfText;
  // One per line, so its size is the line count; 32 bits, as the fuzzer's fork copies them each run.
  std::vector<std::uint32_t> lineStarts;
  std::vector<int> valueLines;          // 0-based lines that hold a number or a flag
};

// A fresh campaign's save, one written in round 2's battle phase with its battles (and a march that
// arrives in round 3), one with every field filled.
inline constexpr int kSaveBaseCount = 3;

struct LoaderSetup {
  std::array<SaveBase, kSaveBaseCount> bases;
  // The state at the moment the load is refused: a run whose file cannot be opened ends there.
  StatePointer refusedState;
};

// The save of `state` with where its lines begin.
SaveBase makeSaveBase(const CampaignState& state);

// Builds the three save files and the state a refused load must leave.
LoaderSetup buildLoaderSetup();

// Applies the edits to the base: six bytes each (operation, a line in three bytes, an argument in
// two), a delete, duplicate, swap, truncation, replacement by a listed or a shifted value, a line
// end made "\r\n", two lines joined, or every line end made "\r\n". A line number with its top bit
// set picks among the number and flag lines. Unknown trailing bytes are ignored.
std::string editedSave(const SaveBase& base, std::string_view edits);

// The first byte picks the base, the rest are edits. The edited file is loaded at start into
// `state`, a fresh state; a campaign that loads is played on by the PlayOnConsole up to the
// autosave of the next round (or its end), and every file written on the way (restore point, named
// save, autosave) is put through the loader's check. Returns what went wrong: a refusal without the
// German message or with the state changed, a written file the loader would refuse; empty when all
// held. A crash is left to crash.
std::string loadEditedSave(const LoaderSetup& setup, CampaignState& state, std::string_view input);

}  // namespace vaskorath::fuzzing
