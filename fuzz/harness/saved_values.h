// The check the fuzzers make at every save: does the file just written load again?
#pragma once

#include <string>

#include "console/memory_file_system.h"
#include "state/campaign_state.h"

namespace vaskorath::fuzzing {

// In-memory files that put every save (".txt"), as it is written, through the loader's own check; the
// first one the program would refuse to load is named in `fault`. Counts the autosaves written.
class CheckingFileSystem : public MemoryFileSystem {
 public:
  // `state` is the campaign being played; the check only borrows the shape of its tables.
  explicit CheckingFileSystem(const CampaignState& state) : state_(state) {}

  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;
  WriteResult writeFileAtomicallyTaking(const std::string& name, std::string content) override;

  std::string fault;
  int autosaves = 0;

 private:
  // Notes the first save that the loader would refuse.
  void check(const std::string& name, std::string_view content);

  const CampaignState& state_;
};

}  // namespace vaskorath::fuzzing
