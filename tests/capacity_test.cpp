// Tables filled to their limits at the places that add to them: every march table arriving at
// once, lists of 200 units, a thousand battles in one row, a full inbox. The sanitizer build runs
// these too, so nothing is written outside a table.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "flow/main_menu.h"
#include "flow/rebel_production.h"
#include "orders/march_orders.h"
#include "persistence/save_file.h"
#include "reports/round_report.h"
#include "resolution/battle_phase.h"
#include "state/locations.h"
#include "state/unit_catalogue.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

constexpr int kPlayers = 5;

std::string playerName(int player) { return "Spieler" + std::to_string(player + 1); }

// Five players of the five races and the rebels; location l belongs to player l % 5 and holds a
// full row of its owner. Every faction's 1000 records march in round 2, record j to location
// j % 100, each with 200 units: ten marches of each faction reach every location.
struct CampaignAtCapacity : TestGame {
  explicit CampaignAtCapacity(std::string input) : TestGame(std::move(input)) {
    for (int player = 0; player < kPlayers; ++player) addPlayer(player, playerName(player), std::string(kRaces[player].name));
    addRebels();
    state->runde = 2;
    for (int index = 0; index < kLocationCount; ++index) {
      const int owner = index % kPlayers;
      addLocation("Ort" + std::to_string(index), playerName(owner), kKindMainPlanet, index);
      state->planetenliste[index].troops[owner][owner].fill(std::string(preisliste.unit(owner, 1).unitName));
    }
    for (int faction = 0; faction < kFactionCount; ++faction) {
      for (int index = 0; index < kMarchCount; ++index) {
        const LocationRecord& target = state->planetenliste[index % kLocationCount];
        const bool own = target.owner == state->spielerliste[faction].playerName;
        MarchRecord& march = addMarch(faction, own ? "Marschbefehl: hin" : "Angriffsbefehl: hin",
                                      "Hauptplanet Heimat", locationLabel(target), 2, {});
        march.units.fill("Brukka Horde");
      }
    }
  }
};

TEST(Capacity, EveryMarchTableArrivesAtOnceAndEveryBattleIsFoughtAndSaved) {
  // Battle b is at location b - 1; its owner defends it and loses nothing.
  std::string input;
  for (int battle = 1; battle <= kLocationCount; ++battle) {
    input += std::to_string(battle) + "\n" + playerName((battle - 1) % kPlayers) + "\n0\n";
  }
  CampaignAtCapacity test(input + "0\n");
  test.runArrivalsAndDetection();
  const CampaignState& state = *test.state;
  EXPECT_EQ(state.kampfz, kLocationCount);
  // Per location 50 foreign marches, each counting its 200 units, no own slots of its faction
  // there and the 200 slot indices in use: 50 x 400.
  EXPECT_EQ(state.planetenliste[0].battleUnitCount, 20'000);
  EXPECT_EQ(state.planetenliste[99].battleUnitCount, 20'000);
  // The reinforcements found no free slot: their records are ended with all 200 units kept.
  EXPECT_TRUE(state.marschliste[0][0].orderText.empty());
  EXPECT_EQ(countUnits(state.marschliste[0][0].units), kTroopSlots);

  runBattlePhase(test.game);
  EXPECT_EQ(countOccurrences(test.console.output(), " <-- Gefecht durchgefuehrt\n"), 100 * 101 / 2);
  for (const LocationRecord& location : state.planetenliste) {
    EXPECT_EQ(countOccupiedSlots(location, factionIndexByName(state, location.owner)), kTroopSlots);
  }
  // Every record of Spieler1 holds a message now (200 arrivals, 800 lost attacks), so the
  // defender messages find no record and are dropped.
  int arrivals = 0;
  for (const MarchRecord& march : state.marschliste[0]) {
    EXPECT_FALSE(march.reportText.empty());
    if (march.reportText.starts_with("Verstaerkungstruppen von")) ++arrivals;
  }
  EXPECT_EQ(arrivals, 200);
  ASSERT_TRUE(test.files.files.contains("autosave.txt"));
  auto loaded = makeCampaignState();
  EXPECT_TRUE(readSaveFile(test.files.files["autosave.txt"], *loaded));
  EXPECT_EQ(loaded->planetenliste[42].battleUnitCount, 20'000);

  // The report prints all 1000 texts in their two sections.
  test.console.clearOutput();
  showRoundReport(test.game, 0);
  EXPECT_EQ(countOccurrences(test.console.output(), "Verstaerkungstruppen von Hauptplanet Heimat"), 200);
  EXPECT_EQ(countOccurrences(test.console.output(), "Angriffstruppen von Hauptplanet Heimat"), 800);
}

TEST(Capacity, ListsOfTwoHundredTakeWhatFitsAndKeepTheRest) {
  // Anna marks all 200 units of Terra, then declines: all 200 go back.
  std::string marking;
  for (int number = 1; number <= kTroopSlots; ++number) marking += std::to_string(number) + "\n";
  TestGame test("1\n" + marking + "0\nMond\nn\n");
  test.addPlayer(0, "Anna");
  const int terra = test.addLocation("Terra", "Anna", kKindMainPlanet, 101);
  test.addLocation("Mond", "Anna", kKindOutpost, 102);
  TroopList& garrison = test.state->planetenliste[terra].troops[0][0];
  garrison.fill("Kadrischer Sturmtrupp");
  runOrderDialogue(test.game, 0);
  EXPECT_EQ(countUnits(garrison), kTroopSlots);
  EXPECT_EQ(countUnits(test.state->marschliste[0][0].units), 0);
  EXPECT_TRUE(test.console.output().ends_with("Abbruch!\n\nDruecken Sie eine beliebige Taste . . .\n"));

  // Five units arrive at a garrison with two free slots: the first two join, three stay behind.
  garrison.clear(17);
  garrison.clear(199);
  test.state->runde = 4;
  test.addMarch(0, "Marschbefehl: ...", "Aussenposten Mond", "Hauptplanet Terra", 4,
                {"Ferox Transporter", "Laeuferschwadron", "Plasmawerfertrupps", "Granatwerfertrupps",
                 "Raketenwerfertrupps"});
  test.runArrivalsAndDetection();
  EXPECT_EQ(garrison[17], "Ferox Transporter");
  EXPECT_EQ(garrison[199], "Laeuferschwadron");
  const TroopList& left = test.state->marschliste[0][0].units;
  EXPECT_EQ(countUnits(left), 3);
  EXPECT_EQ(left[2], "Plasmawerfertrupps");
  EXPECT_EQ(left[4], "Raketenwerfertrupps");

  // Rebels with 200 units build nothing more, and a unit due at a full list is dropped.
  test.addRebels();
  const int ruine = test.addLocation("Ruine", "Rebellen");
  LocationRecord& rebels = test.state->planetenliste[ruine];
  rebels.rebelRace = "Brukkas";
  rebels.troops[4][kRebelFaction].fill("Brukka Horde");
  test.setProduction(ruine, 4, "Schrauber", 4);
  runRebelProduction(test.game);
  EXPECT_EQ(countUnits(rebels.troops[4][kRebelFaction]), kTroopSlots);
  EXPECT_EQ(rebels.productionItem[4], "");
  EXPECT_EQ(rebels.productionDueRound, 0);
}

TEST(Capacity, AThousandBattlesInOneRowAreListedAndTheLastIsFoughtByItsNumber) {
  TestGame test("1000\nBert\n0\n0\nn\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  test.addLocation("Fels", "Bert");
  test.state->runde = 3;
  test.state->kampfz = kBattleCount;
  for (int index = 0; index < kBattleCount; ++index) {
    BattleRecord& battle = test.state->eventslist[0][index];
    battle.number = index + 1;
    battle.label = std::to_string(index + 1) + " Gefecht auf Hauptplanet Fels";
    battle.locationKind = "Hauptplanet ";
    battle.locationName = "Fels";
  }
  EXPECT_THROW(runBattlePhase(test.game), InputEnded);
  const auto& row = test.state->eventslist[0];
  EXPECT_TRUE(row[999].fought);
  // A location's size sentence goes onto its first open battle only.
  EXPECT_EQ(row[0].label, "1 Gefecht auf Hauptplanet Fels. Dies ist ein kleines Gefecht!");
  EXPECT_EQ(row[999].label, "1000 Gefecht auf Hauptplanet Fels <-- Gefecht durchgefuehrt");
  EXPECT_FALSE(row[998].fought);
  EXPECT_EQ(test.state->planetenliste[0].owner, "Bert");  // the owner held it
  // Open battles remain, so 0 asks to save and the list comes back, all 1000 lines of it.
  EXPECT_EQ(countOccurrences(test.console.currentScreen(), " Gefecht auf Hauptplanet Fels"), kBattleCount);
}

TEST(Capacity, AFullInboxIsShownWholeAndEmptiedInRoundOneAndInTheReport) {
  for (int round : {1, 2}) {
    SCOPED_TRACE(round);
    TestGame test("9\n");
    test.addPlayer(0, "Anna");
    test.state->runde = round;
    for (int slot = 0; slot < kInboxSize; ++slot) {
      test.state->spielernachrichten[0][slot] = "  Von Bert: Nachricht " + std::to_string(slot + 1);
    }
    if (round == 1) {
      runMainMenu(test.game, 0);
    } else {
      showRoundReport(test.game, 0);
    }
    EXPECT_EQ(countOccurrences(test.console.output(), "  Von Bert: Nachricht "), kInboxSize);
    EXPECT_NE(test.console.output().find("Nachricht 100\n"), std::string::npos);
    for (const std::string& message : test.state->spielernachrichten[0]) EXPECT_EQ(message, "");
  }
}

TEST(Capacity, MarchesBetweenTheFarthestCoordinatesStayWithinWhatASaveHolds) {
  // Old files may hold any coordinates: 2147483647 and -2147483648 lie 42,949,672 map rows apart,
  // which takes half of that, rounded up.
  EXPECT_EQ(marchDuration(INT_MIN, INT_MAX), 21'474'836);
  EXPECT_EQ(marchDuration(INT_MAX, INT_MIN), 21'474'836);
  // From the last round a save can hold, that still arrives in a round a save can hold.
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert", "Brukkas");
  test.state->runde = 1'000'000'000 - 1;
  test.state->endrunde = 1'000'000'000;
  MarchRecord& march = test.addMarch(0, "Angriffsbefehl: ...", "Hauptplanet Terra", "Hauptplanet Fels",
                                     test.state->runde + marchDuration(INT_MIN, INT_MAX), {"Ferox Transporter"});
  march.duration = marchDuration(INT_MIN, INT_MAX);
  auto loaded = makeCampaignState();
  EXPECT_TRUE(readSaveFile(writeSaveFile(*test.state), *loaded));
  EXPECT_EQ(loaded->marschliste[0][0].arrivalRound, 1'021'474'835);
}

}  // namespace
}  // namespace vaskorath::testing
