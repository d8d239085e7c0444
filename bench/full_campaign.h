// A campaign with every saved field filled: every troop slot, march unit and report slot holds a name.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "persistence/save_fields.h"
#include "state/campaign_state.h"

namespace vaskorath {

// Puts a short value into every saved field, so every text slot of the file is non-empty.
struct FillEverything {
  void text(std::string& value) { value = "Legionaer"; }
  void number(int& value, ValueRange range) { value = std::clamp(1234, range.minimum, range.maximum); }
  void flag(bool& value) { value = true; }
};

inline std::unique_ptr<CampaignState> fullCampaign() {
  auto state = makeCampaignState();
  FillEverything fill;
  walkSaveFields(*state, fill);
  state->endrunde = state->runde + 1;  // a save is written before the round limit
  return state;
}

}  // namespace vaskorath
