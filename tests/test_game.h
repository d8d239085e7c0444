// Test helpers: a game on a scripted console and in-memory files, and a small campaign builder.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "console/memory_file_system.h"
#include "console/scripted_console.h"
#include "game.h"
#include "state/campaign_state.h"
#include "state/random.h"

namespace vaskorath::testing {

// Owns everything a Game refers to. Seed 1 unless a test needs another sequence.
struct TestGame {
  explicit TestGame(std::string input = {}, std::uint32_t seed = 1)
      : state(makeCampaignState()), console(std::move(input)), random(seed) {}

  std::unique_ptr<CampaignState> state;
  ScriptedConsole console;
  MemoryFileSystem files;
  Random random;
  Game game{*state, console, files, random};

  // Adds player `index` in play with a name, a race and 1000 credits.
  FactionRecord& addPlayer(int index, std::string name, std::string race = "Kadrische Legion");
  // Adds the rebels in play.
  FactionRecord& addRebels();
  // Puts a location into the lowest free record and returns its index.
  int addLocation(std::string name, std::string owner, int kind = kKindMainPlanet, int coordinates = 0);
  // Puts units into the first free slots of a faction's row of one race grid at a location;
  // the race defaults to the faction's own.
  void placeUnits(int location, int faction, std::initializer_list<std::string_view> units, int race = -1);
  // Sets what a location is building for one race and the round it is due.
  void setProduction(int location, int race, std::string item, int dueRound);
  // Writes a march into the faction's first free record and returns it.
  MarchRecord& addMarch(int faction, std::string orderText, std::string origin, std::string destination,
                        int arrivalRound, std::initializer_list<std::string_view> units);
  // The arrival pass and the battle detection pass with one shared scan snapshot, as in a round.
  void runArrivalsAndDetection();
};

// Number of times `needle` occurs in `haystack`.
int countOccurrences(std::string_view haystack, std::string_view needle);

}  // namespace vaskorath::testing
