// The range walk over a campaign being saved.
#include "fuzz/harness/saved_values.h"

#include "persistence/save_fields.h"

namespace vaskorath::fuzzing {

namespace {

// Looks at numbers only; the loader takes every text and every flag the writer writes.
struct RangeWalk {
  int field = 0;
  std::string fault;

  void text(const std::string&) {}
  void troops(const TroopList&) {}
  void flag(bool) {}
  void number(int value, ValueRange range) {
    ++field;
    if (fault.empty() && !range.contains(value)) {
      fault = "number field " + std::to_string(field) + " holds " + std::to_string(value) + ", not " +
              std::to_string(range.minimum) + " to " + std::to_string(range.maximum);
    }
  }
};

}  // namespace

std::string unloadableValue(const CampaignState& state) {
  RangeWalk walk;
  walkSaveFields(state, walk);
  if (!walk.fault.empty()) return walk.fault;
  if (state.runde >= state.endrunde) return "round " + std::to_string(state.runde) + " not below the limit";
  for (const FactionRecord& faction : state.spielerliste) {
    if (!agentTotalFitsOneEntry(faction)) return faction.playerName + " has too many agents in all";
  }
  return {};
}

WriteResult CheckingFileSystem::writeFileAtomically(const std::string& name, std::string_view content) {
  if (fault.empty()) {
    const std::string unloadable = unloadableValue(state_);
    if (!unloadable.empty()) fault = name + " would not load: " + unloadable;
  }
  return MemoryFileSystem::writeFileAtomically(name, content);
}

}  // namespace vaskorath::fuzzing
