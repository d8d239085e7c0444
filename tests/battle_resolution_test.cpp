// Battle resolution: participants, winners, conquest, messages and the winner's destroyed units.
#include <gtest/gtest.h>

#include <string>

#include "resolution/battle_resolution.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kLossPrompt = "\nWelche Truppen sind in der Schlacht vernichtet worden (Nummer - Fertig mit 0)?: ";
const std::string kThanks = "\nVielen Dank, die Eingaben werden gespeichert.\n\n";

// Round 4: Anna (Kadrische Legion) attacks Bert's (Brukkas) Fels (Heimatplanet) from Terra.
struct BattleGame : TestGame {
  explicit BattleGame(std::string input) : TestGame(std::move(input)) {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Brukkas");
    addRebels();
    terra = addLocation("Terra (Heimatplanet)", "Anna", kKindMainPlanet);
    fels = addLocation("Fels (Heimatplanet)", "Bert", kKindMainPlanet);
    state->planetenliste[fels].fortificationLevel = 3;
    placeUnits(fels, 1, {"Brukka Stampfer", "Blechkrieger"});
    state->runde = 4;
  }
  MarchRecord& attack(std::initializer_list<std::string_view> units) {
    return addMarch(0, "Angriffsbefehl: ...", "Hauptplanet Terra (Heimatplanet)", "Hauptplanet Fels", 4, units);
  }
  void fight(int location) {
    const LocationRecord& battle = state->planetenliste[location];
    runBattle(game, kindWord(battle.kind), battle.name);
  }
  LocationRecord& at(int location) { return state->planetenliste[location]; }
  MarchRecord& march(int faction, int index) { return state->marschliste[faction][index]; }

  int terra, fels;
};

TEST(BattleResolution, AWinningAttackerTakesTheLocationWithItsGarrisonAndProduction) {
  // A name nobody has and Cara, who is in play but not in this battle, are refused; then Anna;
  // unit 2 destroyed.
  BattleGame test("Anne\nCara\nAnna\n2\n0\n");
  test.addPlayer(2, "Cara", "Valkaren");
  test.attack({"Kadrischer Sturmtrupp", "Ferox Transporter"});
  test.addMarch(0, "Marschbefehl: ...", "Aussenposten Mond", "Hauptplanet Fels (Heimatplanet)", 4, {"Laeuferschwadron"});
  // Bert's own attack waits for its battle at Terra: his defender message must not go there.
  test.addMarch(1, "Angriffsbefehl: ...", "Hauptplanet Fels (Heimatplanet)", "Hauptplanet Terra", 4, {"Schrauber"});
  LocationRecord& fels = test.at(test.fels);
  fels.troops[2][kRebelFaction].set(4, "Glutkrieger Trupp");
  fels.productionItem[4] = "Schrauber";
  fels.productionDueRound = 6;
  fels.rebelRace = "Valkaren";
  fels.battlePending = true;
  fels.battleUnitCount = 8;
  test.fight(test.fels);

  EXPECT_EQ(test.console.output(),
            "Gefecht auf Hauptplanet Fels (Heimatplanet)!\n\nFolgende Truppen nehmen am Gefecht teil:\n" +
                std::string(40, '-') +
                "\n"
                "\n- Truppen von Anna -\n  Kadrischer Sturmtrupp\n  Ferox Transporter\n  Laeuferschwadron\n"
                "\n- Truppen von Bert -\n  Brukka Stampfer\n  Blechkrieger\n"
                "\n- Truppen von Cara -\n  keine\n"
                "\n- Truppen von Rebellen -\n  keine\n"
                "\n\nDie Schlacht kann nun beginnen (weiter nach Kampf mit Figuren)!\n"
                "\nBitte den Sieger angeben: \nSieger kann nur ein Beteiligter sein: Anna, Bert."
                "\nBitte den Sieger angeben: \nSieger kann nur ein Beteiligter sein: Anna, Bert."
                "\nBitte den Sieger angeben: "
                "Gut gemacht, Anna! Du hast die Schlacht gewonnen.\n\n" +
                kPause +
                "Folgende Truppen des Siegers (Anna) haben an der Schlacht teilgenommen:\n"
                "1  Kadrischer Sturmtrupp\n2  Ferox Transporter\n3  Laeuferschwadron\n" +
                kLossPrompt +
                "Folgende Truppen des Siegers (Anna) haben an der Schlacht teilgenommen:\n"
                "1  Kadrischer Sturmtrupp\n2  Ferox Transporter <-- vernichtet\n3  Laeuferschwadron\n" +
                kLossPrompt + kThanks + kPause);

  EXPECT_EQ(fels.owner, "Anna");
  EXPECT_EQ(fels.fortificationLevel, 3);
  EXPECT_EQ(countUnits(fels.troops[4][1]), 0);
  EXPECT_EQ(fels.troops[2][kRebelFaction][4], "");
  EXPECT_EQ(fels.productionItem[4], "");
  EXPECT_EQ(fels.productionDueRound, 0);
  EXPECT_EQ(fels.rebelRace, "");
  EXPECT_FALSE(fels.battlePending);
  EXPECT_EQ(fels.battleUnitCount, 0);
  EXPECT_EQ(fels.troops[0][0][0], "Kadrischer Sturmtrupp");
  EXPECT_EQ(fels.troops[0][0][1], "");
  EXPECT_EQ(fels.troops[0][0][2], "Laeuferschwadron");

  EXPECT_EQ(test.march(0, 0).reportText,
            "Angriffstruppen von Hauptplanet Terra (Heimatplanet) sind auf Hauptplanet Fels in einem Gefecht "
            "siegreich gewesen!");
  EXPECT_EQ(test.march(0, 1).reportText,
            "Verstaerkungstruppen von Aussenposten Mond sind auf Hauptplanet Fels (Heimatplanet) in ein Gefecht "
            "verwickelt worden aber siegreich gewesen!");
  EXPECT_TRUE(test.march(0, 0).orderText.empty());
  EXPECT_EQ(countUnits(test.march(0, 0).units), 0);
  EXPECT_EQ(test.march(1, 0).reportText, "");
  EXPECT_EQ(test.march(1, 0).units[0], "Schrauber");
  EXPECT_EQ(test.march(1, 1).reportText,
            "Deine Verteidigungstruppen auf Hauptplanet Fels (Heimatplanet) sind in einem Gefecht vernichtet worden!");
}

TEST(BattleResolution, AWinningDefenderKeepsTheLocationAndEveryAttackerIsLost) {
  // The rebels, neither owner nor attacker, are refused; Bert wins; unit 3 marked and unmarked
  // again, unit 2 destroyed.
  BattleGame test("Rebellen\nBert\n3\n2\n3\n0\n");
  test.addPlayer(2, "Cara", "Valkaren");
  test.attack({"Kadrischer Sturmtrupp"});
  test.addMarch(0, "Marschbefehl: ...", "Aussenposten Mond", "Hauptplanet Fels", 4, {"Ferox Transporter"});
  test.addMarch(2, "Erkundungsbefehl: ...", "Hauptplanet Sand", "Hauptplanet Fels", 4, {"Valkaren Trupp"})
      .reconMode = "e";
  // Bert's garrison with a hole at slot 1: number 2 is the Blechkrieger of slot 2.
  TroopList& garrison = test.at(test.fels).troops[4][1];
  garrison.clear(1);
  garrison.set(2, "Blechkrieger");
  garrison.set(3, "Schrauber");
  test.fight(test.fels);

  EXPECT_NE(test.console.output().find("\n- Truppen von Cara -\n  Valkaren Trupp (entdeckte Aufklaerungstruppen)\n"),
            std::string::npos);
  // Discovered reconnaissance troops take part; the owner too.
  EXPECT_NE(test.console.output().find("\nBitte den Sieger angeben: \nSieger kann nur ein Beteiligter sein: "
                                       "Anna, Bert, Cara.\nBitte den Sieger angeben: Gut gemacht, Bert!"),
            std::string::npos);
  EXPECT_EQ(test.console.currentScreen(),
            "Folgende Truppen des Siegers (Bert) haben an der Schlacht teilgenommen:\n"
            "1  Brukka Stampfer\n2  Blechkrieger <-- vernichtet\n3  Schrauber\n" +
                kLossPrompt + kThanks + kPause);
  EXPECT_EQ(garrison[0], "Brukka Stampfer");
  EXPECT_EQ(garrison[2], "");
  EXPECT_EQ(garrison[3], "Schrauber");
  EXPECT_EQ(test.at(test.fels).owner, "Bert");
  EXPECT_EQ(test.at(test.fels).fortificationLevel, 3);

  EXPECT_EQ(test.march(0, 0).reportText,
            "Angriffstruppen von Hauptplanet Terra (Heimatplanet) sind auf Hauptplanet Fels in einem Gefecht "
            "vernichtet worden!");
  EXPECT_EQ(test.march(0, 1).reportText,
            "Verstaerkungstruppen von Aussenposten Mond sind auf Hauptplanet Fels in ein Gefecht verwickelt und "
            "vernichtet worden!");
  EXPECT_EQ(test.march(2, 0).reportText,
            "Erkundungstruppen von Hauptplanet Sand sind auf Hauptplanet Fels entdeckt und im darauf folgenden "
            "Gefecht vernichtet worden!");
  for (int faction : {0, 2}) {
    MarchRecord lost;
    lost.reportText = test.march(faction, 0).reportText;
    EXPECT_EQ(test.march(faction, 0), lost);
  }
  EXPECT_EQ(test.march(1, 0).reportText,
            "Deine Verteidigungstruppen auf Hauptplanet Fels (Heimatplanet) sind in einem Gefecht siegreich gewesen!");
}

TEST(BattleResolution, RebelsWhoWinChooseTheirLossesFromTheGridOfTheirRace) {
  BattleGame test("Rebellen\n1\n0\n");
  const int festung = test.addLocation("Festung", "Rebellen", kKindOutpost);
  LocationRecord& location = test.at(festung);
  location.rebelRace = "Xelthar-Bund";
  test.placeUnits(festung, kRebelFaction, {"Kommandant Ilyeth", "Glutkrieger Trupp"}, 2);
  test.placeUnits(festung, kRebelFaction, {"Brukka Horde"}, 4);
  test.addMarch(0, "Angriffsbefehl: ...", "Hauptplanet Terra (Heimatplanet)", "Aussenposten Festung", 4,
                {"Kadrischer Sturmtrupp"});
  test.fight(festung);

  const std::string& out = test.console.output();
  // Slot by slot, each slot through the five race grids.
  EXPECT_NE(out.find("\n- Truppen von Rebellen -\n  Kommandant Ilyeth\n  Brukka Horde\n  Glutkrieger Trupp\n"),
            std::string::npos);
  EXPECT_NE(out.find("Die Rebellen haben die Schlacht gewonnen. Welch eine Schmach!\n\n" + kPause), std::string::npos);
  EXPECT_EQ(out.find("Gut gemacht"), std::string::npos);
  EXPECT_EQ(test.console.currentScreen(),
            "Folgende Truppen des Siegers (Rebellen) haben an der Schlacht teilgenommen:\n"
            "1  Kommandant Ilyeth <-- vernichtet\n2  Glutkrieger Trupp\n" +
                kLossPrompt + kThanks + kPause);
  EXPECT_EQ(location.troops[2][kRebelFaction][0], "");
  EXPECT_EQ(location.troops[4][kRebelFaction][0], "Brukka Horde");
  EXPECT_EQ(location.owner, "Rebellen");
  EXPECT_EQ(test.march(kRebelFaction, 0).reportText,
            "Deine Verteidigungstruppen auf Aussenposten Festung sind in einem Gefecht siegreich gewesen!");
}

TEST(BattleResolution, WithoutARaceGridNothingIsListedAndWinningUnitsStayInTheirRecord) {
  // The rebels win at their location whose rebel race (from an old file) is none: an empty list.
  BattleGame rebels("Rebellen\n1\n0\n");
  rebels.at(rebels.fels).owner = "Rebellen";
  rebels.attack({"Kadrischer Sturmtrupp"});
  rebels.fight(rebels.fels);
  EXPECT_TRUE(rebels.console.currentScreen().starts_with(
      "Folgende Truppen des Siegers (Rebellen) haben an der Schlacht teilgenommen:\n" + kLossPrompt));
  EXPECT_EQ(rebels.at(rebels.fels).owner, "Rebellen");

  // A winner whose race from an old file is none of the five takes the location; the units stay.
  BattleGame unknownRace("Anna\n0\n");
  unknownRace.state->spielerliste[0].race = "";
  unknownRace.attack({"Kadrischer Sturmtrupp"});
  unknownRace.fight(unknownRace.fels);
  EXPECT_EQ(unknownRace.at(unknownRace.fels).owner, "Anna");
  EXPECT_EQ(unknownRace.march(0, 0).orderText, "");
  EXPECT_EQ(unknownRace.march(0, 0).units[0], "Kadrischer Sturmtrupp");

  // A full grid leaves the unit that finds no slot in the emptied record as well.
  BattleGame fullGrid("Anna\n0\n");
  fullGrid.at(fullGrid.fels).troops[0][0].fill("Kerberan Haubitze");
  fullGrid.attack({"Kadrischer Sturmtrupp"});
  fullGrid.fight(fullGrid.fels);
  EXPECT_EQ(fullGrid.march(0, 0).units[0], "Kadrischer Sturmtrupp");
}

TEST(BattleResolution, NumbersFromOneHundredOnAreFollowedByOneBlank) {
  BattleGame test("Bert\n0\n");
  test.at(test.fels).troops[4][1].fill("Brukka Horde");
  test.attack({"Kadrischer Sturmtrupp"});
  test.fight(test.fels);
  const std::string_view screen = test.console.currentScreen();
  EXPECT_NE(screen.find("\n9  Brukka Horde\n10 Brukka Horde\n"), std::string::npos);
  EXPECT_NE(screen.find("\n99 Brukka Horde\n100 Brukka Horde\n"), std::string::npos);
  EXPECT_NE(screen.find("\n200 Brukka Horde\n"), std::string::npos);
}

TEST(BattleResolution, ReturningReconnaissanceWhoseHomeWasTakenFightsThereAsAMarch) {
  for (const std::string winner : {"Anna", "Bert"}) {
    SCOPED_TRACE(winner);
    BattleGame test(winner + "\n0\n");
    test.at(test.terra).owner = "Bert";  // Terra changed hands while Anna's troops were away
    test.addLocation("Heim", "Anna");
    // The round report has shown the result and emptied the reconMode.
    test.addMarch(0,
                  "Marschbefehl: Folgende Erkundungstruppen bewegen sich von Hauptplanet Fels zurueck nach "
                  "Hauptplanet Terra (Heimatplanet) (Ankunft in Runde 4).",
                  "Hauptplanet Fels", "Hauptplanet Terra (Heimatplanet)", 4, {"Ferox Transporter"});
    test.runArrivalsAndDetection();
    ASSERT_EQ(test.state->kampfz, 1);
    test.fight(test.terra);
    const std::string route = "Verstaerkungstruppen von Hauptplanet Fels sind auf Hauptplanet Terra (Heimatplanet) ";
    EXPECT_EQ(test.march(0, 0).reportText,
              route + (winner == "Anna" ? "in ein Gefecht verwickelt worden aber siegreich gewesen!"
                                        : "in ein Gefecht verwickelt und vernichtet worden!"));
    EXPECT_EQ(test.at(test.terra).owner, winner);
  }
}

}  // namespace
}  // namespace vaskorath::testing
