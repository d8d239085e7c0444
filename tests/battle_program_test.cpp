// The road of one attack through the real binary: orders in round 1, the battle in round 2, the returns in round 3.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "program_runner.h"
#include "save_test_support.h"

namespace vaskorath::testing {
namespace {

// Anna (Kadrische Legion): Terra (Heimatplanet) 0101, Luna 0201. Bert (Brukkas): Fels (Heimatplanet)
// 0103, the outpost Stein 0102. No rebels, four rounds. Every march takes one round.
const std::string kSetup =
    "n\n2\n"
    "Anna\nk\n2\nTerra\n0101\nLuna\n0201\n0\n"
    "Bert\nb\n1\nFels\n0103\n1\nStein\n0102\n"
    "0\n0\n4\n";

// Round 1, Anna: three Sturmtrupps attack Fels, one marches to Luna, the Ferox reconnoitres Stein.
const std::string kRoundOne =
    "6\n1\n2\n3\n4\n0\nFels\nn\nj\n"
    "6\n1\n2\n0\nLuna\nj\n"
    "6\n1\n2\n0\nStein\nj\nj\n"
    "9\n9\n";

// Round 2: save in the open battle menu, fight battle 1 (Anna wins, unit 1 lost), leave with the
// autosave; Anna looks at the planets.
const std::string kRoundTwo = "0\nj\nrunde2\n1\nAnna\n1\n0\n0\n2\n9\n9\n";

// Round 3: no battles; Anna looks at her troops.
const std::string kRoundThree = "0\n3\n9\n9\n";

TEST(BattleProgram, AnAttackTakesAHomePlanetAMarchReinforcesAndReconnaissanceComesBack) {
  TemporaryDirectory directory;
  const ProgramRun run = runGame(directory.path(), kSetup + kRoundOne + kRoundTwo + kRoundThree);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string& out = run.out;

  // Three attackers and Bert's seven starting units: 10, a medium battle.
  EXPECT_NE(out.find("Runde 2 beginnt.\n\nFolgende Gefechte gibt es in dieser Runde:\n"
                     "------------------------------------------\n"
                     "1  Gefecht auf Hauptplanet Fels (Heimatplanet), derzeit im Besitz von Bert und befestigt in der "
                     "Ausbaustufe 3. Dies ist ein mittleres Gefecht!\n"),
            std::string::npos);
  EXPECT_NE(out.find("Bitte den Sieger angeben: Gut gemacht, Anna! Du hast die Schlacht gewonnen.\n"),
            std::string::npos);
  EXPECT_NE(out.find("Planeten und Aussenposten von Anna:\n"
                     "--------------------------------------------------\n"
                     "Hauptplanet Terra (Heimatplanet)       Koordinate 101           Befestigungsstufe 3\n"
                     "Hauptplanet Luna                       Koordinate 201           Befestigungsstufe 1\n"
                     "Hauptplanet Fels (Heimatplanet)        Koordinate 103           Befestigungsstufe 3\n"
                     "\n\n"
                     "Planeten und Aussenposten von Bert:\n"
                     "--------------------------------------------------\n"
                     "Aussenposten Stein                     Koordinate 102           Befestigungsstufe 1\n"),
            std::string::npos);
  // Round 3: the reinforcement stands on Luna, the reconnaissance troops are back on Terra.
  EXPECT_NE(out.find("Hauptplanet Terra (Heimatplanet)\n  Stabseinheit mit Tribun\n  Ferox Transporter\n\n"
                     "Hauptplanet Luna\n  Kadrischer Sturmtrupp\n\n"
                     "Hauptplanet Fels (Heimatplanet)\n  Kadrischer Sturmtrupp\n  Kadrischer Sturmtrupp\n"),
            std::string::npos);

  // The save made in round 2 holds the reconnaissance troops on their way back with their result.
  const std::string midRound = directory.read("runde2.txt");
  const auto lines = splitLines(midRound, kSavedLineEnd);
  const auto orderLine = std::find(lines.begin(), lines.end(),
                                   "Marschbefehl: Folgende Erkundungstruppen bewegen sich von Aussenposten Stein zurueck "
                                   "nach Hauptplanet Terra (Heimatplanet) (Ankunft in Runde 3).");
  ASSERT_NE(orderLine, lines.end());
  const std::string_view reconMode = *(orderLine - 205);  // orderText is line 210 of a record, reconMode line 5
  EXPECT_TRUE(reconMode == "a" || reconMode == "s" || reconMode == "v") << reconMode;

  const std::string lastSave = directory.read("autosave.txt");
  const auto autosave = splitLines(lastSave, kSavedLineEnd);
  EXPECT_NE(std::find(autosave.begin(), autosave.end(),
                      "Verstaerkungstruppen von Aussenposten Stein sind diese Runde auf Hauptplanet Terra "
                      "(Heimatplanet) eingetroffen! Es sind zurueckkehrende Erkundungstruppen."),
            autosave.end());
}

}  // namespace
}  // namespace vaskorath::testing
