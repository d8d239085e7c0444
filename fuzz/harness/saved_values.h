// The check the fuzzers make at every save: would the file just written load again?
#pragma once

#include <string>

#include "console/memory_file_system.h"
#include "state/campaign_state.h"

namespace vaskorath::fuzzing {

// What makes a save of `state` unloadable: the first number outside the range the loader
// accepts (in file order), or the round at or past the round limit; empty when it would load.
std::string unloadableValue(const CampaignState& state);

// In-memory files that, at every write of a save, check that the campaign would load again;
// the first failure is kept in `fault`.
class CheckingFileSystem : public MemoryFileSystem {
 public:
  explicit CheckingFileSystem(const CampaignState& state) : state_(state) {}

  WriteResult writeFileAtomically(const std::string& name, std::string_view content) override;

  std::string fault;

 private:
  const CampaignState& state_;
};

}  // namespace vaskorath::fuzzing
