// The dialogue fuzzer's one run: the whole program played from the fuzzer's bytes.
#pragma once

#include <string>
#include <string_view>

#include "state/campaign_state.h"

namespace vaskorath::fuzzing {

enum class DialogueStart { kNewCampaign, kBattlesPending, kFullIntelligence };
inline constexpr int kDialogueStartCount = 3;

// The first byte of an input chooses where it starts; the rest is typed at the console.
DialogueStart dialogueStartOf(std::string_view input);

// Builds the campaign of `start` into a fresh state.
void buildDialogueStart(DialogueStart start, CampaignState& state);

// Plays the input on `state`, which holds the campaign of the input's start (and is changed):
// a new campaign from the welcome screen, a built one from its first round, with seed 1 and
// in-memory files, until the campaign ends, the input ends or 4,000 reads are used. Returns what
// went wrong (a save that would not load again), or an empty text; a crash is left to crash.
std::string playDialogues(CampaignState& state, std::string_view input);

}  // namespace vaskorath::fuzzing
