// Reconnaissance results and ageing of the intelligence database.
#include "reports/reconnaissance_results.h"

#include "console/console.h"
#include "reports/intel_database.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

// Removes troop parts and production parts whose round has come; returns the lines printed.
int ageLocationReports(Game& game, int player) {
  CampaignState& state = game.state;
  const int round = state.runde;
  int count = 0;
  auto& reports = state.spionageliste[player].locationReports;
  for (int index = 0; index < kLocationReportCount; ++index) {
    LocationReport& report = reports[index];
    if (report.header.empty()) continue;
    const LocationRecord& location = state.planetenliste[index];
    if (report.expiryRound == round) {
      report.troops.clear();
      report.expiryRound = 0;
      report.header.clear();
      game.console.print(
          "In den letzten 10 Runden gab es keine aktualisierten Informationen zu stationierten Truppen auf ",
          kindWord(location.kind), location.name,
          ". Dieser Eintrag wurde daher aus der Datenbank entfernt.\n");
      report.productionDueRound = 0;
      report.productionText.clear();
      ++count;
    }
    if (report.productionDueRound == round) {
      report.productionDueRound = 0;
      game.console.print("Nach unseren Informationen zu den Baumassnahmen auf ", kindWord(location.kind),
                         location.name, " ist der Bau (", report.productionText,
                         ") nun abgeschlossen. Dieser Eintrag wurde daher aus der Datenbank entfernt.\n");
      report.productionText.clear();
      ++count;
    }
    if (report.expiryRound == 0 && report.productionDueRound == 0) report.header.clear();
  }
  return count;
}

// Removes the reports of marches that arrive this round; returns the lines printed.
int ageMarchReports(Game& game, int player) {
  const int round = game.state.runde;
  int count = 0;
  for (MarchReport& report : game.state.spionageliste[player].marchReports) {
    if (report.header.empty()) continue;
    if (report.detailedArrivalRound != round && report.briefArrivalRound != round) continue;
    report.troops.clear();
    report.detailedArrivalRound = 0;
    report.briefArrivalRound = 0;
    report.header.clear();
    game.console.write(
        "Nach unseren Informationen ist nachfolgender Marsch nun beendet und wird daher aus der Datenbank "
        "entfernt.\n");
    std::string& text = report.detailedText.empty() ? report.briefText : report.detailedText;
    game.console.print(text, round, "\n");
    text.clear();
    ++count;
  }
  return count;
}

void reportIdentifiedTroops(Game& game, int player, int index, bool withProduction) {
  CampaignState& state = game.state;
  const LocationRecord& location = state.planetenliste[index];
  LocationReport& report = state.spionageliste[player].locationReports[index];
  game.console.print("Deine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf ",
                     kindWord(location.kind), location.name, ", kontrolliert von ", location.owner,
                     ", befinden (siehe Menuepunkt 4 - Gegnerische Truppenteile).");
  recordTroopReport(report, location, factionIndexByName(state, location.owner), state.runde);
  if (withProduction) {
    game.console.write("\n  Es konnte auch erkundet werden, ob bzw. was derzeit dort produziert wird!");
    recordProductionReport(report, location);
  }
  game.console.write("\n");
}

void reportNothingFound(Game& game, const LocationRecord& location) {
  game.console.print(
      "Deine Erkundungstruppen konnten leider nicht in Erfahrung bringen, welche Truppen sich auf ",
      kindWord(location.kind), location.name, ", kontrolliert von ", location.owner, ", befinden.\n");
}

// Reports each returning reconnaissance once: its result code is emptied when it is printed.
int reportReturningReconnaissance(Game& game, int player) {
  CampaignState& state = game.state;
  int count = 0;
  for (MarchRecord& march : state.marschliste[player]) {
    const bool identified = march.reconMode == "a" || march.reconMode == "s";
    if (!identified && march.reconMode != "v") continue;
    const bool withProduction = march.reconMode == "s";
    bool reported = false;
    // Going home, the reconnoitred location is the origin, maybe typed without its home-planet suffix.
    for (int index = 0; index < kLocationCount; ++index) {
      const LocationRecord& location = state.planetenliste[index];
      if (!destinationMatches(march.origin, location)) continue;
      if (identified) {
        reportIdentifiedTroops(game, player, index, withProduction);
      } else {
        reportNothingFound(game, location);
      }
      reported = true;
      ++count;
    }
    if (reported) march.reconMode.clear();
  }
  return count;
}

}  // namespace

int reportReconnaissanceResults(Game& game, int player) {
  int count = ageLocationReports(game, player);
  count += ageMarchReports(game, player);
  count += reportReturningReconnaissance(game, player);
  return count;
}

}  // namespace vaskorath
