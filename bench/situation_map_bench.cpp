// Writing the situation map of a campaign at its widest: 100 locations over the whole grid, a
// battle at each of them.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "console/memory_file_system.h"
#include "console/scripted_console.h"
#include "game.h"
#include "reports/situation_map.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/random.h"
#include "state/unit_catalogue.h"

namespace vaskorath {
namespace {

// Five players and the rebels; location l stands at coordinate 101 * l (column l, row l, so the
// grid spans all 100 x 100 cells), owned by faction l % 6, with the battle number l + 1 of the round.
std::unique_ptr<CampaignState> campaignWithABattleEverywhere() {
  auto state = makeCampaignState();
  state->anzahlspieler = kMaxPlayers;
  state->runde = 7;
  state->endrunde = 20;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    FactionRecord& record = state->spielerliste[faction];
    record.playerName = faction == kRebelFaction ? std::string(kRebelName) : "Spieler" + std::to_string(faction + 1);
    record.race = faction == kRebelFaction ? std::string(kRebelName) : std::string(kRaces[faction].name);
    record.status = 1;
  }
  for (int index = 0; index < kLocationCount; ++index) {
    LocationRecord& location = state->planetenliste[index];
    location.inUse = true;
    location.name = "Ort " + std::to_string(index) + (index % 3 == 0 ? " (Heimatplanet)" : "");
    location.kind = index % 2 == 0 ? kKindMainPlanet : kKindOutpost;
    location.coordinates = index * 101;
    location.fortificationLevel = index % 5;
    location.owner = state->spielerliste[index % kFactionCount].playerName;
    BattleRecord& battle = state->eventslist[index % kFactionCount][index];
    battle.number = index + 1;
    battle.label = std::to_string(index + 1) + " Gefecht auf " + locationLabel(location);
    battle.locationKind = kindWord(location.kind);
    battle.locationName = location.name;
  }
  state->kampfz = kLocationCount;
  return state;
}

void BM_SituationMapOfHundredLocationsWithHundredBattles(benchmark::State& loop) {
  const auto state = campaignWithABattleEverywhere();
  ScriptedConsole console("");
  MemoryFileSystem files;
  Random random(1);
  Game game{*state, console, files, random};
  for (auto _ : loop) {
    writeSituationMap(game);
    benchmark::DoNotOptimize(files.files.size());
  }
  loop.counters["bytes"] = static_cast<double>(files.files[kSituationMapName].size());
}
BENCHMARK(BM_SituationMapOfHundredLocationsWithHundredBattles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaskorath
