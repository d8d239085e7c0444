// Program entry: wires the real console, the working directory and the clock to the game.
#include <unistd.h>

#include <cstdio>

#include "console/clock.h"
#include "console/posix_file_system.h"
#include "console/terminal_console.h"
#include "flow/program.h"
#include "game.h"
#include "state/campaign_state.h"
#include "state/random.h"

int main() {
  using namespace vaskorath;
  Random random(currentTimeSeconds());
  auto state = makeCampaignState();
  PosixFileSystem files;
  TerminalConsole console(STDIN_FILENO, STDOUT_FILENO);
  Game game{*state, console, files, random};
  try {
    return runProgram(game);
  } catch (const InputEnded& ended) {
    console.flush();
    std::fprintf(stderr, "%s\n", ended.what());
    return 1;
  } catch (const ProgramExit& exit) {
    return exit.status;
  }
}
