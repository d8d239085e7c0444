// Program entry: wires the platform's console and files, the working directory and the clock to the game.
#include <cstdio>

#include "console/clock.h"
#include "console/platform.h"
#include "flow/program.h"
#include "game.h"
#include "state/campaign_state.h"
#include "state/random.h"

int main() {
  using namespace vaskorath;
  Random random(currentTimeSeconds());
  auto state = makeCampaignState();
  const auto files = makeSystemFileSystem();
  const auto console = makeSystemConsole();
  Game game{*state, *console, *files, random};
  try {
    return runProgram(game);
  } catch (const InputEnded& ended) {
    console->flush();
    std::fprintf(stderr, "%s\n", ended.what());
    return 1;
  } catch (const ProgramExit& exit) {
    return exit.status;
  }
}
