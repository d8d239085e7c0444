// AFL++ target: line edits on three real save files, each loaded and played on to the next round's
// autosave, every file written on the way loaded again.
#include "fuzz/fuzz_input.h"
#include "fuzz/harness/fuzz_campaigns.h"
#include "fuzz/harness/loader_harness.h"

int main(int argc, char** argv) {
  using namespace vaskorath::fuzzing;
  const LoaderSetup setup = buildLoaderSetup();
  const StatePointer fresh = makeForkFriendlyState();
  StatePointer state = makeForkFriendlyState();
  playEveryInput(argc, argv, [&](std::string_view input) {
    *state = *fresh;
    return loadEditedSave(setup, *state, input);
  });
}
