// Reconnaissance results and the ageing of location reports in the round report's section.
#include <gtest/gtest.h>

#include "reports/reconnaissance_results.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

constexpr int kValkaren = 1;

// Anna (player 0) reconnoitres Bert's (player 1, Valkaren) home planet Gaia and outpost Mond.
struct ReconCampaign : TestGame {
  ReconCampaign() {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Valkaren");
    addRebels();
    gaia = addLocation("Gaia (Heimatplanet)", "Bert");
    mond = addLocation("Mond", "Bert", kKindOutpost);
  }

  // Anna's reconnaissance on its way home from `target` with its result code.
  MarchRecord& returning(const std::string& target, std::string code) {
    MarchRecord& march = addMarch(0, "Marschbefehl: Folgende Erkundungstruppen bewegen sich von ...", target,
                                  "Hauptplanet Terra", 20, {"Gleiterschwadron"});
    march.reconMode = std::move(code);
    return march;
  }

  // The section's entries of Anna's report in `round`.
  std::string reportIn(int round, int expectedCount) {
    state->runde = round;
    console.clearOutput();
    EXPECT_EQ(reportReconnaissanceResults(game, 0), expectedCount) << "round " << round;
    return console.output();
  }

  LocationReport& report(int location) { return state->spionageliste[0].locationReports[location]; }

  int gaia = 0;
  int mond = 0;
};

const std::string kGaiaFound =
    "Deine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf Hauptplanet Gaia "
    "(Heimatplanet), kontrolliert von Bert, befinden (siehe Menuepunkt 4 - Gegnerische Truppenteile).";

TEST(ReconnaissanceResults, ATroopReportIsMadeOnceAndExpiresTenRoundsLater) {
  ReconCampaign test;
  // Bert's row of every race grid makes the entries; the rebels' unit is not his.
  test.placeUnits(test.gaia, 1, {"Valkaren Trupp", "Valkaren Trupp", "Gleiterschwadron"});
  test.state->planetenliste[test.gaia].troops[kValkaren][1].clear(1);
  test.placeUnits(test.gaia, 1, {"Ferox Transporter"}, 0);
  test.placeUnits(test.gaia, kRebelFaction, {"Valkaren Trupp"}, kValkaren);
  // Typed without " (Heimatplanet)" in the order, so the origin of the way home lacks it too.
  MarchRecord& march = test.returning("Hauptplanet Gaia", "a");

  EXPECT_EQ(test.reportIn(5, 1), kGaiaFound + "\n");
  EXPECT_EQ(march.reconMode, "");
  const LocationReport& report = test.report(test.gaia);
  EXPECT_EQ(report.header,
            "Zu Hauptplanet Gaia (Heimatplanet) konnten folgende Informationen gewonnen werden (letzter "
            "Bericht aus Runde 5):");
  EXPECT_EQ(report.troops[0], "  Ferox Transporter  Valkaren Trupp");  // race grids in race order
  EXPECT_EQ(report.troops[1], "");
  EXPECT_EQ(report.troops[2], "  Gleiterschwadron");
  EXPECT_EQ(report.expiryRound, 15);
  EXPECT_EQ(report.productionText, "");  // "a" does not inspect production

  for (int round = 5; round <= 14; ++round) EXPECT_EQ(test.reportIn(round, 0), "");
  EXPECT_EQ(test.reportIn(15, 1),
            "In den letzten 10 Runden gab es keine aktualisierten Informationen zu stationierten Truppen auf "
            "Hauptplanet Gaia (Heimatplanet). Dieser Eintrag wurde daher aus der Datenbank entfernt.\n");
  EXPECT_EQ(test.report(test.gaia), LocationReport{});
}

TEST(ReconnaissanceResults, ProductionPartsEndInTheirRoundAndANewerReportReplacesTheOlder) {
  ReconCampaign test;
  LocationRecord& gaia = test.state->planetenliste[test.gaia];
  test.placeUnits(test.gaia, 1, {"Valkaren Trupp", "Gleiterschwadron"});
  gaia.productionItem[kValkaren] = "Befestigungsausbau";
  gaia.productionDueRound = 8;
  test.state->planetenliste[test.mond].productionItem[kValkaren] = "Gleiterschwadron";
  test.state->planetenliste[test.mond].productionDueRound = 8;
  test.returning("Hauptplanet Gaia (Heimatplanet)", "s");
  test.returning("Aussenposten Mond", "s");
  EXPECT_EQ(test.reportIn(5, 2),
            kGaiaFound + "\n  Es konnte auch erkundet werden, ob bzw. was derzeit dort produziert wird!\n" +
                "Deine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf Aussenposten "
                "Mond, kontrolliert von Bert, befinden (siehe Menuepunkt 4 - Gegnerische Truppenteile).\n"
                "  Es konnte auch erkundet werden, ob bzw. was derzeit dort produziert wird!\n");
  EXPECT_EQ(test.report(test.mond).productionText, "  Gleiterschwadron");

  // Round 7: Gaia builds nothing any more and a unit has left; the second look replaces the first.
  gaia.productionItem[kValkaren].clear();
  gaia.troops[kValkaren][1].clear(0);
  test.returning("Hauptplanet Gaia", "s");
  test.reportIn(7, 1);
  const LocationReport& newer = test.report(test.gaia);
  EXPECT_NE(newer.header.find("(letzter Bericht aus Runde 7):"), std::string::npos);
  EXPECT_EQ(newer.troops[0], "");
  EXPECT_EQ(newer.troops[1], "  Gleiterschwadron");
  EXPECT_EQ(newer.productionText, "  - keine Bauaktivitaeten -");
  EXPECT_EQ(newer.productionDueRound, 0);  // not the 8 of the older look, which would end it in round 8

  // Round 8 ends only Mond's production; its troop part stays until round 15.
  EXPECT_EQ(test.reportIn(8, 1),
            "Nach unseren Informationen zu den Baumassnahmen auf Aussenposten Mond ist der Bau (  "
            "Gleiterschwadron) nun abgeschlossen. Dieser Eintrag wurde daher aus der Datenbank entfernt.\n");
  EXPECT_EQ(test.report(test.mond).productionText, "");
  EXPECT_FALSE(test.report(test.mond).header.empty());
  for (int round = 9; round <= 14; ++round) EXPECT_EQ(test.reportIn(round, 0), "");
  EXPECT_NE(test.reportIn(15, 1).find("Aussenposten Mond. Dieser Eintrag"), std::string::npos);
  // "Nothing built" never ends by itself: only Gaia's troop expiry in round 17 takes it away.
  EXPECT_EQ(test.reportIn(16, 0), "");
  EXPECT_EQ(test.reportIn(17, 1).find("In den letzten 10 Runden"), 0u);
  EXPECT_EQ(test.report(test.gaia), LocationReport{});
}

TEST(ReconnaissanceResults, NothingFoundIsReportedOnceAndLeavesTheDatabaseAlone) {
  ReconCampaign test;
  test.report(test.mond).header = "Zu Aussenposten Mond (Runde 2):";
  test.report(test.mond).expiryRound = 12;
  const IntelDatabase before = test.state->spionageliste[0];
  MarchRecord& nothing = test.returning("Aussenposten Mond", "v");
  test.returning("Hauptplanet Gaia", "e");  // discovered: fights there, nothing to report
  EXPECT_EQ(test.reportIn(6, 1),
            "Deine Erkundungstruppen konnten leider nicht in Erfahrung bringen, welche Truppen sich auf "
            "Aussenposten Mond, kontrolliert von Bert, befinden.\n");
  EXPECT_EQ(nothing.reconMode, "");
  EXPECT_EQ(test.state->spionageliste[0], before);
  EXPECT_EQ(test.reportIn(6, 0), "");
}

}  // namespace
}  // namespace vaskorath::testing
