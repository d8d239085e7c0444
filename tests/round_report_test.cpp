// Round report: income, gift and messages, finished production, report texts in their sections,
// mercenary arrivals with their replacement offers, and the empty sections.
#include "reports/round_report.h"

#include <gtest/gtest.h>

#include <limits>

#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kArrival = "Verstaerkungstruppen von Hauptplanet Gaia (Heimatplanet) sind eingetroffen.";
const std::string kCaught = "Verstaerkungstruppen von Aussenposten Ost gerieten in ein Gefecht.";
const std::string kDefence = "Deine Verteidigungstruppen auf Hauptplanet Kolonie haben gesiegt.";
const std::string kAttack = "Angriffstruppen von Hauptplanet Kolonie wurden vernichtet.";
const std::string kScouts = "Erkundungstruppen von Aussenposten West wurden entdeckt.";

TEST(RoundReport, ShowsEveryEventOfTheRoundInItsSection) {
  TestGame test("", 17);
  test.addPlayer(0, "Anna", "Xelthar-Bund");
  test.addPlayer(1, "Bert");
  test.state->runde = 4;
  // Two main planets and three outposts: 2 x 70 + 3 x 40 = 260 credits.
  const int gaia = test.addLocation("Gaia (Heimatplanet)", "Anna");
  const int kolonie = test.addLocation("Kolonie", "Anna");
  for (const char* outpost : {"Ost", "West", "Sued"}) test.addLocation(outpost, "Anna", kKindOutpost);
  test.state->planetenliste[gaia].troops[2][0].set(1, "Kommandant Ilyeth");  // the unit goes into slot 0
  test.setProduction(gaia, 2, "Glutkrieger Trupp", 4);
  test.setProduction(kolonie, 2, "Befestigungsausbau", 4);
  test.state->creditgabemenge[0] = 50;
  test.state->creditgabehinweis[0] = 1;
  auto& inbox = test.state->spielernachrichten[0];
  inbox = {"  Von Bert: Hallo", "  Von Bert: Bis bald", "", "  Von Bert: hinter der Luecke"};

  // An ended march keeps its arrival text in front of two used records; the upkeep moves record
  // 2 down but leaves its defender message; more texts wait in free records past the end.
  auto& marches = test.state->marschliste[0];
  test.addMarch(0, "Marschbefehl: beendet", "", "", 4, {});
  test.addMarch(0, "Angriffsbefehl: erster", "", "", 6, {"KR5 Schildlaeufer"});
  test.addMarch(0, "Marschbefehl: zweiter", "", "", 5, {"Glutkrieger Trupp"});
  marches[0] = MarchRecord{};
  marches[0].reportText = kArrival;
  marches[2].reportText = kDefence;
  marches[3].reportText = kAttack;
  marches[5].reportText = kScouts;
  marches[6].reportText = kCaught;
  marches[7].reportText = "Ein Text ohne Abschnitt";
  auto& offers = test.state->soeldnerliste[0];
  offers[3] = MercenaryOffer{"Glutkrieger Trupp", 320, 0, true};
  offers[5] = MercenaryOffer{"Kommandant Ilyeth", 700, 2, true};  // still under way

  showRoundReport(test.game, 0);
  EXPECT_EQ(
      test.console.currentScreen(),
      "Runde 4          Anna (Xelthar-Bund)          1260 Credits\n\n"
      "Rundenereignisse:\n-----------------\n\n\n"
      "Allgemeine Informationen:\n-------------------------\n"
      "In dieser Runde hast du 260 Credits eingenommen.\n"
      "Freudige Nachricht. Bert hat dir 50 Credits geschenkt!\n\n"
      "Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n"
      "  Von Bert: Hallo\n  Von Bert: Bis bald\n\n\n"
      "Diese Runde wurden folgende Einheiten bzw. Befestigungen fertiggestellt:\n" +
          std::string(64, '-') +
          "\nAuf Hauptplanet Gaia (Heimatplanet) wurde folgendes fertiggestellt: - Glutkrieger Trupp -\n"
          "Auf Hauptplanet Kolonie wurde folgendes fertiggestellt: - Befestigungsausbau -\n\n\n"
          "In dieser Runde sind folgende Truppenbewegungen erfolgt:\n" +
          std::string(56, '-') + "\n" + kArrival + "\n" + kCaught +
          "\nEine Soeldnereinheit hat dich in dieser Runde auf deinem Heimatplaneten verstaerkt "
          "(Glutkrieger Trupp).\n\n\n"
          "In dieser Runde gab es folgende Gefechtsaktivitaeten:\n" +
          std::string(53, '-') + "\n" + kDefence + "\n" + kAttack + "\n" + kScouts +
          "\n\n\nIn dieser Runde konnten folgende Erkundungsergebnisse gewonnen werden:\n" +
          std::string(70, '-') +
          "\n- keine -\n\n\n"
          "In dieser Runde gab es folgende Spionageaktivitaeten:\n" +
          std::string(53, '-') + "\n- keine -\n\n\n" + kPause);

  EXPECT_EQ(test.state->spielerliste[0].credits, 1260);
  EXPECT_EQ(test.state->creditgabemenge[0], 0);
  EXPECT_EQ(test.state->creditgabehinweis[0], kNobody);
  EXPECT_EQ(inbox[1], "");
  EXPECT_EQ(inbox[3], "  Von Bert: hinter der Luecke");
  EXPECT_EQ(test.state->planetenliste[gaia].troops[2][0][0], "Glutkrieger Trupp");
  EXPECT_EQ(test.state->planetenliste[gaia].productionDueRound, 0);
  EXPECT_EQ(test.state->planetenliste[kolonie].fortificationLevel, 2);
  EXPECT_EQ(countUnits(test.state->planetenliste[kolonie].troops[2][0]), 0);
  EXPECT_EQ(marches[0].orderText, "Marschbefehl: zweiter");
  EXPECT_EQ(marches[1].orderText, "Angriffsbefehl: erster");
  for (int index = 0; index < 7; ++index) EXPECT_EQ(marches[index].reportText, "") << index;
  EXPECT_EQ(marches[7].reportText, "Ein Text ohne Abschnitt");
  // Seed 17 draws 94 and 26602: slot 14 is empty, slot 2 is "KR5 Schildlaeufer" of cost 90.
  EXPECT_EQ(offers[3], (MercenaryOffer{"KR5 Schildlaeufer", 270, 0, false}));
  EXPECT_EQ(offers[5], (MercenaryOffer{"Kommandant Ilyeth", 700, 2, true}));
}

TEST(RoundReport, APlayerWithNothingToReportSeesNoneInEverySection) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addLocation("Terra", "Anna");
  test.state->runde = 2;
  test.state->creditgabehinweis[1] = 0;  // a giver without an amount is not announced
  showRoundReport(test.game, 1);
  const std::string_view screen = test.console.currentScreen();
  EXPECT_TRUE(screen.starts_with("Runde 2          Bert (Kadrische Legion)          1000 Credits\n\n"));
  EXPECT_NE(screen.find("In dieser Runde hast du 0 Credits eingenommen.\n\n\nDiese Runde"),
            std::string::npos);
  EXPECT_EQ(countOccurrences(screen, "- keine -\n"), 5);
  EXPECT_EQ(test.state->creditgabehinweis[1], kNobody);
}

TEST(RoundReport, CompletesOnlyWhatTheOwnerCanReceive) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->runde = 6;
  const int lost = test.addLocation("Verloren", "Bert");  // lost before the order was finished
  test.setProduction(lost, 0, "Ferox Transporter", 6);
  const int full = test.addLocation("Voll", "Anna");  // all 200 slots taken: the unit waits a round
  test.state->planetenliste[full].troops[0][0].fill("Kadrischer Sturmtrupp");
  test.setProduction(full, 0, "Ferox Transporter", 6);
  const int conquered = test.addLocation("Erobert", "Anna");  // another race's order
  test.setProduction(conquered, 4, "Schrauber", 6);

  showRoundReport(test.game, 0);
  EXPECT_NE(test.console.output().find("fertiggestellt:\n" + std::string(64, '-') + "\n- keine -\n"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[lost].productionDueRound, 6);
  EXPECT_EQ(test.state->planetenliste[full].productionDueRound, 7);
  EXPECT_EQ(test.state->planetenliste[conquered].productionDueRound, 0);
  EXPECT_EQ(countUnits(test.state->planetenliste[conquered].troops[0][0]), 0);

  test.state->runde = 7;
  test.state->planetenliste[full].troops[0][0].clear(150);
  showRoundReport(test.game, 0);
  EXPECT_NE(test.console.currentScreen().find(
                "Auf Hauptplanet Voll wurde folgendes fertiggestellt: - Ferox Transporter -\n"),
            std::string::npos);
  EXPECT_EQ(test.state->planetenliste[full].troops[0][0][150], "Ferox Transporter");
}

TEST(RoundReport, AFortificationNeverRisesAboveWhatASaveMayHold) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->runde = 6;
  const int fortress = test.addLocation("Festung", "Anna");  // only a file can hold such a level
  test.state->planetenliste[fortress].fortificationLevel = kMaxFortificationLevel;
  test.setProduction(fortress, 0, "Befestigungsausbau", 6);
  showRoundReport(test.game, 0);
  EXPECT_EQ(test.state->planetenliste[fortress].fortificationLevel, kMaxFortificationLevel);
  EXPECT_EQ(test.state->planetenliste[fortress].productionDueRound, 0);
}

TEST(RoundReport, APlayerWithoutAKnownRaceGetsNoProductionAndNoNewOffer) {
  TestGame test;
  test.addPlayer(0, "Anna", "");
  const int terra = test.addLocation("Terra", "Anna");
  test.setProduction(terra, 0, "Ferox Transporter", 3);
  test.state->runde = 3;
  test.state->soeldnerliste[0][0] = MercenaryOffer{"Brukka Horde", 180, 0, true};
  showRoundReport(test.game, 0);
  EXPECT_NE(test.console.output().find("verstaerkt (Brukka Horde).\n"), std::string::npos);
  EXPECT_EQ(test.state->planetenliste[terra].productionDueRound, 3);
  EXPECT_EQ(test.state->soeldnerliste[0][0], (MercenaryOffer{"Brukka Horde", 180, 0, false}));
  EXPECT_EQ(test.random.next(), 41);  // no offer was drawn
}

TEST(RoundReport, IncomeStopsAtTheLargestBalance) {
  TestGame test;
  test.addPlayer(0, "Anna").credits = std::numeric_limits<int>::max() - 100;
  test.addLocation("Terra", "Anna");
  test.addLocation("Luna", "Anna");
  test.state->runde = 2;
  showRoundReport(test.game, 0);
  // 140 credits are due; 100 fit.
  EXPECT_EQ(test.state->spielerliste[0].credits, 2147483647);
  EXPECT_NE(test.console.output().find("In dieser Runde hast du 100 Credits eingenommen.\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vaskorath::testing
