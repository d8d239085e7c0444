// Elimination of players and rebels without locations, and when the check has to wait.
#include <gtest/gtest.h>

#include <string>

#include "resolution/battle_phase.h"
#include "resolution/elimination.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

std::string playerOut(const std::string& name) {
  return "Spieler " + name +
         " kontrolliert keine Aussenposten oder Planeten mehr und scheidet damit aus dem Spiel aus! Alle feindlichen "
         "Agenten werden wieder abgezogen.\n\n" +
         kPause;
}

TEST(Elimination, PlayersWithoutLocationsLeaveInPlayerOrderAndTheSpiesAtThemComeHome) {
  TestGame test;
  FactionRecord& anna = test.addPlayer(0, "Anna");
  FactionRecord& bert = test.addPlayer(1, "Bert", "Brukkas");
  FactionRecord& cara = test.addPlayer(2, "Cara", "Valkaren");
  FactionRecord& rebels = test.addRebels();
  test.addLocation("Terra", "Anna");
  test.addLocation("Festung", "Rebellen");
  anna.agents[1] = 3;    // Anna's spies at Bert
  cara.agents[1] = 2;    // Cara's spies at Bert, home with Cara before Cara leaves herself
  rebels.agents[2] = 1;  // the rebels' spy at Cara
  bert.agents[0] = 4;    // Bert's own spies at Anna stay recorded in his emptied record
  MarchRecord& marching = test.addMarch(1, "Angriffsbefehl: ...", "Hauptplanet Fels", "Hauptplanet Terra", 9,
                                        {"Brukka Horde"});
  marching.reportText = "Eine Nachricht";
  test.state->marschliste[1][1].reportText = "Noch eine";
  runEliminationCheck(test.game);

  EXPECT_EQ(test.console.output(), playerOut("Bert") + playerOut("Cara"));
  EXPECT_EQ(test.console.clearCount(), 2);
  EXPECT_EQ(anna.agents[0], 8);
  EXPECT_EQ(anna.agents[1], 0);
  EXPECT_EQ(rebels.agents[5], 6);
  EXPECT_EQ(rebels.agents[2], 0);
  FactionRecord emptied;
  emptied.status = 2;
  emptied.agents[0] = 4;
  EXPECT_EQ(bert, emptied);
  EXPECT_EQ(cara.playerName, "");
  EXPECT_EQ(cara.agents[2], 0);  // 5 + 2 came home, then her record was emptied
  MarchRecord ended;
  ended.reportText = "Eine Nachricht";
  EXPECT_EQ(marching, ended);
  EXPECT_EQ(test.state->marschliste[1][1].reportText, "Noch eine");

  test.console.clearOutput();
  runEliminationCheck(test.game);  // an emptied record is never eliminated again
  EXPECT_EQ(test.console.output(), "");
}

TEST(Elimination, RebelsWithoutLocationsLeaveAndThePlayersSpiesAtThemComeHome) {
  TestGame test;
  FactionRecord& anna = test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  FactionRecord& rebels = test.addRebels();
  test.addLocation("Terra", "Anna");
  test.addLocation("Fels", "Bert");
  anna.agents[5] = 2;
  rebels.agents[5] = 7;
  rebels.agents[0] = 1;
  rebels.credits = 300;
  runEliminationCheck(test.game);
  EXPECT_EQ(test.console.output(),
            "Die Rebellen kontrollieren keine Aussenposten oder Planeten mehr und scheiden damit vorerst aus dem Spiel "
            "aus!\n\n"
            "Achtung: Die Rebellen koennen durch Aufstaende auf euren Planeten oder Aussenposten wieder ins Spiel "
            "gelangen!\n\n" +
                kPause);
  EXPECT_EQ(anna.agents[0], 7);
  EXPECT_EQ(anna.agents[5], 0);
  EXPECT_EQ(rebels.agents[5], 7);  // their own home service stays
  EXPECT_EQ(rebels.agents[0], 1);
  EXPECT_EQ(rebels.credits, 300);
  EXPECT_EQ(rebels.playerName, "");
  EXPECT_EQ(rebels.race, "");
  EXPECT_EQ(rebels.status, 2);
}

TEST(Elimination, APlayerWhoseAttackWaitsForItsBattleIsPassedOverUntilItIsFought) {
  // Battle 1: Anna takes Bert's last location Fels. Battle 2: Bert's attack on Cara's Wald, which he
  // wins; he stays in play and Cara leaves.
  TestGame test("1\nAnna\n0\n2\nBert\n0\n0\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  test.addPlayer(2, "Cara", "Valkaren");
  test.addLocation("Fels", "Bert");
  test.addLocation("Wald", "Cara");
  test.addLocation("Terra", "Anna");
  test.state->runde = 4;
  test.addMarch(0, "Angriffsbefehl: ...", "Hauptplanet Terra", "Hauptplanet Fels", 4, {"Kadrischer Sturmtrupp"});
  test.addMarch(1, "Angriffsbefehl: ...", "Hauptplanet Fels", "Hauptplanet Wald", 4, {"Brukka Horde"});
  test.runArrivalsAndDetection();
  ASSERT_EQ(test.state->kampfz, 2);
  runBattlePhase(test.game);

  const std::string& out = test.console.output();
  EXPECT_EQ(out.find(playerOut("Bert")), std::string::npos);
  const auto secondBattle = out.find("Gefecht auf Hauptplanet Wald!");
  ASSERT_NE(secondBattle, std::string::npos);
  EXPECT_GT(out.find(playerOut("Cara")), secondBattle);
  EXPECT_EQ(test.state->spielerliste[1].playerName, "Bert");
  EXPECT_EQ(test.state->planetenliste[1].owner, "Bert");
  EXPECT_EQ(test.state->planetenliste[1].troops[4][1][0], "Brukka Horde");
}

}  // namespace
}  // namespace vaskorath::testing
