// A unit ordered in round 1 through the real binary is finished in the report of its due round.
#include <gtest/gtest.h>

#include "program_runner.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

TEST(ProductionProgram, AUnitOrderedInRoundOneIsFinishedInTheReportOfItsDueRound) {
  TemporaryDirectory directory;
  const std::string input =
      "n\n2\nAnna\nk\n2\nTerra\n0101\nLuna\n0102\n1\nMond\n0103\nBert\nx\n1\nGaia\n0201\n0\n0\n0\n3\n"
      // Round 1, Anna: item 3 "Raketenwerfertrupps" (60 credits, due in round 4) at Terra,
      // accelerated twice to round 2, a third time refused; an order at Luna cancelled.
      "7\n1\n3\n1\n1\n1\n1\n1\n1\n2\n1\n2\n2\n0\n9\n9\n"
      // Round 2: no battles; Anna reads her report and looks at her troops; Bert ends.
      "0\n3\n9\n9\n";
  const ProgramRun run = runGame(directory.path(), input);
  EXPECT_EQ(run.status, 0);
  const std::string& out = run.out;
  EXPECT_EQ(countOccurrences(out, "\n\nBauauftrag wurde um eine Runde beschleunigt!\n\n"), 2);
  EXPECT_EQ(countOccurrences(out, "Bauauftrag ist bereits kommende Runde fertig."), 1);
  EXPECT_EQ(countOccurrences(out, "\n\nBauauftrag wurde abgebrochen!\n\n"), 1);
  // 1000 - 60 - 2 x 100 - 80 (the cancelled order) = 660, plus 70 + 70 + 40 income.
  const auto report = out.find(
      "Runde 2          Anna (Kadrische Legion)          840 Credits\n\n"
      "Rundenereignisse:\n-----------------\n\n\n"
      "Allgemeine Informationen:\n-------------------------\n"
      "In dieser Runde hast du 180 Credits eingenommen.\n\n\n"
      "Diese Runde wurden folgende Einheiten bzw. Befestigungen fertiggestellt:\n" +
      std::string(64, '-') +
      "\nAuf Hauptplanet Terra (Heimatplanet) wurde folgendes fertiggestellt: - Raketenwerfertrupps -\n");
  ASSERT_NE(report, std::string::npos);
  // View 3: the new unit stands behind the starting troops of Terra.
  EXPECT_NE(
      out.find(
          "  Ferox Transporter\n  Raketenwerfertrupps\n\nHauptplanet Luna\nKeine Truppenteile vor Ort!\n",
          report),
      std::string::npos);
  EXPECT_NE(out.find("Runde 2          Bert (Xelthar-Bund)          1070 Credits\n\n"), std::string::npos);
  // Round 1 has no report: the first one follows the calculation of round 2.
  EXPECT_EQ(countOccurrences(out, "Rundenereignisse:\n"), 2);
  EXPECT_GT(out.find("Rundenereignisse:\n"), out.find("Die Kalkulation fuer Runde 2 beginnt."));
}

}  // namespace
}  // namespace vaskorath::testing
