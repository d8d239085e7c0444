// Battle detection and the battle menu: rows, numbers, notes, sizes, saving and resuming.
#include <gtest/gtest.h>

#include <string>

#include "persistence/save_file.h"
#include "resolution/battle_phase.h"
#include "resolution/round_calculation.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kMenuHead =
    "Runde 4 beginnt.\n\nFolgende Gefechte gibt es in dieser Runde:\n------------------------------------------\n";
const std::string kMenuPrompt = "\nWelches Gefecht soll durchgefuehrt werden (Nummer - Speichern oder Weiter mit 0)?: ";
const std::string kSaved =
    "Aktueller Spielstand wurde gespeichert! Bei Bedarf kann das Spiel nun beendet werden.\n\n";
const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

// Anna, Bert and Cara in round 4; Cara holds every location the tests add.
struct DetectionGame : TestGame {
  explicit DetectionGame(std::string input = {}) : TestGame(std::move(input)) {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Brukkas");
    addPlayer(2, "Cara", "Valkaren");
    state->runde = 4;
  }
  int caraLocation(const std::string& name) { return addLocation(name, "Cara"); }
  MarchRecord& attack(int faction, const std::string& target, int unitCount) {
    MarchRecord& march = addMarch(faction, "Angriffsbefehl: ...", "Hauptplanet Irgendwo", "Hauptplanet " + target, 4, {});
    for (int unit = 0; unit < unitCount; ++unit) march.units.set(unit, "Trupp");
    return march;
  }
  // The battle list and the prompt, read until the input ends.
  void showMenu() { EXPECT_THROW(runBattleMenu(game), InputEnded); }
};

TEST(BattleDetection, TwoFactionsAtOneLocationGiveOneBattleCountedPerMarch) {
  DetectionGame test;
  const int wald = test.caraLocation("Wald");
  test.placeUnits(wald, 2, {"Valkaren Trupp", "Valkaren Trupp", "Kampfautomat Torvin"});
  test.addMarch(1, "Marschbefehl: ...", "Hauptplanet Fels", "Hauptplanet Wald", 4, {"Brukka Horde"});
  test.attack(0, "Wald", 2);
  test.runArrivalsAndDetection();
  ASSERT_EQ(test.state->kampfz, 1);
  // The lower faction is scanned first, although its record was written later.
  EXPECT_EQ(test.state->eventslist[0][0].label,
            "1  Gefecht auf Hauptplanet Wald, derzeit im Besitz von Cara und befestigt in der Ausbaustufe 1");
  EXPECT_EQ(test.state->eventslist[0][0].locationKind, "Hauptplanet ");
  EXPECT_EQ(test.state->eventslist[0][0].locationName, "Wald");
  EXPECT_EQ(test.state->eventslist[1][0], BattleRecord{});
  // Per march its units and the 3 garrison slots: (2 + 3) + (1 + 3).
  EXPECT_EQ(test.state->planetenliste[wald].battleUnitCount, 9);
}

TEST(BattleMenu, ListsRowByRowWithTheNoteOnTheBattlesOwnLabelAndItsSize) {
  DetectionGame test;
  const int first = test.caraLocation("Auge");
  const int second = test.caraLocation("Berg");
  test.state->planetenliste[second].fortificationLevel = 2;
  test.placeUnits(second, 2, {"Valkaren Trupp"});
  test.attack(1, "Auge", 6);   // battle 1, in Bert's row
  test.attack(0, "Berg", 3);   // battle 2, in Anna's row, so listed first
  // Two of Bert's reconnaissance marches are discovered at Berg (t1 = 90 + 1 - 3 beats any draw).
  for (int recon = 0; recon < 2; ++recon) {
    MarchRecord& march = test.addMarch(1, "Erkundungsbefehl: ...", "Hauptplanet Fels", "Hauptplanet Berg", 4,
                                       {"Munischlepper"});
    march.reconMode = "j";
    march.visibilityScore = 90;
  }
  test.runArrivalsAndDetection();
  test.showMenu();
  // Berg: Anna's 3 + 1 slot in use, then each discovered march 1 + 1: 8, a medium battle.
  EXPECT_EQ(test.console.output(),
            kMenuHead +
                "2  Gefecht auf Hauptplanet Berg, derzeit im Besitz von Cara und befestigt in der Ausbaustufe 2 "
                "(entdeckte Erkundungstruppen sind involviert). Dies ist ein mittleres Gefecht!\n"
                "1  Gefecht auf Hauptplanet Auge, derzeit im Besitz von Cara und befestigt in der Ausbaustufe 1. "
                "Dies ist ein kleines Gefecht!\n" +
                kMenuPrompt);
  EXPECT_EQ(test.state->planetenliste[first].battleUnitCount, 6);
  EXPECT_EQ(test.state->planetenliste[second].battleUnitCount, 8);
}

TEST(BattleMenu, SizesChangeAfterSixAndTenAndTheSeparatorNarrowsFromBattleTen) {
  DetectionGame test;
  const int unitCounts[] = {6, 7, 10, 11, 1, 1, 1, 1, 1, 1};
  for (int battle = 0; battle < 10; ++battle) {
    const std::string name = "Ort" + std::to_string(battle + 1);
    test.caraLocation(name);
    test.attack(1, name, unitCounts[battle]);
  }
  test.runArrivalsAndDetection();
  test.showMenu();
  const std::string& out = test.console.output();
  const std::string owner = ", derzeit im Besitz von Cara und befestigt in der Ausbaustufe 1";
  EXPECT_NE(out.find("1  Gefecht auf Hauptplanet Ort1" + owner + ". Dies ist ein kleines Gefecht!\n"), std::string::npos);
  EXPECT_NE(out.find("2  Gefecht auf Hauptplanet Ort2" + owner + ". Dies ist ein mittleres Gefecht!\n"), std::string::npos);
  EXPECT_NE(out.find("3  Gefecht auf Hauptplanet Ort3" + owner + ". Dies ist ein mittleres Gefecht!\n"), std::string::npos);
  EXPECT_NE(out.find("4  Gefecht auf Hauptplanet Ort4" + owner + ". Dies ist ein grosses Gefecht!\n"), std::string::npos);
  EXPECT_NE(out.find("\n9  Gefecht auf Hauptplanet Ort9" + owner), std::string::npos);
  EXPECT_NE(out.find("\n10 Gefecht auf Hauptplanet Ort10" + owner), std::string::npos);
}

TEST(BattleMenu, OnlyOpenBattlesAreFoughtAndZeroAsksToSaveUntilAllAre) {
  // 7 and -1 find nothing; 0 asks (any key returns to the list); 1 is fought (the defender Cara
  // wins, no losses); 1 again does nothing; 0 writes the autosave.
  DetectionGame test("7\n-1\n0\nn\n1\nCara\n0\n1\n0\n");
  test.caraLocation("Auge");
  test.addLocation("Heim", "Anna");
  test.addLocation("Hof", "Bert");
  test.attack(1, "Auge", 2);
  test.runArrivalsAndDetection();
  runBattleMenu(test.game);

  const std::string open = "1  Gefecht auf Hauptplanet Auge, derzeit im Besitz von Cara und befestigt in der "
                           "Ausbaustufe 1. Dies ist ein kleines Gefecht!";
  const std::string menu = kMenuHead + open + "\n" + kMenuPrompt;
  const std::string fought = kMenuHead + open + " <-- Gefecht durchgefuehrt\n" + kMenuPrompt;
  const std::string& out = test.console.output();
  EXPECT_TRUE(out.starts_with(menu + menu + menu +
                              "\n\nEs sind noch nicht alle Gefechte durchgefuehrt worden. Soll gespeichert werden "
                              "(j/n)?\n\n" +
                              menu + "Gefecht auf Hauptplanet Auge!"))
      << out;
  EXPECT_TRUE(out.ends_with("Vielen Dank, die Eingaben werden gespeichert.\n\n" + kPause + fought + fought + kSaved +
                            kPause))
      << out;
  ASSERT_TRUE(test.files.files.contains("autosave.txt"));
  EXPECT_EQ(test.files.listSaveFiles().size(), 1u);  // the chronicle is no save
  EXPECT_EQ(test.files.files["autosave.txt"], writeSaveFile(*test.state));
}

TEST(BattleMenu, AFailedAutosaveShowsOnlyTheErrorAndTheBattlePhaseEnds) {
  DetectionGame test("0\n");
  test.addLocation("Heim", "Anna");
  test.addLocation("Hof", "Bert");
  test.addLocation("Haus", "Cara");
  test.state->kampfz = 1;
  test.state->eventslist[0][0] = {1, "1  Gefecht auf ... <-- Gefecht durchgefuehrt", true, "Hauptplanet ", "Auge"};
  test.files.writeFailureReason = "kein freier Speicherplatz";
  runBattleMenu(test.game);
  EXPECT_EQ(test.console.currentScreen(),
            "Fehler: Der Spielstand konnte nicht gespeichert werden (kein freier Speicherplatz). Die vorherige Datei "
            "ist unveraendert.\n\n" +
                kPause);
  EXPECT_EQ(test.console.output().find("Aktueller Spielstand"), std::string::npos);
}

TEST(BattleMenu, ABattleAtALocationThatNoLongerExistsIsMarkedFoughtWithoutAScreen) {
  DetectionGame test("1\n0\n");
  test.addLocation("Heim", "Anna");
  test.addLocation("Hof", "Bert");
  test.addLocation("Haus", "Cara");
  test.state->kampfz = 1;
  test.state->eventslist[2][0] = {1, "1  Gefecht auf Hauptplanet Geist", false, "Hauptplanet ", "Geist"};
  runBattleMenu(test.game);
  const std::string listed = kMenuHead + "1  Gefecht auf Hauptplanet Geist <-- Gefecht durchgefuehrt\n" + kMenuPrompt;
  EXPECT_TRUE(test.console.output().ends_with(kMenuPrompt + listed + kSaved + kPause));
  EXPECT_TRUE(test.state->eventslist[2][0].fought);
}

TEST(BattleMenu, ACampaignSavedInTheMenuGetsItsSizeSentenceOnlyOnceAfterLoading) {
  DetectionGame saving("0\nj\nmitten\n");
  saving.addLocation("Heim", "Anna");
  saving.caraLocation("Auge");
  saving.attack(1, "Auge", 7);
  saving.runArrivalsAndDetection();
  saving.showMenu();  // 0, save "j", the named save, then the list again until the input ends
  ASSERT_TRUE(saving.files.files.contains("mitten.txt"));
  EXPECT_FALSE(saving.files.files.contains("autosave.txt"));

  DetectionGame resumed("mitten\n");
  resumed.state->loadRequested = true;
  resumed.files.files["mitten.txt"] = saving.files.files["mitten.txt"];
  EXPECT_THROW(calculateRound(resumed.game), InputEnded);
  EXPECT_EQ(resumed.console.currentScreen(),
            kMenuHead +
                "1  Gefecht auf Hauptplanet Auge, derzeit im Besitz von Cara und befestigt in der Ausbaustufe 1. "
                "Dies ist ein mittleres Gefecht!\n" +
                kMenuPrompt);
}

}  // namespace
}  // namespace vaskorath::testing
