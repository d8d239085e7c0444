// A new campaign typed into the real binary: setup, the turns of round 1 and the end of the campaign.
#include <gtest/gtest.h>

#include "program_runner.h"

namespace vaskorath::testing {
namespace {

TEST(SetupProgram, ANewCampaignOfTwoRoundsIsSetUpPlayedAndEnded) {
  TemporaryDirectory directory;
  const std::string input =
      "n"
      "2"
      "Anna\nk\n2\nTerra\n0101\nLuna\n0102\n1\nMond\n0103\n"
      "Bert\nx\n1\nGaia\n0201\n0\n"
      "1\nFestung\n0301\n0\n"
      "2\n"
      "3"
      "9"  // Anna looks at her troops, then ends her turn
      "2"
      "9";  // Bert looks at the planets, then ends his turn
  const ProgramRun run = runGame(directory.path(), input);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string& out = run.out;

  EXPECT_NE(out.find("Danke Anna, du bist Anfuehrer der Rasse Kadrische Legion und du kontrollierst folgende "
                     "Hauptplaneten und Aussenposten:\n"
                     "Hauptplanet Terra (Heimatplanet) bei den Koordinaten 101\n"
                     "Hauptplanet Luna bei den Koordinaten 102\n"
                     "Aussenposten Mond bei den Koordinaten 103\n"
                     "\n"
                     "Druecken Sie eine beliebige Taste . . .\n"),
            std::string::npos);
  EXPECT_NE(out.find("Danke. Die Rebellen kontrollieren folgende Hauptplaneten und Aussenposten:\n"
                     "Hauptplanet Festung bei den Koordinaten 301\n"
                     "\n"),
            std::string::npos);
  EXPECT_NE(out.find("\nIn Ordnung, es werden 2 Runden gespielt. Viel Erfolg!\n\n"
                     "Druecken Sie eine beliebige Taste . . .\n"
                     "Runde 1          Anna (Kadrische Legion)\n\n"),
            std::string::npos);
  EXPECT_NE(out.find("Folgende Truppenteile befinden sich unter deinem Kommando:\n"
                     "----------------------------------------------------------\n"
                     "Hauptplanet Terra (Heimatplanet)\n"
                     "  Stabseinheit mit Tribun\n"
                     "  Kadrischer Sturmtrupp\n"
                     "  Kadrischer Sturmtrupp\n"
                     "  Kadrischer Sturmtrupp\n"
                     "  Kadrischer Sturmtrupp\n"
                     "  Ferox Transporter\n"
                     "\n"
                     "Hauptplanet Luna\n"
                     "Keine Truppenteile vor Ort!\n"
                     "\n"
                     "Aussenposten Mond\n"
                     "Keine Truppenteile vor Ort!\n"),
            std::string::npos);
  EXPECT_NE(out.find("Runde 1          Bert (Xelthar-Bund)          1000 Credits\n\n1 Sternenkarte\n"),
            std::string::npos);
  EXPECT_NE(out.find("Planeten und Aussenposten von Bert:\n"
                     "--------------------------------------------------\n"
                     "Hauptplanet Gaia (Heimatplanet)        Koordinate 201           Befestigungsstufe 3\n"),
            std::string::npos);
  // The Festung's garrison race is drawn from the clock's seed: one of the two played races.
  const std::string festung =
      "Hauptplanet Festung                    Koordinate 301           Befestigungsstufe 1      (";
  EXPECT_TRUE(out.find(festung + "Kadrische Legion)\n") != std::string::npos ||
              out.find(festung + "Xelthar-Bund)\n") != std::string::npos);
  EXPECT_NE(out.find("Auswahl (1-9):"
                     "Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n"
                     "Druecken Sie eine beliebige Taste . . .\n"
                     "Schlussstand der Kampagne\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vaskorath::testing
