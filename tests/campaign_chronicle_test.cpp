// A battle entered wrongly and undone from the restore point, and the chronicle of that campaign.
#include <gtest/gtest.h>

#include <string>

#include "flow/program.h"
#include "persistence/save_file.h"
#include "resolution/round_calculation.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

// Anna (Kadrische Legion) on Terra 0101, Bert (Brukkas) on Fels 0103, the rebels on the outpost
// Kappa 0102 (their garrison race is drawn as Brukkas with seed 1); every march takes one round.
// Five rounds.
const std::string kSetup = "n\n2\nAnna\nk\n1\nTerra\n0101\n0\nBert\nb\n1\nFels\n0103\n0\n0\n1\nKappa\n0102\n5\n";

// Round 1: Anna sends three Sturmtrupps against Kappa, Bert two units against Terra.
const std::string kRoundOne = "6\n1\n2\n3\n4\n0\nKappa\nn\nj\n9\n" "6\n1\n1\n2\n0\nTerra\nn\nj\n9\n";

// Round 2 of the first run: the battle at Kappa (number 2) is entered with the rebels as winner
// by mistake; the players then end the program at the battle menu.
const std::string kWrongEntry = "2\nRebellen\n0\n";

// Round 2 again after loading: Anna takes Kappa losing one Sturmtrupp, then holds Terra; the
// autosave. Anna sends the Stabseinheit against Fels, Bert ends his turn.
const std::string kRoundTwo = "j\ngefechtsbeginn\n" "2\nAnna\n1\n0\n1\nAnna\n0\n0\n" "6\n1\n1\n0\nFels\nn\nj\n9\n" "9\n";

// Round 3: Anna takes Fels; Bert holds nothing any more and Anna has won.
const std::string kRoundThree = "1\nAnna\n0\n0\n";

constexpr int kKappa = 2;
constexpr int kFels = 1;

// The first run ends at the battle menu after the wrong entry; the second starts the program
// again in the same directory.
class UndoneBattle : public ::testing::Test {
 protected:
  void SetUp() override {
    EXPECT_THROW(runProgram(first.game), InputEnded);
    second.files.files = first.files.files;
    ASSERT_EQ(runProgram(second.game), 0);
  }
  TestGame first{kSetup + kRoundOne + kWrongEntry};
  TestGame second{kRoundTwo + kRoundThree};
};

TEST_F(UndoneBattle, LoadingTheRestorePointResumesAtTheBattleMenuWithNoBattleFought) {
  // The wrong entry took effect: Anna's attackers are gone.
  EXPECT_EQ(first.state->marschliste[0][0].reportText,
            "Angriffstruppen von Hauptplanet Terra (Heimatplanet) sind auf Aussenposten Kappa in einem Gefecht "
            "vernichtet worden!");

  // Kappa: three attackers and seven rebel units, 10, medium; Terra: two attackers and Anna's
  // three units left at home, 5, small. Listed row by row: Anna's attack first.
  const std::string loaded = "Letzter Spielstand wurde erfolgreich geladen!\n\nDruecken Sie eine beliebige Taste . . .\n";
  const std::string& out = second.console.output();
  const auto loadedAt = out.find(loaded);
  ASSERT_NE(loadedAt, std::string::npos) << out;
  EXPECT_EQ(out.substr(loadedAt + loaded.size()).find(
                "Runde 2 beginnt.\n\nFolgende Gefechte gibt es in dieser Runde:\n"
                "------------------------------------------\n"
                "2  Gefecht auf Aussenposten Kappa, derzeit im Besitz von Rebellen und befestigt in der "
                "Ausbaustufe 1. Dies ist ein mittleres Gefecht!\n"
                "1  Gefecht auf Hauptplanet Terra (Heimatplanet), derzeit im Besitz von Anna und befestigt in "
                "der Ausbaustufe 3. Dies ist ein kleines Gefecht!\n"
                "\nWelches Gefecht soll durchgefuehrt werden (Nummer - Speichern oder Weiter mit 0)?: "
                "Gefecht auf Aussenposten Kappa!\n"),
            0u);

  // Entered again: Anna holds Kappa with the two Sturmtrupps that were not destroyed.
  const LocationRecord& kappa = second.state->planetenliste[kKappa];
  EXPECT_EQ(kappa.owner, "Anna");
  EXPECT_EQ(countUnits(kappa.troops[0][0]), 2);

  // The next battle phase took a new restore point: round 3 with Fels still Bert's, its battle open.
  auto restored = makeCampaignState();
  ASSERT_TRUE(readSaveFile(second.files.files["gefechtsbeginn.txt"], *restored));
  EXPECT_EQ(restored->runde, 3);
  EXPECT_EQ(restored->planetenliste[kFels].owner, "Bert");
  EXPECT_EQ(restored->eventslist[0][0].number, 1);
  EXPECT_FALSE(restored->eventslist[0][0].fought);
  EXPECT_EQ(second.state->planetenliste[kFels].owner, "Anna");
}

TEST_F(UndoneBattle, TheChronicleTellsTheCampaignLineByLine) {
  EXPECT_EQ(second.files.files["chronik.log"],
            "Neue Kampagne, es werden 5 Runden gespielt. Spieler: Anna (Kadrische Legion), Bert (Brukkas). "
            "Rebellen: Aussenposten Kappa.\n"
            "Runde 2: Gefecht auf Aussenposten Kappa, bisher im Besitz von Rebellen. Sieger: Rebellen, der "
            "Besitzer bleibt. Vernichtete Einheiten des Siegers: keine.\n"
            "Runde 2: Spielstand gefechtsbeginn.txt geladen.\n"
            "Runde 2: Gefecht auf Aussenposten Kappa, bisher im Besitz von Rebellen. Sieger: Anna, der Besitzer "
            "wechselt. Vernichtete Einheiten des Siegers: Kadrischer Sturmtrupp.\n"
            "Runde 2: Die Rebellen kontrollieren keine Aussenposten oder Planeten mehr und scheiden vorerst aus "
            "dem Spiel aus.\n"
            "Runde 2: Gefecht auf Hauptplanet Terra (Heimatplanet), bisher im Besitz von Anna. Sieger: Anna, der "
            "Besitzer bleibt. Vernichtete Einheiten des Siegers: keine.\n"
            "Runde 3: Gefecht auf Hauptplanet Fels (Heimatplanet), bisher im Besitz von Bert. Sieger: Anna, der "
            "Besitzer wechselt. Vernichtete Einheiten des Siegers: keine.\n"
            "Runde 3: Spieler Bert kontrolliert keine Aussenposten oder Planeten mehr und scheidet aus dem Spiel "
            "aus.\n"
            "Runde 3: Spieler Anna ist der einzig verbleibende Spieler und hat damit gewonnen.\n"
            "Runde 3: Das Spiel ist beendet. Es folgt die Punkteberechnung.\n"
            // Terra (3) and Fels (3), Kappa (1); two Sturmtrupps each at Terra and Kappa, the
            // Stabseinheit at Fels; 1000 credits and 110 of income in round 2.
            "Schlussstand: Anna (Kadrische Legion): Hauptplaneten 2, Aussenposten 1, Befestigungsstufen 7, "
            "Einheiten 5, Credits 1110.\n");
}

TEST_F(UndoneBattle, TheLastPlayerLeftSeesTheFinalCountAfterTheEndScreen) {
  const std::string pause = "Druecken Sie eine beliebige Taste . . .\n";
  EXPECT_TRUE(second.console.output().ends_with("Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n" + pause +
                                                "Schlussstand der Kampagne\n-------------------------\n\n"
                                                "Anna (Kadrische Legion)\n"
                                                "  Hauptplaneten: Terra (Heimatplanet), Fels (Heimatplanet)\n"
                                                "  Aussenposten: Kappa\n"
                                                "  Befestigungsstufen zusammen: 7\n"
                                                "  Einheiten: 5 stationiert, 0 auf dem Marsch\n"
                                                "  Credits: 1110\n\n" +
                                                pause));
}

// Anna on Terra and Bert on Fels in round 4 of six.
struct QuietRound : TestGame {
  explicit QuietRound(std::string input) : TestGame(std::move(input)) {
    addPlayer(0, "Anna");
    addPlayer(1, "Bert", "Brukkas");
    addLocation("Terra", "Anna");
    addLocation("Fels", "Bert");
    state->runde = 4;
    state->endrunde = 6;
  }
};

TEST(RestorePoint, IsTakenOnlyWhenBattlesWaitAndNotInAPhaseResumedFromAFile) {
  QuietRound withoutBattles("0\n");
  calculateRound(withoutBattles.game);
  EXPECT_TRUE(withoutBattles.files.files.contains("autosave.txt"));
  EXPECT_FALSE(withoutBattles.files.files.contains("gefechtsbeginn.txt"));

  // A save of round 4 made after its battle was fought; loading it resumes in a battle phase that
  // must not replace the restore point with a fought battle.
  QuietRound resumed("mitte\n0\n");
  resumed.state->kampfz = 1;
  resumed.state->eventslist[0][0] = {1, "1  Gefecht auf Hauptplanet Terra <-- Gefecht durchgefuehrt", true,
                                     "Hauptplanet ", "Terra"};
  resumed.files.files["mitte.txt"] = writeSaveFile(*resumed.state);
  resumed.state->loadRequested = true;
  calculateRound(resumed.game);
  EXPECT_EQ(resumed.state->runde, 4);
  EXPECT_FALSE(resumed.files.files.contains("gefechtsbeginn.txt"));
  EXPECT_EQ(resumed.files.files["chronik.log"], "Runde 4: Spielstand mitte.txt geladen.\n");
}

}  // namespace
}  // namespace vaskorath::testing
