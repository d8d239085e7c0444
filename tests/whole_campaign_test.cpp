// A whole campaign of three players and the rebels over six rounds, through every main-menu and
// forum entry, saved by name in a battle phase, quit, loaded and played to its end.
#include <gtest/gtest.h>

#include <string>

#include "flow/program.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

// Anna (Kadrische Legion) on Terra 0101 with the outpost Mond 0102; Bert (Brukkas) on Fels 0105;
// Cara (Morgathen) on Nebel 0505; the rebels hold the outpost Funke 0103. Seven rounds.
const std::string kSetup =
    "n\n3\n"
    "Anna\nk\n1\nTerra\n0101\n1\nMond\n0102\n"
    "Bert\nb\n1\nFels\n0105\n0\n"
    "Cara\nm\n1\nNebel\n0505\n0\n"
    "0\n1\nFunke\n0103\n"
    "7\n";

const std::string kRoundOne =
    // Anna: views 1 to 3, a Sturmtrupp at Terra accelerated once, two Sturmtrupps against Funke
    // (one round away), a recruit placed at Bert.
    "1\n2\n3\n"
    "7\n1\n2\n0\n7\n1\n1\n0\n"
    "6\n1\n2\n3\n0\nFunke\nn\nj\n"
    "5\n1\n2\nAnna\n1\nBert\n0\n"
    "9\n"
    // Bert: an attack on Mond and a reconnaissance of Nebel, both two rounds away.
    "6\n1\n1\n0\nMond\nn\nj\n"
    "6\n1\n1\n0\nNebel\nj\nj\n"
    "9\n"
    // Cara: a message to Anna, 100 credits to Bert, a mercenary, one casino game, view 4.
    "8\n1\nAnna\nHallo Anna\n2\nBert\n100\n3\n1\n0\n4\n10\n1\n0\n0\n"
    "4\n"
    "9\n";

// Round 2: Anna takes Funke, then three turns.
const std::string kRoundTwo = "1\nAnna\n0\n0\n" "9\n9\n9\n";

// Round 3: with Bert's attack on Mond still open, a named save, then the input ends.
const std::string kRoundThreeSaved = "0\nj\nmitte\n";

// Loaded: Anna holds Mond, Cara catches Bert's discovered reconnaissance troops at Nebel; in the
// turns of round 3 Anna sends her whole home service to spy on Bert; rounds 4 to 6 without battles.
const std::string kResumed =
    "j\nmitte\n"
    "1\nAnna\n0\n2\nCara\n0\n0\n"
    "5\n2\nAnna\n5\nBert\n0\n9\n9\n9\n"
    "0\n9\n9\n9\n" "0\n9\n9\n9\n" "0\n9\n9\n9\n";

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

// The battle list of round 3 as the save left it and as the load brings it back: Mond with one
// Stampfer against an empty garrison (1 + 0 + 1 = 2 units, small), Nebel with the discovered
// Blechkrieger (1 + 0 + 3 = 4, small).
const std::string kRoundThreeBattles =
    "Runde 3 beginnt.\n\n"
    "Folgende Gefechte gibt es in dieser Runde:\n"
    "------------------------------------------\n"
    "1  Gefecht auf Aussenposten Mond, derzeit im Besitz von Anna und befestigt in der Ausbaustufe 1. "
    "Dies ist ein kleines Gefecht!\n"
    "2  Gefecht auf Hauptplanet Nebel (Heimatplanet), derzeit im Besitz von Cara und befestigt in der "
    "Ausbaustufe 3 (entdeckte Erkundungstruppen sind involviert). Dies ist ein kleines Gefecht!\n\n"
    "Welches Gefecht soll durchgefuehrt werden (Nummer - Speichern oder Weiter mit 0)?: ";

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(WholeCampaign, ThreePlayersAndTheRebelsPlaySixRoundsWithASaveAQuitAndALoad) {
  TestGame first(kSetup + kRoundOne + kRoundTwo + kRoundThreeSaved, 1);
  // The players quit in round 3 by ending the program.
  EXPECT_THROW(runProgram(first.game), InputEnded);
  const std::string& played = first.console.output();

  // The Sturmtrupp (80 credits, 80 / 30 + 1 = 3 rounds, due in round 4) accelerated to round 3.
  EXPECT_TRUE(contains(played, "\n\nBauauftrag wurde um eine Runde beschleunigt!\n\n" + kPause));
  EXPECT_TRUE(contains(played, "Laufende Produktion: Kadrischer Sturmtrupp mit Fertigstellung in 2 Runde(n).\n"));
  // Terra 0101 to Funke 0103: two rows apart, one round.
  EXPECT_TRUE(contains(played, "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Terra (Heimatplanet) "
                               "nach Aussenposten Funke (Ankunft in Runde 2). Marschdauer: 1 Runde(n).\n"
                               "Kadrischer Sturmtrupp\nKadrischer Sturmtrupp\n"));
  // Cara: 1000 - 100 given to Bert - 600 for the mercenary - 10 lost at the casino.
  EXPECT_TRUE(contains(played, "Runde 1          Cara (Morgathen)          290 Credits\n"));

  // Round 2: two Sturmtrupps against the seven rebels (2 + 0 + 7 = 9 units, a middle battle).
  EXPECT_TRUE(contains(played, "Folgende Gefechte gibt es in dieser Runde:\n------------------------------------------\n"
                               "1  Gefecht auf Aussenposten Funke, derzeit im Besitz von Rebellen und befestigt in der "
                               "Ausbaustufe 1. Dies ist ein mittleres Gefecht!\n"));
  EXPECT_TRUE(contains(played, "Die Rebellen kontrollieren keine Aussenposten oder Planeten mehr und scheiden damit "
                               "vorerst aus dem Spiel aus!\n\n"));
  // Anna's report: 720 + 70 for Terra + 40 each for Mond and the taken Funke.
  EXPECT_TRUE(contains(played, "Runde 2          Anna (Kadrische Legion)          870 Credits\n\n"
                               "Rundenereignisse:\n-----------------\n\n\n"
                               "Allgemeine Informationen:\n-------------------------\n"
                               "In dieser Runde hast du 150 Credits eingenommen.\n"
                               "Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n"
                               "  Von Cara: Hallo Anna\n\n\n"));
  EXPECT_TRUE(contains(played, "In dieser Runde gab es folgende Gefechtsaktivitaeten:\n" + std::string(53, '-') +
                               "\nAngriffstruppen von Hauptplanet Terra (Heimatplanet) sind auf Aussenposten Funke in "
                               "einem Gefecht siegreich gewesen!\n"));
  EXPECT_TRUE(contains(played, "Freudige Nachricht. Cara hat dir 100 Credits geschenkt!\n"));

  // Round 3: the named save is offered while battles are open.
  EXPECT_TRUE(contains(played, kRoundThreeBattles + "\n\nEs sind noch nicht alle Gefechte durchgefuehrt worden. "
                                                    "Soll gespeichert werden (j/n)?\n\n"));
  ASSERT_TRUE(first.files.files.contains("mitte.txt"));

  TestGame second(kResumed, 7);
  second.files.files = first.files.files;
  EXPECT_EQ(runProgram(second.game), 0);
  const std::string& resumed = second.console.output();
  EXPECT_TRUE(contains(resumed, "Letzter Spielstand wurde erfolgreich geladen!\n\n" + kPause + kRoundThreeBattles));
  EXPECT_TRUE(contains(resumed, "Auf Hauptplanet Terra (Heimatplanet) wurde folgendes fertiggestellt: - Kadrischer "
                                "Sturmtrupp -\n"));
  EXPECT_TRUE(contains(resumed, "\nDeine Verteidigungstruppen auf Aussenposten Mond sind in einem Gefecht siegreich "
                                "gewesen!\n"));
  EXPECT_TRUE(contains(resumed, "\nAngriffstruppen von Hauptplanet Fels (Heimatplanet) sind auf Aussenposten Mond in "
                                "einem Gefecht vernichtet worden!\n"
                                "Erkundungstruppen von Hauptplanet Fels (Heimatplanet) sind auf Hauptplanet Nebel "
                                "entdeckt und im darauf folgenden Gefecht vernichtet worden!\n"));
  // Hired in round 1 with a delay of 4: delivered in the calculation of round 5.
  const std::size_t roundFive = resumed.find("Runde 5          Cara (Morgathen)          570 Credits\n");
  ASSERT_NE(roundFive, std::string::npos);
  EXPECT_TRUE(contains(resumed.substr(roundFive), "Eine Soeldnereinheit hat dich in dieser Runde auf deinem "
                                                  "Heimatplaneten verstaerkt (Dreibein Pirscher).\n"));
  // Anna's five agents at Bert, against his five at home: troops found, a home agent killed.
  EXPECT_TRUE(contains(resumed, "Deine Agenten konnten in Erfahrung bringen, welche Truppen sich auf Hauptplanet Fels "
                                "(Heimatplanet), kontrolliert von Bert, befinden (siehe Menuepunkt 4 - Gegnerische "
                                "Truppenteile).\n"));
  EXPECT_TRUE(contains(resumed, "Innendienst: 2 Tote(r) bei vermuteten Spionageaktivitaeten von Anna\n"));
  // The final count: Anna holds Terra with five units and Funke with two, Mond without any; Bert
  // kept five of his seven, Cara has four; every march has ended. The rebels are gone.
  EXPECT_TRUE(resumed.ends_with("Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n" + kPause +
                                "Schlussstand der Kampagne\n-------------------------\n\n"
                                "Anna (Kadrische Legion)\n"
                                "  Hauptplaneten: Terra (Heimatplanet)\n"
                                "  Aussenposten: Mond, Funke\n"
                                "  Befestigungsstufen zusammen: 5\n"
                                "  Einheiten: 7 stationiert, 0 auf dem Marsch\n"
                                "  Credits: 1470\n\n"
                                "Bert (Brukkas)\n"
                                "  Hauptplaneten: Fels (Heimatplanet)\n"
                                "  Aussenposten: - keine -\n"
                                "  Befestigungsstufen zusammen: 3\n"
                                "  Einheiten: 5 stationiert, 0 auf dem Marsch\n"
                                "  Credits: 1450\n\n"
                                "Cara (Morgathen)\n"
                                "  Hauptplaneten: Nebel (Heimatplanet)\n"
                                "  Aussenposten: - keine -\n"
                                "  Befestigungsstufen zusammen: 3\n"
                                "  Einheiten: 4 stationiert, 0 auf dem Marsch\n"
                                "  Credits: 640\n\n" +
                                kPause))
      << resumed.substr(resumed.size() - 800);

  const CampaignState& state = *second.state;
  EXPECT_EQ(state.runde, 7);
  EXPECT_EQ(state.planetenliste[1].owner, "Anna");  // Mond held
  EXPECT_EQ(state.planetenliste[4].owner, "Anna");  // Funke taken, with the two Sturmtrupps
  EXPECT_EQ(countUnits(state.planetenliste[4].troops[0][0]), 2);
  EXPECT_EQ(state.planetenliste[4].rebelRace, "");
  // Terra: six at the start, two sent to Funke, one built.
  EXPECT_EQ(countUnits(state.planetenliste[0].troops[0][0]), 5);
  // Nebel: the three of the start and the Dreibein Pirscher.
  EXPECT_EQ(countUnits(state.planetenliste[3].troops[3][2]), 4);
  EXPECT_EQ(state.spielerliste[kRebelFaction].playerName, "");
  EXPECT_EQ(state.spielerliste[kRebelFaction].status, 2);
  // Five reports of income each: Anna 720 + 5 x 150, Bert 1100 + 5 x 70, Cara 290 + 5 x 70.
  EXPECT_EQ(state.spielerliste[0].credits, 1470);
  EXPECT_EQ(state.spielerliste[1].credits, 1450);
  EXPECT_EQ(state.spielerliste[2].credits, 640);
  EXPECT_TRUE(second.files.files.contains("autosave.txt"));
}

}  // namespace
}  // namespace vaskorath::testing
