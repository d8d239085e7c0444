// Campaigns for the fuzzers, made with the campaign builder of the tests.
#include "fuzz/harness/fuzz_campaigns.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdlib>
#include <new>
#include <string>

#include "test_game.h"

namespace vaskorath::fuzzing {

namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

std::size_t stateBytes() { return (sizeof(CampaignState) + kHugePage - 1) / kHugePage * kHugePage; }

// Anna (Kadrische Legion) on Terra, Bert (Brukkas) on Fels with the outpost Stein, Cara
// (Morgathen) on Nebel and Wald; the rebels hold the main planet Ruine and the outpost Funke.
void addThreePlayersAndRebels(testing::TestGame& test) {
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  test.addPlayer(2, "Cara", "Morgathen");
  test.addRebels();
  CampaignState& state = *test.state;
  state.endrunde = 8;
  state.heimatplanet1 = "Terra (Heimatplanet)";
  state.heimatplanet2 = "Fels (Heimatplanet)";
  state.heimatplanet3 = "Nebel (Heimatplanet)";
  const int terra = test.addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 101);
  const int fels = test.addLocation("Fels (Heimatplanet)", "Bert", kKindMainPlanet, 909);
  const int stein = test.addLocation("Stein", "Bert", kKindOutpost, 102);
  const int nebel = test.addLocation("Nebel (Heimatplanet)", "Cara", kKindMainPlanet, 5050);
  const int wald = test.addLocation("Wald", "Cara", kKindMainPlanet, 4040);
  const int ruine = test.addLocation("Ruine", "Rebellen", kKindMainPlanet, 2020);
  const int funke = test.addLocation("Funke", "Rebellen", kKindOutpost, 3030);
  for (int home : {terra, fels, nebel}) state.planetenliste[home].fortificationLevel = 3;
  test.placeUnits(terra, 0, {"Stabseinheit mit Tribun", "Kadrischer Sturmtrupp", "Kadrischer Sturmtrupp",
                             "Ferox Transporter"});
  test.placeUnits(fels, 1, {"Brukka Stampfer", "Blechkrieger", "Brukka Horde"});
  test.placeUnits(stein, 1, {"Munischlepper"});
  test.placeUnits(nebel, 2, {"Morgathen Fuerst", "Morgathen Trupp"});
  test.placeUnits(wald, 2, {"Klingenschwarm"});
  state.planetenliste[ruine].rebelRace = "Brukkas";
  test.placeUnits(ruine, kRebelFaction, {"Brukka Horde", "Grossmaul Trupp"}, 4);
  state.planetenliste[funke].rebelRace = "Morgathen";
  test.placeUnits(funke, kRebelFaction, {"Klingenschwarm"}, 3);
  test.setProduction(terra, 0, "Kadrischer Sturmtrupp", 3);
}

}  // namespace

void StateDeleter::operator()(CampaignState* state) const {
  state->~CampaignState();
  ::operator delete(state, std::align_val_t{kHugePage});
}

StatePointer makeForkFriendlyState() {
  void* memory = ::operator new(stateBytes(), std::align_val_t{kHugePage});
#if defined(__linux__)
  ::madvise(memory, stateBytes(), MADV_HUGEPAGE);  // only advice: without huge pages it is just slower
#endif
  return StatePointer(new (memory) CampaignState());
}

void buildBattlesCampaign(CampaignState& state) {
  testing::TestGame test;
  addThreePlayersAndRebels(test);
  test.addMarch(0, "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Terra (Heimatplanet) nach "
                   "Hauptplanet Fels (Ankunft in Runde 2).",
                "Hauptplanet Terra (Heimatplanet)", "Hauptplanet Fels", 2,
                {"Kadrischer Sturmtrupp", "Laeuferschwadron"});
  test.addMarch(0, "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Terra (Heimatplanet) nach "
                   "Aussenposten Funke (Ankunft in Runde 2).",
                "Hauptplanet Terra (Heimatplanet)", "Aussenposten Funke", 2, {"Granatwerfertrupps"});
  MarchRecord& recon = test.addMarch(
      1, "Erkundungsbefehl: Folgende Truppen bewegen sich von Aussenposten Stein nach Hauptplanet Terra "
         "(Ankunft in Runde 2).",
      "Aussenposten Stein", "Hauptplanet Terra", 2, {"Munischlepper", "Knochenflicker"});
  recon.reconMode = "j";
  recon.visibilityScore = 6;
  test.addMarch(1, "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Fels (Heimatplanet) nach "
                   "Hauptplanet Wald (Ankunft in Runde 2).",
                "Hauptplanet Fels (Heimatplanet)", "Hauptplanet Wald", 2, {"Brukka Horde"});
  test.addMarch(5, "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Ruine nach Hauptplanet Wald "
                   "(Ankunft in Runde 2).",
                "Hauptplanet Ruine", "Hauptplanet Wald", 2, {"Grossmaul Trupp"});
  test.addMarch(2, "Marschbefehl: Folgende Truppen bewegen sich von Hauptplanet Wald nach Hauptplanet Nebel "
                   "(Ankunft in Runde 2).",
                "Hauptplanet Wald", "Hauptplanet Nebel", 2, {"Vernichter Trupp"});
  state = *test.state;
}

void buildIntelligenceCampaign(CampaignState& state) {
  testing::TestGame test;
  addThreePlayersAndRebels(test);
  for (int player = 0; player < 3; ++player) {
    for (int other = 0; other < kFactionCount; ++other) {
      if (other != player) test.state->spielerliste[player].agents[other] = 3;
    }
    IntelDatabase& database = test.state->spionageliste[player];
    for (int index = 0; index < kLocationReportCount; ++index) {
      LocationReport& report = database.locationReports[index];
      report.header = "Zu Hauptplanet Ort" + std::to_string(index) +
                      " konnten folgende Informationen gewonnen werden (letzter Bericht aus Runde 1):";
      report.expiryRound = 2 + index % 9;
      report.troops.fill("  Brukka Horde");
      report.productionText = "  Blechkrieger";
      report.productionDueRound = 2 + index % 5;
    }
    for (int index = 0; index < kMarchReportCount; ++index) {
      MarchReport& report = database.marchReports[index];
      report.header = "Folgende Informationen konnten zu einem Truppenmarsch (Bert) gewonnen werden (letzter "
                      "Bericht aus Runde 1):";
      report.briefText = "  Spieler: Bert   Herkunft: Hauptplanet Fels (Heimatplanet)   Ziel: Hauptplanet Ort" +
                         std::to_string(index) + "   Ankunft in Runde: ";
      report.briefArrivalRound = 2 + index % 7;
      if (index % 2 == 0) {
        report.detailedText = report.briefText;
        report.detailedArrivalRound = report.briefArrivalRound;
        report.troops.fill("Brukka Horde");
      }
    }
  }
  state = *test.state;
}

}  // namespace vaskorath::fuzzing
