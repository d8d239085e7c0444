// A whole campaign of two players in script mode with a fixed seed: production, reconnaissance,
// spies, messages, a gift, a mercenary, the casino and a defended home planet, seen in the reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "flow/program.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

// Anna (Kadrische Legion) on Terra 0101; Bert (Brukkas) on Fels 0909 with the outpost Stein 0102,
// one round from Terra. Six rounds.
const std::string kSetup = "n\n2\nAnna\nk\n1\nTerra\n0101\n0\nBert\nb\n1\nFels\n0909\n1\nStein\n0102\n0\n0\n6\n";

const std::string kRoundOne =
    // Anna: a Sturmtrupp at Terra (due in round 4), five units reconnoitre Stein, a recruit and
    // three agents placed at Bert.
    "7\n1\n2\n0\n"
    "6\n1\n1\n2\n3\n4\n5\n0\nStein\nj\nj\n"
    "5\n1\n2\nAnna\n3\nBert\n0\n"
    "9\n"
    // Bert: his whole home service abroad, and an attack on Terra typed without its suffix (4 rounds).
    "5\n2\nBert\n5\nAnna\n0\n"
    "6\n1\n1\n0\nTerra\nn\nj\n"
    "9\n";

// Anna: a message and 150 credits to Bert, a mercenary, one casino game on black, the intelligence view.
const std::string kRoundTwo =
    "0\n"
    "8\n1\nBert\nWir kommen in Frieden.\n2\nBert\n150\n3\n1\n0\n4\n10\n1\n0\n0\n4\n9\n"
    "9\n";

// Rounds 3 and 4 without battles; in round 5 Bert's attack reaches Terra and Anna holds it.
const std::string kLaterRounds = "0\n9\n9\n" "0\n9\n9\n" "1\nAnna\n0\n0\n9\n9\n";

const std::string kDashes53(53, '-');

TEST(CampaignScenario, EveryOrderOfARoundIsToldInTheReportsThatFollow) {
  TestGame test(kSetup + kRoundOne + kRoundTwo + kLaterRounds, 1);
  ASSERT_EQ(runProgram(test.game), 0);
  const std::string& out = test.console.output();

  // Round 2: the reconnaissance of Stein (five units, so the result is always a sighting) and a
  // march of Bert found by the agents, as Bert keeps no home service.
  EXPECT_NE(out.find("In dieser Runde konnten folgende Erkundungsergebnisse gewonnen werden:\n" +
                     std::string(70, '-') +
                     "\nDeine Erkundungstruppen konnten in Erfahrung bringen, welche Truppen sich auf Aussenposten "
                     "Stein, kontrolliert von Bert, befinden (siehe Menuepunkt 4 - Gegnerische Truppenteile).\n\n\n"),
            std::string::npos);
  EXPECT_NE(out.find("Folgende Informationen liegen ueber gegnerische Truppenteile vor:\n" + std::string(65, '-') +
                     "\nZu Aussenposten Stein konnten folgende Informationen gewonnen werden (letzter Bericht aus "
                     "Runde 2):\n  - keine Truppen vor Ort -\n"),
            std::string::npos);
  EXPECT_NE(out.find("Folgende Informationen konnten zu einem Truppenmarsch (Bert) gewonnen werden (letzter Bericht "
                     "aus Runde 2):\n  Spieler: Bert   Herkunft: Hauptplanet Fels (Heimatplanet)   Ziel: Hauptplanet "
                     "Terra   Ankunft in Runde: 5\n"),
            std::string::npos);

  // Bert reads the gift and the message in his report of the same round, once.
  EXPECT_EQ(countOccurrences(out, "Freudige Nachricht. Anna hat dir 150 Credits geschenkt!\n\n"
                                  "Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n"
                                  "  Von Anna: Wir kommen in Frieden.\n\n\n"),
            1);
  EXPECT_EQ(countOccurrences(out, "Wir kommen in Frieden."), 1);
  // The lost casino game: 390 credits after the mercenary, 380 after the game.
  EXPECT_NE(out.find("Du hast verloren! Der Wetteinsatz von 10 Credits wird von deinem Konto abgezogen."),
            std::string::npos);
  EXPECT_NE(out.find("Runde 2          Anna (Kadrische Legion)          380 Credits\n"), std::string::npos);

  // Round 3: the reconnaissance troops are back; round 4: the Sturmtrupp and the mercenary.
  EXPECT_NE(out.find("In dieser Runde sind folgende Truppenbewegungen erfolgt:\n" + std::string(56, '-') +
                     "\nVerstaerkungstruppen von Aussenposten Stein sind diese Runde auf Hauptplanet Terra "
                     "(Heimatplanet) eingetroffen! Es sind zurueckkehrende Erkundungstruppen.\n\n\n"),
            std::string::npos);
  EXPECT_NE(out.find("Kauf bestaetigt. Die Einheit wird in 2 Runde(n) auf deinem Heimatplaneten eintreffen."),
            std::string::npos);
  const auto roundFour = out.find("Runde 4          Anna (Kadrische Legion)          520 Credits\n");
  ASSERT_NE(roundFour, std::string::npos);
  EXPECT_EQ(out.find("Auf Hauptplanet Terra (Heimatplanet) wurde folgendes fertiggestellt: - Kadrischer Sturmtrupp -\n"),
            out.find("Auf Hauptplanet Terra", roundFour));
  const auto arrival = out.find(
      "Eine Soeldnereinheit hat dich in dieser Runde auf deinem Heimatplaneten verstaerkt (Ferox Transporter).\n");
  EXPECT_GT(arrival, roundFour);
  EXPECT_LT(arrival, out.find("In dieser Runde gab es folgende Gefechtsaktivitaeten:", roundFour));

  // Round 5: Anna holds Terra; each side reads its own battle message.
  EXPECT_NE(out.find("In dieser Runde gab es folgende Gefechtsaktivitaeten:\n" + kDashes53 +
                     "\nDeine Verteidigungstruppen auf Hauptplanet Terra (Heimatplanet) sind in einem Gefecht "
                     "siegreich gewesen!\n"),
            std::string::npos);
  EXPECT_NE(out.find("In dieser Runde gab es folgende Gefechtsaktivitaeten:\n" + kDashes53 +
                     "\nAngriffstruppen von Hauptplanet Fels (Heimatplanet) sind auf Hauptplanet Terra in einem "
                     "Gefecht vernichtet worden!\n"),
            std::string::npos);

  // Terra: the starting six, the Sturmtrupp and the Ferox of the mercenary market.
  const LocationRecord& terra = test.state->planetenliste[0];
  EXPECT_EQ(terra.owner, "Anna");
  EXPECT_EQ(countUnits(terra.troops[0][0]), 8);
  EXPECT_EQ(std::count_if(terra.troops[0][0].begin(), terra.troops[0][0].end(),
                          [](const TroopList::Unit& unit) { return unit.name == "Ferox Transporter"; }),
            2);
  EXPECT_EQ(test.files.files.count("autosave.txt"), 1u);
}

}  // namespace
}  // namespace vaskorath::testing
