// The order dialogue of main menu entry 6: screens, marking, targets, duration and the march record.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "orders/march_orders.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kTitle = "6 Angriffs-, Marsch- oder Erkundungsbefehl\n" + std::string(42, '-') + "\n\n";
const std::string kOriginPrompt =
    "\nVon welchem Planeten oder Aussenposten sollen Truppen entsandt werden (Nummer - 0 fuer Abbruch)?: ";
const std::string kUnitPrompt =
    "\nWelche Einheit soll entsandt werden (Nummer - 0 wenn Auswahl beendet oder Abbruch wenn keine Truppen "
    "vorhanden)?: ";
const std::string kTargetPrompt =
    "Welcher Hauptplanet oder Aussenposten ist das Angriffs-, Marsch- oder Erkundungsziel?: ";
const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kMarked = " <-- Vorgesehen zum Marschieren";

// Anna (Kadrische Legion) holds Terra (Heimatplanet) at 1520 and the outpost Luna at 1723; Bert holds
// Fels (Heimatplanet) at 1812. Terra's garrison has a hole at slot 1.
struct OrderGame : TestGame {
  explicit OrderGame(std::string input) : TestGame(std::move(input)) {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Brukkas");
    terra = addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet, 1520);
    luna = addLocation("Luna", "Anna", kKindOutpost, 1723);
    fels = addLocation("Fels (Heimatplanet)", "Bert", kKindMainPlanet, 1812);
    placeUnits(terra, 0, {"Stabseinheit mit Tribun", "Laeuferschwadron", "Ferox Transporter", "Kadrischer Sturmtrupp"});
    garrison().clear(1);
  }
  TroopList& garrison() { return state->planetenliste[terra].troops[0][0]; }
  MarchRecord& record(int index) { return state->marschliste[0][index]; }

  int terra, luna, fels;
};

std::string unitScreen(const std::string& lines) {
  return kTitle + "Auf Hauptplanet Terra (Heimatplanet) sind folgende Truppenteile stationiert:\n" +
         std::string(60, '-') + "\n" + lines + kUnitPrompt;
}

TEST(MarchOrders, DurationIsHalfTheLongerDistanceRoundedUpAndAtLeastOne) {
  EXPECT_EQ(marchDuration(1520, 1812), 4);  // dx 3, dy 8: 8 / 2
  EXPECT_EQ(marchDuration(1520, 1723), 2);  // dx 2, dy 3: 3 / 2 rounded up
  EXPECT_EQ(marchDuration(101, 1010), 5);   // dx 9, dy 9: 9 / 2 rounded up
  EXPECT_EQ(marchDuration(1520, 1521), 1);
  EXPECT_EQ(marchDuration(1812, 1520), 4);
  EXPECT_EQ(marchDuration(1520, 1520), 1);  // equal coordinates would never arrive
}

TEST(MarchOrders, AnAttackIsMarkedOverHolesConfirmedAndStoredWithItsUnits) {
  // Origin 1; mark 2 and 3, unmark 2; target Bert's home planet typed without its suffix; no
  // reconnaissance; confirm.
  OrderGame test("1\n2\n3\n2\n0\nFels\nn\nj\n");
  runOrderDialogue(test.game, 0);

  const std::string unmarked = "1 Stabseinheit mit Tribun\n2 Ferox Transporter\n3 Kadrischer Sturmtrupp\n";
  const std::string orderText =
      "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Terra (Heimatplanet) nach Hauptplanet Fels "
      "(Ankunft in Runde 5).";
  EXPECT_EQ(test.console.output(),
            kTitle + "Folgende Planeten oder Aussenposten befinden sich unter deiner Kontrolle:\n" +
                std::string(73, '-') + "\n" +
                "1 Hauptplanet Terra (Heimatplanet) bei den Koordinaten 1520 mit der Befestigungsstufe 1\n"
                "2 Aussenposten Luna bei den Koordinaten 1723 mit der Befestigungsstufe 1\n" +
                kOriginPrompt + unitScreen(unmarked) +
                unitScreen("1 Stabseinheit mit Tribun\n2 Ferox Transporter" + kMarked +
                           "\n3 Kadrischer Sturmtrupp\n") +
                unitScreen("1 Stabseinheit mit Tribun\n2 Ferox Transporter" + kMarked +
                           "\n3 Kadrischer Sturmtrupp" + kMarked + "\n") +
                unitScreen("1 Stabseinheit mit Tribun\n2 Ferox Transporter\n3 Kadrischer Sturmtrupp" + kMarked +
                           "\n") +
                "\n" + kTargetPrompt + "\nSoll nur erkundet werden (j/n)?: " +
                "Datenerhebung abgeschlossen. Der geplante Marsch dauert 4 Runde(n) (Ankunft in Runde 5). Soll der "
                "Befehl nun erteilt werden (j/n)?: \n"
                "Vielen Dank, der Befehl wurde erteilt!\n\n" +
                orderText + " Marschdauer: 4 Runde(n).\nKadrischer Sturmtrupp\n\n" + kPause);

  const MarchRecord& march = test.record(0);
  EXPECT_EQ(march.orderText, orderText);
  EXPECT_EQ(march.origin, "Hauptplanet Terra (Heimatplanet)");
  EXPECT_EQ(march.destination, "Hauptplanet Fels");  // as typed
  EXPECT_EQ(march.reconMode, "");
  EXPECT_EQ(march.duration, 4);
  EXPECT_EQ(march.arrivalRound, 5);
  EXPECT_EQ(march.visibilityScore, 3);  // 3 x visibility 1 of the Sturmtrupp
  EXPECT_EQ(march.units[2], "Kadrischer Sturmtrupp");  // entry 3 - 1 for list number 3
  EXPECT_EQ(countUnits(march.units), 1);
  // Only the slot of number 3 (slot 3, behind the hole) has left the origin.
  EXPECT_EQ(test.garrison()[0], "Stabseinheit mit Tribun");
  EXPECT_EQ(test.garrison()[2], "Ferox Transporter");
  EXPECT_EQ(test.garrison()[3], "");
}

TEST(MarchOrders, TargetChecksAndTheReconnaissanceAnswer) {
  // The origin itself (typed without suffix), a name that does not exist, then Fels with "j".
  OrderGame test("1\n1\n3\n0\nTerra\nNirgendwo\nFels\nj\nj\n");
  runOrderDialogue(test.game, 0);
  EXPECT_NE(test.console.output().find(
                "\n" + kTargetPrompt + "\nStart- und Zielpunkt sind identisch. " + kTargetPrompt +
                "\nZielpunkt existiert nicht! " + kTargetPrompt + "\nSoll nur erkundet werden (j/n)?: "),
            std::string::npos);
  EXPECT_TRUE(test.record(0).orderText.starts_with("Erkundungsbefehl: Folgende Truppen bewegen sich von "));
  EXPECT_EQ(test.record(0).reconMode, "j");
  // Stabseinheit (visibility 1) and Sturmtrupp (visibility 1): 3 x 2.
  EXPECT_EQ(test.record(0).visibilityScore, 6);

  // "J" is not yes: an attack. An own target is a march and asks nothing.
  OrderGame attack("1\n1\n0\nFels\nJ\nj\n");
  runOrderDialogue(attack.game, 0);
  EXPECT_TRUE(attack.record(0).orderText.starts_with("Angriffsbefehl: "));
  OrderGame march("1\n1\n0\nLuna\nj\n");
  runOrderDialogue(march.game, 0);
  EXPECT_EQ(march.record(0).orderText,
            "Marschbefehl: Folgende Truppen bewegen sich von Hauptplanet Terra (Heimatplanet) nach Aussenposten "
            "Luna (Ankunft in Runde 3).");
  EXPECT_EQ(march.console.output().find("Soll nur erkundet"), std::string::npos);
}

TEST(MarchOrders, ADeclinedOrderPutsTheUnitsIntoTheFirstEmptySlotsAndLeavesTheRecordFree) {
  OrderGame test("1\n2\n0\nFels\nn\nja\n");  // Ferox (slot 2) marked; "ja" is not yes
  runOrderDialogue(test.game, 0);
  EXPECT_TRUE(test.console.currentScreen().ends_with("Abbruch!\n\n" + kPause));
  EXPECT_EQ(test.garrison()[1], "Ferox Transporter");  // into the hole in front of its old slot
  EXPECT_EQ(test.garrison()[2], "");
  EXPECT_EQ(test.record(0), MarchRecord{});
}

TEST(MarchOrders, AnOriginNumberOfNoLocationShowsAnEmptyListAndEndsInTheAbort) {
  OrderGame test("7\n0\n");
  runOrderDialogue(test.game, 0);
  // The empty kind word and name keep their blanks: three between "Auf" and "sind".
  EXPECT_NE(test.console.output().find(kOriginPrompt + kTitle + "Auf   sind folgende Truppenteile stationiert:\n" +
                                       std::string(60, '-') + "\n  - keine -\n" + kUnitPrompt),
            std::string::npos);
  EXPECT_EQ(test.console.currentScreen(),
            "Keine Truppen fuer den Angriff bzw. Marsch ausgewaehlt. Abbruch!\n\n" + kPause);
}

TEST(MarchOrders, AnOrderThatArrivesWhenTheCampaignHasEndedSaysSoAndMayStillBeGiven) {
  // Terra to Fels takes 4 rounds; the campaign ends with round 10, whose calculation never comes.
  for (int round : {5, 6, 9}) {  // arrival in round 9 (still carried out), 10 and 13
    SCOPED_TRACE(round);
    OrderGame test("1\n1\n0\nFels\nn\nj\n");
    test.state->runde = round;
    test.state->endrunde = 10;
    runOrderDialogue(test.game, 0);
    const auto hint = test.console.output().find(
        "(j/n)?: Hinweis: Die Kampagne endet mit Runde 10, dieser Befehl wird nicht mehr ausgefuehrt.\n"
        "Datenerhebung abgeschlossen. Der geplante Marsch dauert 4 Runde(n) (Ankunft in Runde ");
    EXPECT_EQ(hint != std::string::npos, round > 5);
    EXPECT_EQ(countOccurrences(test.console.output(), "Hinweis"), round > 5 ? 1 : 0);
    EXPECT_TRUE(test.record(0).orderText.starts_with("Angriffsbefehl: "));
  }
  // A round limit above the highest round a save may hold: the campaign ends after that round.
  OrderGame late("1\n1\n0\nFels\nn\nj\n");
  late.state->runde = kMaxRound - 1;
  late.state->endrunde = std::numeric_limits<int>::max();
  runOrderDialogue(late.game, 0);
  EXPECT_NE(late.console.output().find("Hinweis: Die Kampagne endet mit Runde 1000000001, dieser Befehl"),
            std::string::npos);
}

TEST(MarchOrders, TheFreeRecordIsTakenClearedOfStrayUnitsOrTheOrderIsRefused) {
  OrderGame test("1\n1\n0\nLuna\nj\n");
  MarchRecord& stale = test.record(0);
  stale.units.set(5, "Kerberan Haubitze");  // found no garrison slot when its march ended
  stale.visibilityScore = 9;
  stale.reportText = "Noch nicht gemeldet";
  runOrderDialogue(test.game, 0);
  EXPECT_EQ(stale.units[0], "Stabseinheit mit Tribun");
  EXPECT_EQ(countUnits(stale.units), 1);
  EXPECT_EQ(stale.visibilityScore, 3);
  EXPECT_EQ(stale.reportText, "Noch nicht gemeldet");

  OrderGame full("");
  for (MarchRecord& march : full.state->marschliste[0]) march.orderText = "Marschbefehl: unterwegs";
  runOrderDialogue(full.game, 0);
  EXPECT_EQ(full.console.output(),
            "Es sind bereits 1000 Befehle unterwegs. Ein weiterer Befehl ist erst moeglich, wenn Truppen "
            "angekommen sind.\n\n" + kPause);
  EXPECT_EQ(full.garrison()[0], "Stabseinheit mit Tribun");
}

}  // namespace
}  // namespace vaskorath::testing
