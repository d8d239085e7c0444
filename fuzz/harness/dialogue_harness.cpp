// One dialogue fuzz run.
#include "fuzz/harness/dialogue_harness.h"

#include "flow/program.h"
#include "flow/round_loop.h"
#include "fuzz/harness/fuzz_campaigns.h"
#include "fuzz/harness/fuzz_console.h"
#include "fuzz/harness/saved_values.h"
#include "game.h"
#include "state/random.h"

namespace vaskorath::fuzzing {

namespace {
constexpr int kReadBudget = 4000;
}  // namespace

DialogueStart dialogueStartOf(std::string_view input) {
  const int choice = input.empty() ? 0 : static_cast<unsigned char>(input.front()) % kDialogueStartCount;
  return static_cast<DialogueStart>(choice);
}

void buildDialogueStart(DialogueStart start, CampaignState& state) {
  switch (start) {
    case DialogueStart::kNewCampaign: break;
    case DialogueStart::kBattlesPending: buildBattlesCampaign(state); break;
    case DialogueStart::kFullIntelligence: buildIntelligenceCampaign(state); break;
  }
}

std::string playDialogues(CampaignState& state, std::string_view input) {
  const DialogueStart start = dialogueStartOf(input);
  if (!input.empty()) input.remove_prefix(1);
  FuzzConsole console(input, kReadBudget);
  CheckingFileSystem files(state);
  Random random(1);
  Game game{state, console, files, random};
  try {
    if (start == DialogueStart::kNewCampaign) {
      runProgram(game);
    } else {
      runCampaign(game);
    }
  } catch (const InputEnded&) {
  } catch (const ProgramExit&) {
  }
  return files.fault;
}

}  // namespace vaskorath::fuzzing
