// The enemy troops view and the spy network dialogue of the main menu.
#include <gtest/gtest.h>

#include "reports/intelligence_views.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kViewTitle = "4 Gegnerische Truppenteile\n--------------------------\n";
const std::string kViewEnd = "\n\nDruecken Sie eine beliebige Taste . . .\n";

// A heading of the view: a blank line, the title and 65 dashes.
std::string section(const std::string& about) {
  const std::string title = "Folgende Informationen liegen ueber gegnerische " + about + " vor:";
  return "\n" + title + "\n" + std::string(65, '-') + "\n";
}

TEST(EnemyTroopsView, WithoutReportsEachHeadingShowsNone) {
  TestGame test;
  test.addPlayer(0, "Anna");
  showEnemyTroops(test.game, 0);
  EXPECT_EQ(test.console.currentScreen(), kViewTitle + section("Truppenteile") + "- keine -\n" +
                                              section("Bauaktivitaeten") + "- keine -\n" +
                                              section("Truppenmaersche") + "- keine -\n" + kViewEnd);
}

TEST(EnemyTroopsView, ListsTroopsProductionAndMarchesOfTheDatabase) {
  TestGame test;
  test.addPlayer(0, "Anna");
  const std::string gaia = "Zu Hauptplanet Gaia (Runde 5):";
  const std::string mond = "Zu Aussenposten Mond (Runde 6):";
  auto& locations = test.state->spionageliste[0].locationReports;
  locations[1].header = gaia;
  locations[1].troops.set(0, "  Ferox Transporter  Valkaren Trupp");
  locations[1].troops.set(4, "  Gleiterschwadron");
  locations[1].productionText = "  Gleiterschwadron";
  locations[1].productionDueRound = 8;
  locations[3].header = mond;
  locations[3].productionText = "  - keine Bauaktivitaeten -";
  locations[7].header = "Zu Hauptplanet Vesta:";  // troops seen, production not inspected
  locations[7].troops.set(0, "  Valkaren Trupp");
  auto& marches = test.state->spionageliste[0].marchReports;
  marches[0].header = "Truppenmarsch (Bert):";
  marches[0].briefText = "  Spieler: Bert   Ankunft in Runde: ";
  marches[0].briefArrivalRound = 8;
  marches[4].header = "Truppenmarsch (Cara):";
  marches[4].briefText = "  Spieler: Cara   kurz   Ankunft in Runde: ";
  marches[4].briefArrivalRound = 9;
  marches[4].detailedText = "  Spieler: Cara   genau   Ankunft in Runde: ";
  marches[4].detailedArrivalRound = 10;
  marches[4].troops.set(1, "Gleiterschwadron");

  showEnemyTroops(test.game, 0);
  EXPECT_EQ(test.console.currentScreen(), kViewTitle + section("Truppenteile") + gaia + "\n" +
                                              "  Ferox Transporter  Valkaren Trupp\n"
                                              "  Gleiterschwadron\n" +
                                              mond + "\n" +
                                              "  - keine Truppen vor Ort -\n"
                                              "Zu Hauptplanet Vesta:\n"
                                              "  Valkaren Trupp\n" +
                                              section("Bauaktivitaeten") + gaia + "\n" +
                                              "    Gleiterschwadron (Fertigstellung in Runde 8)\n" + mond +
                                              "\n" + "    - keine Bauaktivitaeten -\n" +
                                              section("Truppenmaersche") +
                                              "Truppenmarsch (Bert):\n"
                                              "  Spieler: Bert   Ankunft in Runde: 8\n"
                                              "Truppenmarsch (Cara):\n"
                                              "  Spieler: Cara   genau   Ankunft in Runde: 10\n"
                                              "  Folgende Marschtruppen sind bekannt:\n"
                                              "Gleiterschwadron\n" +
                                              kViewEnd);
}

// Anna's spy network: 5 agents at home, 1 at Bert; Bert and the rebels in play, slots 2 to 4 empty.
struct SpyCampaign : TestGame {
  explicit SpyCampaign(std::string input) : TestGame(std::move(input)) {
    addPlayer(0, "Anna").credits = 100;
    addPlayer(1, "Bert");
    addRebels();
    state->spielerliste[0].agents[1] = 1;
    runSpyNetworkDialogue(game, 0);
  }
  const std::array<int, kFactionCount>& annasAgents() const { return state->spielerliste[0].agents; }
};

// How often the dialogue showed `message` (two line ends before and after, then the pause).
int timesShown(const TestGame& test, const std::string& message) {
  return countOccurrences(test.console.output(),
                          "\n\n" + message + "\n\nDruecken Sie eine beliebige Taste . . .\n");
}

TEST(SpyNetworkDialogue, ShowsTheNetworkAndRecruitsForExactlyOneHundredCredits) {
  SpyCampaign test("1 1 3 0");
  EXPECT_EQ(test.console.output().substr(0, test.console.output().find("Du hast einen")),
            "5 Spionageaktivitaeten\n-----------------\n\n"
            "Dein Spionagenetzwerk ist wie folgt organisiert:\n" +
                std::string(48, '-') +
                "\n"
                "Im Innendienst sind derzeit insgesamt 5 Agenten im Einsatz.\n\n"
                "Im Aussendienst sind derzeit insgesamt 1 Agenten im Einsatz, im Einzelnen wie folgt:\n"
                "  1 Agenten spionieren bei Bert\n"
                "  0 Agenten spionieren bei Rebellen\n"
                "\nFolgende Optionen hast du:\n-------------------------\n"
                "1. Neuen Agenten fuer 100 Credits anwerben (du hast 100 Credits)\n"
                "2. Aktive Agenten versetzen\n\n"
                "Was willst du tun (Nummer - Abbruch mit 0)?: \n\n");
  const std::string& out = test.console.output();
  EXPECT_EQ(timesShown(test, "Du hast einen neuen Agenten angeworben. Er wurde dem Innendienst zugeordnet."),
            1);
  EXPECT_EQ(timesShown(test, "Du hast leider nicht ausreichend Credits!"), 1);
  EXPECT_EQ(timesShown(test, "Falsche Auswahl. Abbruch!"), 1);
  EXPECT_EQ(countOccurrences(out, "5 Spionageaktivitaeten\n"), 4);  // shown again after each answer
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
  EXPECT_EQ(test.annasAgents()[0], 6);
}

TEST(SpyNetworkDialogue, RecruitsNoMoreAgentsThanASaveCanHold) {
  TestGame test("1 1 0");
  test.addPlayer(0, "Anna").credits = 1000;
  test.addPlayer(1, "Bert");
  test.state->spielerliste[0].agents = {kMaxAgents - 2, 1, 0, 0, 0, 0};  // one short of the limit in all
  runSpyNetworkDialogue(test.game, 0);
  EXPECT_EQ(timesShown(test, "Du hast einen neuen Agenten angeworben. Er wurde dem Innendienst zugeordnet."), 1);
  EXPECT_EQ(timesShown(test, "Dein Geheimdienst kann keine weiteren Agenten fuehren. Abbruch!"), 1);
  EXPECT_EQ(test.state->spielerliste[0].agents[0], kMaxAgents - 1);
  EXPECT_EQ(test.state->spielerliste[0].credits, 900);
}

TEST(SpyNetworkDialogue, MovesAgentsAndRefusesEveryInvalidMove) {
  SpyCampaign test(
      "2 Anna 2 Bert\n"      // home service to Bert
      "2 Bert 3 Anna\n"      // all three back home
      "2 Anna 3 Anna\n"      // home to home: success, nothing changes
      "2 0\n"                // no number asked
      "2 Anna 0 Bert\n"      // nothing moved, success
      "2 Anna -2 Bert\n"     // negative: nothing moved, success
      "2 Xaver 1\n"          // unknown source
      "2 Anna 1 Xaver\n"     // unknown target: the agent goes back home
      "2 Anna 7\n"           // more than at home
      "2 Rebellen 1\n"       // none at the rebels
      "2 Anna 1 Rebellen\n"  // one to the rebels
      "0");
  const std::string& out = test.console.output();
  const std::string from =
      "\nVon wo sollen Agenten versetzt werden (Spielername - wenn vom Innendienst, dann eigener Name)?: ";
  const std::string count = "\nWie viele Agenten sollen versetzt werden?: ";
  const std::string to =
      "\nWohin sollen die Agenten versetzt werden (Spielername - wenn in den Innendienst, dann eigener "
      "Name)?: ";
  EXPECT_EQ(countOccurrences(out, from), 11);
  EXPECT_EQ(countOccurrences(out, count), 10);
  EXPECT_EQ(countOccurrences(out, to), 7);
  EXPECT_EQ(timesShown(test, "Der Agent bzw. die Agenten wurde(n) erfolgreich versetzt!"), 6);
  EXPECT_EQ(timesShown(test, "Fehler, Spielername existiert nicht. Abbruch!"), 2);
  EXPECT_EQ(timesShown(test, "Fehler, es sind aktuell nicht genug Agenten im Innendienst. Abbruch!"), 1);
  EXPECT_EQ(timesShown(test, "Fehler, es ist dort nicht genug Agenten im Einsatz. Abbruch!"), 1);
  // The screens in between show each step: 3 at home and 3 at Bert after the first move.
  EXPECT_NE(out.find("insgesamt 3 Agenten im Einsatz.\n\nIm Aussendienst sind derzeit insgesamt 3 Agenten im "
                     "Einsatz, im Einzelnen wie folgt:\n  3 Agenten spionieren bei Bert\n"),
            std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Im Innendienst sind derzeit insgesamt 6 Agenten im Einsatz."), 9);
  EXPECT_EQ(test.annasAgents()[0], 5);
  EXPECT_EQ(test.annasAgents()[1], 0);
  EXPECT_EQ(test.annasAgents()[kRebelFaction], 1);
}

}  // namespace
}  // namespace vaskorath::testing
