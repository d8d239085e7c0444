// The round loop: how many calculation phases and turns run, in which order, and who is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "flow/program.h"
#include "flow/round_loop.h"
#include "persistence/save_file.h"
#include "resolution/round_calculation.h"
#include "state/march_list.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

std::string handOver(int round, const std::string& name, const std::string& race = "Kadrische Legion") {
  return "Runde " + std::to_string(round) + "          " + name + " (" + race + ")\n\n";
}

std::string endOfRound(int round, int limit) {
  return "Runde " + std::to_string(round - 1) + " (von insgesamt " + std::to_string(limit) +
         " Runden) ist beendet. Die Kalkulation fuer Runde " + std::to_string(round) + " beginnt.\n\n";
}

// Input that ends every turn and leaves every battle-free round with its autosave.
std::string turnsAndPhases(int rounds, int players) {
  std::string input;
  for (int round = 1; round <= rounds; ++round) {
    if (round >= 2) input += "0\n";
    for (int player = 0; player < players; ++player) input += "9\n";
  }
  return input;
}

TEST(RoundLoop, WithRoundLimitOneNothingIsPlayed) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->endrunde = 1;
  runCampaign(test.game);
  EXPECT_EQ(test.console.output(), "");
  EXPECT_EQ(test.state->runde, 1);
}

TEST(RoundLoop, WithRoundLimitTwoOnlyTheTurnsOfRoundOneRun) {
  TestGame test(turnsAndPhases(1, 2));
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  test.state->endrunde = 2;
  runCampaign(test.game);
  const std::string& out = test.console.output();
  EXPECT_EQ(countOccurrences(out, handOver(1, "Anna")), 1);
  EXPECT_EQ(countOccurrences(out, handOver(1, "Bert", "Brukkas")), 1);
  EXPECT_EQ(countOccurrences(out, "ist beendet."), 0);
  EXPECT_EQ(test.state->runde, 2);
  // Seed 1: (41 + 0) % 10 = 1, (18467 + 1) % 10 = 8, (6334 + 8) % 10 = 2, (26500 + 2) % 10 = 2.
  EXPECT_EQ(test.state->drawCounter, 2);
}

TEST(RoundLoop, WithRoundLimitThreeRoundTwoIsCalculatedBeforeItsTurns) {
  TestGame test(turnsAndPhases(2, 2));
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->endrunde = 3;
  runCampaign(test.game);
  const std::string& out = test.console.output();
  const auto annaRound1 = out.find(handOver(1, "Anna"));
  const auto bertRound1 = out.find(handOver(1, "Bert"));
  const auto calculation = out.find(endOfRound(2, 3));
  const auto annaRound2 = out.find(handOver(2, "Anna"));
  const auto bertRound2 = out.find(handOver(2, "Bert"));
  ASSERT_NE(bertRound2, std::string::npos);
  EXPECT_LT(annaRound1, bertRound1);
  EXPECT_LT(bertRound1, calculation);
  EXPECT_LT(calculation, annaRound2);
  EXPECT_LT(annaRound2, bertRound2);
  EXPECT_EQ(countOccurrences(out, "ist beendet."), 1);
  EXPECT_EQ(test.state->runde, 3);
  // The mercenary renewal of round 1 (88 draws for the two players), the four turn draws and the
  // renewal of round 2 (90 draws) come first; the drift then draws 53: 5 + 53 % 5 = 8.
  EXPECT_EQ(test.state->spielerliste[kRebelFaction].agents[kRebelFaction], 8);
}

TEST(RoundLoop, EliminatedPlayersGetNoTurn) {
  TestGame test(turnsAndPhases(2, 2));
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  test.state->spielerliste[1] = FactionRecord{};  // eliminated: empty name and race
  test.state->spielerliste[1].status = 2;
  test.state->endrunde = 3;
  runCampaign(test.game);
  const std::string& out = test.console.output();
  EXPECT_EQ(countOccurrences(out, handOver(1, "Anna")), 1);
  EXPECT_EQ(countOccurrences(out, handOver(2, "Cara")), 1);
  EXPECT_EQ(countOccurrences(out, " ()\n\n"), 0);
  EXPECT_EQ(test.state->runde, 3);
}

TEST(RoundLoop, AnEliminatedLastPlayerEndsTheRoundAfterTheOthers) {
  for (bool withRebels : {false, true}) {
    SCOPED_TRACE(withRebels ? "with rebels" : "without rebels");
    TestGame test(turnsAndPhases(2, 2));
    test.addPlayer(0, "Anna");
    test.addPlayer(1, "Bert");
    test.addPlayer(2, "Cara");
    if (withRebels) test.addRebels();
    test.state->spielerliste[2] = FactionRecord{};
    test.state->endrunde = 3;
    runCampaign(test.game);
    const std::string& out = test.console.output();
    EXPECT_EQ(countOccurrences(out, handOver(1, "Bert")), 1);
    EXPECT_EQ(countOccurrences(out, handOver(2, "Bert")), 1);
    EXPECT_EQ(countOccurrences(out, "ist beendet."), 1);
    // The turn index stops at the record after the players: the rebels, or past the table.
    EXPECT_EQ(test.state->i, withRebels ? 5 : 6);
    EXPECT_EQ(test.state->runde, 3);
  }
}

TEST(RoundLoop, ASinglePlayerLeftWinsAndTheCampaignEnds) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addRebels();  // the rebels never count as a player
  test.state->spielerliste[1] = FactionRecord{};
  test.state->endrunde = 5;
  runCampaign(test.game);
  EXPECT_EQ(test.console.output(),
            "Spieler Anna ist der einzig verbleibende Spieler und hat damit gewonnen! "
            "Herzlichen Glueckwunsch, Anna!\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");
  EXPECT_EQ(test.state->runde, 5);
  EXPECT_EQ(countRemainingPlayers(*test.state), 1);
}

// Any round limit up to 2,147,483,647 may be chosen, but a save holds no round after kMaxRound:
// a campaign loaded in that round plays it and ends with the end screen instead of writing a save
// of the next round that the loader would refuse.
TEST(RoundLoop, ACampaignEndsAfterTheHighestRoundASaveMayHoldWithEverySaveLoading) {
  TestGame saved;
  saved.addPlayer(0, "Anna");
  saved.addPlayer(1, "Bert");
  saved.state->runde = kMaxRound;
  saved.state->endrunde = INT_MAX;
  TestGame test("j\nkampagne\n1\nabend\n0\n9\n9\n");
  test.files.files["kampagne.txt"] = writeSaveFile(*saved.state);
  EXPECT_EQ(runProgram(test.game), 0);
  const std::string& out = test.console.output();
  EXPECT_EQ(countOccurrences(out, handOver(kMaxRound, "Anna")), 1);
  EXPECT_EQ(countOccurrences(out, handOver(kMaxRound, "Bert")), 1);
  EXPECT_EQ(countOccurrences(out, std::to_string(kMaxRound + 1)), 0);
  // The end screen, then the final count that follows it on every way a campaign ends.
  EXPECT_EQ(countOccurrences(out, "Das Spiel ist beendet. Es folgt die Punkte berechnung.\n\n"
                                  "Druecken Sie eine beliebige Taste . . .\n"
                                  "Schlussstand der Kampagne\n"),
            1);
  auto loaded = makeCampaignState();
  for (const char* name : {"autosave.txt", "abend.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(readSaveFile(test.files.files[name], *loaded));
    EXPECT_EQ(loaded->runde, kMaxRound);
  }
}

// The loader leaves the rebels room for exactly this: reset, then drift.
TEST(RoundLoop, TheRebelsHomeServiceDriftsNoHigherThanTheLoaderAllowsFor) {
  TestGame test;
  int& agents = test.state->spielerliste[kRebelFaction].agents[kRebelFaction];
  int highest = 0;
  for (int round = 0; round < 200; ++round) {
    agents = kRebelHomeAgentsAtRoundStart;
    driftRebelAgents(test.game);
    highest = std::max(highest, agents);
  }
  EXPECT_EQ(highest, kMostRebelHomeAgentsAfterDrift);
}

TEST(RoundLoop, TheMarchListIsCompactedAtTheEndOfATurn) {
  TestGame test(turnsAndPhases(1, 2));
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.state->endrunde = 2;
  auto& marches = test.state->marschliste[0];
  marches[1].orderText = "Marschbefehl: zweiter";
  marches[2].orderText = "Marschbefehl: dritter";
  runCampaign(test.game);
  EXPECT_EQ(marches[0].orderText, "Marschbefehl: dritter");
  EXPECT_EQ(marches[1].orderText, "Marschbefehl: zweiter");
  EXPECT_TRUE(isFree(marches[2]));
}

}  // namespace
}  // namespace vaskorath::testing

namespace vaskorath::testing {
namespace {

TEST(RoundLoop, APlayerCountBeyondTheTableFromAFileStaysWithinIt) {
  TestGame test(turnsAndPhases(1, 5));
  for (int player = 0; player < kMaxPlayers; ++player) test.addPlayer(player, "P" + std::to_string(player));
  test.state->anzahlspieler = 9;
  test.state->endrunde = 2;
  runCampaign(test.game);
  EXPECT_EQ(countOccurrences(test.console.output(), handOver(1, "P4")), 1);
  EXPECT_EQ(test.state->i, kMaxPlayers);
}

}  // namespace
}  // namespace vaskorath::testing
