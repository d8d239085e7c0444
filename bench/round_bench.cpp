// A round at capacity: every march table full and arriving, a full intelligence database in the
// round report, espionage with a million agents per faction.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "console/memory_file_system.h"
#include "console/scripted_console.h"
#include "game.h"
#include "reports/espionage.h"
#include "reports/intelligence_views.h"
#include "reports/round_report.h"
#include "resolution/battle_detection.h"
#include "resolution/battle_phase.h"
#include "resolution/march_processing.h"
#include "resolution/march_scan.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/random.h"
#include "state/unit_catalogue.h"

namespace vaskorath {
namespace {

constexpr int kPlayers = 5;

std::string playerName(int player) { return "Spieler" + std::to_string(player + 1); }

// Five players of the five races and the rebels; the 100 locations go round the players, each
// with a full garrison of its owner's race.
std::unique_ptr<CampaignState> campaignAtCapacity() {
  auto state = makeCampaignState();
  state->anzahlspieler = kPlayers;
  state->runde = 2;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    FactionRecord& record = state->spielerliste[faction];
    record.playerName = faction == kRebelFaction ? std::string(kRebelName) : playerName(faction);
    record.race = faction == kRebelFaction ? std::string(kRebelName) : std::string(kRaces[faction].name);
    record.status = 1;
    record.number = faction == kRebelFaction ? 0 : faction + 1;
  }
  for (int index = 0; index < kLocationCount; ++index) {
    LocationRecord& location = state->planetenliste[index];
    const int owner = index % kPlayers;
    location.inUse = true;
    location.name = "Ort" + std::to_string(index);
    location.kind = index % 2 == 0 ? kKindMainPlanet : kKindOutpost;
    location.coordinates = index * 101;
    location.owner = playerName(owner);
    location.troops[owner][owner].fill(std::string(preisliste.unit(owner, 1).unitName));
  }
  return state;
}

// Every faction's 1000 records march this round, ten to each location, 200 units each.
void fillMarchTables(CampaignState& state) {
  for (int faction = 0; faction < kFactionCount; ++faction) {
    const int race = faction == kRebelFaction ? 4 : faction;
    for (int index = 0; index < kMarchCount; ++index) {
      MarchRecord& march = state.marschliste[faction][index];
      const LocationRecord& target = state.planetenliste[index % kLocationCount];
      const bool own = target.owner == state.spielerliste[faction].playerName;
      march.origin = "Hauptplanet Heimat" + std::to_string(faction);
      march.destination = locationLabel(target);
      march.orderText = std::string(own ? "Marschbefehl: " : "Angriffsbefehl: ") + "Folgende Truppen bewegen sich von " +
                        march.origin + " nach " + march.destination + " (Ankunft in Runde 2).";
      march.arrivalRound = 2;
      march.duration = 1;
      march.units.fill(std::string(preisliste.unit(race, 2).unitName));
    }
  }
}

struct BenchGame {
  explicit BenchGame(const CampaignState& prototype, std::string input = {})
      : state(std::make_unique<CampaignState>(prototype)), console(std::move(input)), random(1) {}

  std::unique_ptr<CampaignState> state;
  ScriptedConsole console;
  MemoryFileSystem files;
  Random random;
  Game game{*state, console, files, random};
};

void BM_ArrivalsAndBattleDetectionAtCapacity(benchmark::State& loop) {
  auto prototype = campaignAtCapacity();
  fillMarchTables(*prototype);
  for (auto _ : loop) {
    loop.PauseTiming();
    BenchGame bench(*prototype);
    loop.ResumeTiming();
    const MarchScan scan = takeMarchScan(*bench.state);
    processArrivals(bench.game, scan);
    detectBattles(bench.game, scan);
    benchmark::DoNotOptimize(bench.state->kampfz);
  }
}
BENCHMARK(BM_ArrivalsAndBattleDetectionAtCapacity)->Unit(benchmark::kMillisecond);

// The battle menu over the 100 battles of that round: each won by the defender with no losses,
// then the autosave into memory.
void BM_BattlePhaseAtCapacity(benchmark::State& loop) {
  auto prototype = campaignAtCapacity();
  fillMarchTables(*prototype);
  {
    BenchGame detection(*prototype);
    const MarchScan scan = takeMarchScan(*detection.state);
    processArrivals(detection.game, scan);
    detectBattles(detection.game, scan);
    *prototype = *detection.state;
  }
  std::string input;
  for (int battle = 1; battle <= prototype->kampfz; ++battle) {
    input += std::to_string(battle) + "\n" + playerName((battle - 1) % kPlayers) + "\n0\n";
  }
  input += "0\n";
  for (auto _ : loop) {
    loop.PauseTiming();
    BenchGame bench(*prototype, input);
    loop.ResumeTiming();
    runBattlePhase(bench.game);
    benchmark::DoNotOptimize(bench.files.files.size());
  }
  loop.counters["battles"] = prototype->kampfz;
}
BENCHMARK(BM_BattlePhaseAtCapacity)->Unit(benchmark::kMillisecond);

// Player 1 knows all it can: 100 location reports and 1000 march reports of 200 units, with
// agents at every faction whose 1000 marches are all under way.
std::unique_ptr<CampaignState> campaignWithFullIntelligence() {
  auto state = campaignAtCapacity();
  fillMarchTables(*state);
  for (auto& marches : state->marschliste) {
    for (MarchRecord& march : marches) march.arrivalRound = 9;
  }
  IntelDatabase& database = state->spionageliste[0];
  for (int index = 0; index < kLocationReportCount; ++index) {
    LocationReport& report = database.locationReports[index];
    report.header = "Zu Hauptplanet Ort" + std::to_string(index) +
                    " konnten folgende Informationen gewonnen werden (letzter Bericht aus Runde 1):";
    report.expiryRound = 11;
    report.troops.fill("  Brukka Horde");
    report.productionText = "  Blechkrieger";
    report.productionDueRound = 5;
  }
  for (int index = 0; index < kMarchReportCount; ++index) {
    MarchReport& report = database.marchReports[index];
    report.header = "Folgende Informationen konnten zu einem Truppenmarsch (Spieler2) gewonnen werden (letzter "
                    "Bericht aus Runde 1):";
    report.detailedText = "  Spieler: Spieler2   Herkunft: Hauptplanet Heimat1   Ziel: Hauptplanet Ort" +
                          std::to_string(index) + "   Ankunft in Runde: ";
    report.detailedArrivalRound = 9;
    report.troops.fill("Brukka Horde");
  }
  for (int other = 1; other < kFactionCount; ++other) state->spielerliste[0].agents[other] = 3;
  return state;
}

void BM_RoundReportWithFullIntelligence(benchmark::State& loop) {
  auto prototype = campaignWithFullIntelligence();
  for (auto _ : loop) {
    loop.PauseTiming();
    BenchGame bench(*prototype);
    loop.ResumeTiming();
    showRoundReport(bench.game, 0);
    benchmark::DoNotOptimize(bench.console.output().size());
  }
}
BENCHMARK(BM_RoundReportWithFullIntelligence)->Unit(benchmark::kMillisecond);

void BM_IntelligenceViewFull(benchmark::State& loop) {
  auto prototype = campaignWithFullIntelligence();
  BenchGame bench(*prototype);
  for (auto _ : loop) {
    bench.console.clearOutput();
    showEnemyTroops(bench.game, 0);
    benchmark::DoNotOptimize(bench.console.output().size());
  }
}
BENCHMARK(BM_IntelligenceViewFull)->Unit(benchmark::kMillisecond);

// Every faction at the bound of a million agents: half at home, the rest spread over the others.
void BM_EspionageWithAMillionAgentsPerFaction(benchmark::State& loop) {
  auto prototype = campaignAtCapacity();
  for (int faction = 0; faction < kFactionCount; ++faction) {
    auto& agents = prototype->spielerliste[faction].agents;
    for (int target = 0; target < kFactionCount; ++target) {
      agents[target] = target == faction ? kMaxAgents / 2 : kMaxAgents / 10;
    }
  }
  for (auto _ : loop) {
    loop.PauseTiming();
    BenchGame bench(*prototype);
    loop.ResumeTiming();
    resolveEspionage(bench.game);
    benchmark::DoNotOptimize(bench.state->espionageResult);
  }
}
BENCHMARK(BM_EspionageWithAMillionAgentsPerFaction)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaskorath
