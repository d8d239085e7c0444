// Game: the context every phase and dialogue works on (state, console, files, random generator).
#pragma once

namespace vaskorath {

struct CampaignState;
class Console;
class FileSystem;
class Random;

struct Game {
  CampaignState& state;
  Console& console;
  FileSystem& files;
  Random& random;
};

// Thrown to end the program from inside a dialogue (for example when a save cannot be loaded);
// main() turns it into the exit status after the terminal has been restored.
struct ProgramExit {
  int status;
};

}  // namespace vaskorath
