// AFL++ target: the whole program played from the fuzzer's bytes, from a new or a built campaign.
#include <array>

#include "fuzz/fuzz_input.h"
#include "fuzz/harness/dialogue_harness.h"
#include "fuzz/harness/fuzz_campaigns.h"

int main(int argc, char** argv) {
  using namespace vaskorath::fuzzing;
  std::array<StatePointer, kDialogueStartCount> starts;
  for (int start = 0; start < kDialogueStartCount; ++start) {
    starts[start] = makeForkFriendlyState();
    buildDialogueStart(static_cast<DialogueStart>(start), *starts[start]);
  }
  StatePointer state = makeForkFriendlyState();
  playEveryInput(argc, argv, [&](std::string_view input) {
    *state = *starts[static_cast<int>(dialogueStartOf(input))];
    return playDialogues(*state, input);
  });
}
