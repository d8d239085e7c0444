// The campaign state: initial values, troop list slots, random generator, march list compaction.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "state/campaign_state.h"
#include "state/march_list.h"
#include "state/random.h"

namespace vaskorath {
namespace {

TEST(CampaignState, StartsWithTheDocumentedInitialValues) {
  auto state = makeCampaignState();
  EXPECT_EQ(state->runde, 1);
  EXPECT_EQ(state->endrunde, 100);
  EXPECT_EQ(state->i, 0);
  EXPECT_EQ(state->drawCounter, 0);
  EXPECT_FALSE(state->loadRequested);
  for (int player = 0; player < kMaxPlayers; ++player) {
    EXPECT_EQ(state->creditgabehinweis[player], 10);
    EXPECT_EQ(state->creditgabemenge[player], 0);
  }
  for (int faction = 0; faction < kFactionCount; ++faction) {
    for (int other = 0; other < kFactionCount; ++other) {
      EXPECT_EQ(state->spielerliste[faction].agents[other], faction == other ? 5 : 0);
    }
  }
  const FactionRecord& rebels = state->spielerliste[kRebelFaction];
  EXPECT_EQ(rebels.playerName, "");
  EXPECT_EQ(rebels.race, "");
  EXPECT_EQ(rebels.status, 0);
  const LocationRecord& location = state->planetenliste[99];
  EXPECT_EQ(location.fortificationLevel, 1);
  EXPECT_FALSE(location.inUse);
  EXPECT_EQ(location.kind, kKindNone);
}

TEST(CampaignState, HomePlanetNamesByPlayerIndex) {
  auto state = makeCampaignState();
  state->heimatplanet(0) = "A";
  state->heimatplanet(4) = "E";
  EXPECT_EQ(state->heimatplanet1, "A");
  EXPECT_EQ(state->heimatplanet5, "E");
  EXPECT_EQ(state->heimatplanet2, "");
}

TEST(TroopList, KeepsHolesAndFillsTheFirstHole) {
  TroopList list;
  ASSERT_TRUE(addUnit(list, "A"));
  ASSERT_TRUE(addUnit(list, "B"));
  ASSERT_TRUE(addUnit(list, "C"));
  list.clear(0);
  list.clear(1);
  EXPECT_EQ(list[2], "C");  // removal leaves a hole, nothing moves up
  ASSERT_TRUE(addUnit(list, "D"));
  EXPECT_EQ(list[0], "D");
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(countUnits(list), 2);
}

TEST(TroopList, RefusesAUnitWhenAllSlotsAreTaken) {
  TroopList list;
  for (int slot = 0; slot < kTroopSlots; ++slot) ASSERT_TRUE(addUnit(list, "X"));
  EXPECT_FALSE(addUnit(list, "Y"));
  EXPECT_EQ(countUnits(list), kTroopSlots);
  list.clear(199);
  ASSERT_TRUE(addUnit(list, "Y"));
  EXPECT_EQ(list[199], "Y");
  EXPECT_EQ(list[198], "X");
}

TEST(TroopList, AnyTextStaysInItsSlotWhileItsNeighboursChange) {
  const std::string longName(20000, 'L');  // longer than one and two length bytes can tell
  const std::string oddBytes("\0\x80\xff\n\r", 5);
  TroopList list;
  list.set(7, "Mitte");
  list.set(3, oddBytes);
  list.set(199, longName);
  list.set(0, "A");
  list.set(7, std::string(130, 'm'));  // a longer text replaces a short one
  list.set(3, "k");                    // and a short one a long one
  list.set(5, "");                     // the empty text leaves the slot empty
  list.set(0, list[199]);              // a text of the list itself
  EXPECT_EQ(list[0], longName);
  EXPECT_EQ(list[3], "k");
  EXPECT_EQ(list[5], "");
  EXPECT_EQ(list[7], std::string(130, 'm'));
  EXPECT_EQ(list[199], longName);
  std::vector<int> slots;
  for (const TroopList::Unit& unit : list) {
    slots.push_back(unit.slot);
    EXPECT_EQ(unit.name, list[unit.slot]);
  }
  EXPECT_EQ(slots, (std::vector<int>{0, 3, 7, 199}));
  list.set(3, oddBytes);
  list.clear(7);
  EXPECT_EQ(list[3], oddBytes);
  EXPECT_EQ(list[199], longName);
  EXPECT_EQ(countUnits(list), 3);
  // A save's buffer is sized by the names' bytes, so they must follow every change.
  EXPECT_EQ(list.nameBytes(), 2 * longName.size() + oddBytes.size());
  TroopList loaded;
  std::array<std::string_view, kTroopSlots> texts{};
  texts[4] = longName;
  texts[9] = "B";
  loaded.assign(texts);
  loaded.set(4, "Kurz");
  EXPECT_EQ(loaded.nameBytes(), 5u);
  loaded.fill("Drei");
  EXPECT_EQ(loaded.nameBytes(), 4u * kTroopSlots);
  loaded.clear();
  EXPECT_EQ(loaded.nameBytes(), 0u);
}

TEST(TroopList, EqualWhenEverySlotHoldsTheSameTextHoweverItGotThere) {
  TroopList added;
  for (const char* unit : {"A", "B", "C"}) addUnit(added, unit);
  added.clear(1);
  TroopList set;
  set.set(2, "C");
  set.set(0, "A");
  EXPECT_EQ(added, set);
  TroopList copy = set;
  copy.set(2, "D");
  EXPECT_NE(copy, set);  // copies are independent
  EXPECT_EQ(set[2], "C");
  copy.clear(2);
  set.clear(2);
  EXPECT_EQ(copy, set);
  set.fill("E");
  copy.clear();
  EXPECT_EQ(countUnits(set), kTroopSlots);
  EXPECT_EQ(copy, TroopList());
}

// A list keeps its names as the lines a file holds; a name with a line end in it must change
// neither what the slots hold nor how lists compare.
TEST(TroopList, ANameWithALineEndStaysWholeAndListsStillCompareByTheirTexts) {
  TroopList plain;
  plain.set(0, "A");
  plain.set(2, "C");
  EXPECT_EQ(plain.unitLines(), "A\nC\n");
  TroopList odd;
  odd.set(2, "C");
  odd.set(0, "x\ny");
  EXPECT_EQ(odd[0], "x\ny");
  EXPECT_EQ(odd[2], "C");
  EXPECT_FALSE(odd.unitLines().has_value());
  EXPECT_NE(odd, plain);
  odd.set(0, "A");
  EXPECT_EQ(odd, plain);
  EXPECT_EQ(plain, odd);

  std::array<std::string_view, kTroopSlots> texts{};
  texts[1] = "a\nb";
  texts[3] = "c";
  TroopList assigned;
  assigned.assign(texts);
  EXPECT_EQ(assigned[1], "a\nb");
  EXPECT_EQ(assigned[3], "c");
  EXPECT_EQ(countUnits(assigned), 2);
  EXPECT_EQ(assigned.nameBytes(), 4u);

  std::string lines;
  TroopList added;
  for (int slot = 0; slot < kTroopSlots; ++slot) {
    const std::string name = "Einheit " + std::to_string(slot);
    lines += name + "\n";
    addUnit(added, name);
  }
  TroopList full;
  full.assignFullLines(lines);
  EXPECT_EQ(full, added);
  EXPECT_EQ(full[137], "Einheit 137");
  EXPECT_EQ(full.nameBytes(), added.nameBytes());
}

TEST(Random, FollowsTheClassicSequenceForSeedOne) {
  Random random(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (int value : expected) EXPECT_EQ(random.next(), value);
}

TEST(Random, DigitAddsTheCounterBeforeReducing) {
  Random random(1);
  EXPECT_EQ(random.nextDigit(0), 1);   // 41
  EXPECT_EQ(random.nextDigit(5), 2);   // 18467 + 5
  EXPECT_EQ(random.nextDigit(-7), 7);  // 6334 - 7 = 6327; a negative counter still gives 0..9
}

MarchRecord march(std::string order, std::string unit) {
  MarchRecord record;
  record.orderText = std::move(order);
  record.units.set(0, unit);
  record.arrivalRound = 5;
  return record;
}

TEST(MarchList, CompactionMovesTheLastMarchIntoTheFirstHole) {
  auto state = makeCampaignState();
  auto& marches = state->marschliste[2];
  marches[0] = march("erster", "a");
  marches[1] = march("zweiter", "b");
  marches[2] = march("dritter", "c");
  marches[0] = MarchRecord{};  // the first of three ends
  marches[0].reportText = "wird ueberschrieben";

  compactMarchList(*state, 2);

  EXPECT_EQ(marches[0].orderText, "dritter");
  EXPECT_EQ(marches[0].units[0], "c");
  EXPECT_EQ(marches[1].orderText, "zweiter");
  EXPECT_EQ(marches[2], MarchRecord{});
}

TEST(MarchList, CompactionClosesSeveralHolesAndKeepsEveryMarch) {
  auto state = makeCampaignState();
  auto& marches = state->marschliste[0];
  // Used at 0, 2, 5, 6, 999; holes at 1, 3, 4 and everything else.
  for (int index : {0, 2, 5, 6, 999}) marches[index] = march("m" + std::to_string(index), "u");

  compactMarchList(*state, 0);

  // Hole 1 takes the highest used record (999), hole 3 the next (6), hole 4 then takes 5.
  EXPECT_EQ(marches[0].orderText, "m0");
  EXPECT_EQ(marches[1].orderText, "m999");
  EXPECT_EQ(marches[2].orderText, "m2");
  EXPECT_EQ(marches[3].orderText, "m6");
  EXPECT_EQ(marches[4].orderText, "m5");
  for (int index = 5; index < kMarchCount; ++index) {
    ASSERT_EQ(marches[index], MarchRecord{}) << index;
  }
  EXPECT_EQ(state->marschliste[1][0], MarchRecord{});  // other factions untouched
}

TEST(MarchList, CompactionLeavesEveryReportTextInItsSlot) {
  auto state = makeCampaignState();
  auto& marches = state->marschliste[1];
  marches[0].reportText = "Verstaerkungstruppen von Terra sind angekommen.";  // ended march in front
  marches[1] = march("zweiter", "b");
  marches[2] = march("dritter", "c");
  marches[2].reportText = "Deine Verteidigungstruppen auf Luna haben gesiegt.";  // inside a used record
  marches[7].reportText = "Angriffstruppen von Luna wurden vernichtet.";          // past the end

  compactMarchList(*state, 1);

  // Hole 0 takes record 2 with its units, but each text stays where it was written.
  EXPECT_EQ(marches[0].orderText, "dritter");
  EXPECT_EQ(marches[0].units[0], "c");
  EXPECT_EQ(marches[0].arrivalRound, 5);
  EXPECT_EQ(marches[0].reportText, "Verstaerkungstruppen von Terra sind angekommen.");
  EXPECT_EQ(marches[1].orderText, "zweiter");
  EXPECT_TRUE(isFree(marches[2]));
  EXPECT_TRUE(marches[2].units[0].empty());
  EXPECT_EQ(marches[2].arrivalRound, 0);
  EXPECT_EQ(marches[2].reportText, "Deine Verteidigungstruppen auf Luna haben gesiegt.");
  EXPECT_EQ(marches[7].reportText, "Angriffstruppen von Luna wurden vernichtet.");
}

TEST(CampaignState, ClearingBattleRecordsEmptiesEveryRow) {
  auto state = makeCampaignState();
  state->eventslist[5][999] = BattleRecord{3, "  3 Gefecht", true, "Hauptplanet ", "Terra"};
  state->eventslist[0][0] = BattleRecord{1, "  1 Gefecht", false, "Aussenposten ", "Kap"};
  clearBattleRecords(*state);
  EXPECT_EQ(state->eventslist[5][999], BattleRecord{});
  EXPECT_EQ(state->eventslist[0][0], BattleRecord{});
}

}  // namespace
}  // namespace vaskorath
