// Save file writer and reader: the campaign state as 3,250,689 lines of text.
#pragma once

#include <string>
#include <string_view>

#include "state/campaign_state.h"

namespace vaskorath {

// The complete save file of the campaign, one value per line, each line ended by lineEnd (the
// system's own: "\r\n" on Windows, as the campaign files made there have it).
std::string writeSaveFile(const CampaignState& state, std::string_view lineEnd = "\n");

// Outcome of reading a save file. On failure it names the first bad line and what it should hold;
// the players only see a fixed message, the details are for tests and for whoever mends a file.
struct ReadResult {
  bool ok = true;
  int line = 0;          // 1-based number of the first bad line; 0 when ok
  std::string expected;  // what that line (or the file) should have held

  explicit operator bool() const { return ok; }
};

// Whether readSaveFile would take the file, checked exactly as it checks before it changes anything.
// `layout` lends the check the shape of the tables (any state will do); none of its values is read.
ReadResult checkSaveFile(std::string_view content, const CampaignState& layout);

// Replaces every saved field of `state` with the file's values. Lines may end in "\n" or "\r\n";
// the last line end may be missing. The whole file is checked first: on failure `state` is left
// exactly as it was.
ReadResult readSaveFile(std::string_view content, CampaignState& state);

}  // namespace vaskorath
