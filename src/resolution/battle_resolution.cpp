// Battle resolution: participants, winner, losses of the marching troops, conquest and messages.
#include "resolution/battle_resolution.h"

#include <algorithm>
#include <vector>

#include "console/console.h"
#include "reports/chronicle.h"
#include "resolution/battle_losses.h"
#include "resolution/ended_marches.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

// The battle as the menu handed it over, with its location.
struct Battle {
  std::string label;  // kind word + location name
  LocationRecord& location;
};

// First location whose name is the battle's, with or without " (Heimatplanet)" on either side.
LocationRecord* findBattleLocation(CampaignState& state, const std::string& name) {
  if (name.empty()) return nullptr;
  for (LocationRecord& location : state.planetenliste) {
    if (namesMatch(location.name, name)) return &location;
  }
  return nullptr;
}

bool isRebelFaction(const FactionRecord& faction) { return faction.race == kRebelName; }

// The race grid the winner's units stand in at the location: the winner's race, for the rebels
// the race of the location's rebel garrison; -1 when that is none of the five.
int winnerGridRace(const FactionRecord& winner, const LocationRecord& location) {
  return isRebelFaction(winner) ? raceIndexByName(location.rebelRace) : raceIndexOf(winner);
}

// A march whose troops are listed in the battle: marching or discovered reconnaissance troops
// (reconnaissance that was not discovered stays hidden).
bool isListed(const MarchRecord& march, const Battle& battle, int runde) {
  return march.reconMode != "j" && participatesInBattle(march, battle.label, runde);
}

void printMarchingTroops(Console& console, const CampaignState& state, int faction, const Battle& battle) {
  bool printed = false;
  for (const MarchRecord& march : state.marschliste[faction]) {
    if (!isListed(march, battle, state.runde)) continue;
    const bool discovered = march.reconMode == "e";
    for (const TroopList::Unit& unit : march.units) {
      console.print("  ", unit.name, discovered ? " (entdeckte Aufklaerungstruppen)" : "", "\n");
      printed = true;
    }
  }
  if (!printed) console.write("  keine\n");
}

// The owner's garrison; the rebels' garrison may stand in all five race grids.
void printGarrison(Console& console, const FactionRecord& owner, int faction, const LocationRecord& location) {
  const int race = raceIndexOf(owner);
  forEachUnitBySlot(location, faction, [&](int, int grid, std::string_view unit) {
    if (isRebelFaction(owner) || grid == race) console.print("  ", unit, "\n");
  });
}

void showParticipants(Game& game, const Battle& battle) {
  const CampaignState& state = game.state;
  game.console.clearScreen();
  game.console.print("Gefecht auf ", battle.label, "!\n\nFolgende Truppen nehmen am Gefecht teil:\n",
                     std::string(40, '-'), "\n");
  for (int faction = 0; faction < kFactionCount; ++faction) {
    const FactionRecord& record = state.spielerliste[faction];
    if (record.playerName.empty()) continue;
    game.console.print("\n- Truppen von ", record.playerName, " -\n");
    if (battle.location.owner == record.playerName) {
      printGarrison(game.console, record, faction, battle.location);
    } else {
      printMarchingTroops(game.console, state, faction, battle);
    }
  }
  game.console.write("\n\nDie Schlacht kann nun beginnen (weiter nach Kampf mit Figuren)!\n");
}

// The factions that may win, in faction order: the owner of the location and every faction with
// a listed march.
std::vector<int> battleParticipants(const CampaignState& state, const Battle& battle) {
  const int owner = factionIndexByName(state, battle.location.owner);
  std::vector<int> participants;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (state.spielerliste[faction].playerName.empty()) continue;
    const auto& marches = state.marschliste[faction];
    const bool marched = std::any_of(marches.begin(), marches.end(), [&](const MarchRecord& march) {
      return isListed(march, battle, state.runde);
    });
    if (faction == owner || marched) participants.push_back(faction);
  }
  return participants;
}

// Asks until a participant's name is typed; returns its index.
int askWinner(Game& game, const std::vector<int>& participants) {
  const CampaignState& state = game.state;
  for (;;) {
    game.console.write("\nBitte den Sieger angeben: ");
    const std::string typed = game.console.readWord();
    std::string names;
    for (int faction : participants) {
      const std::string& name = state.spielerliste[faction].playerName;
      if (typed == name) return faction;
      names += (names.empty() ? "" : ", ") + name;
    }
    game.console.print("\nSieger kann nur ein Beteiligter sein: ", names, ".");
  }
}

// A message for a faction that has no march of its own in the battle: the first record without a
// message, but not one in use that arrives this round (its own battle result would overwrite it).
// Dropped when there is none.
void leaveMessage(CampaignState& state, int faction, const std::string& message) {
  for (MarchRecord& march : state.marschliste[faction]) {
    if (!march.reportText.empty()) continue;
    if (!march.orderText.empty() && march.arrivalRound == state.runde) continue;
    march.reportText = message;
    return;
  }
}

std::string lossMessage(const MarchRecord& march) {
  const std::string route = march.origin + " sind auf " + march.destination;
  if (march.reconMode == "e") {
    return "Erkundungstruppen von " + route + " entdeckt und im darauf folgenden Gefecht vernichtet worden!";
  }
  switch (orderKind(march.orderText)) {
    case OrderKind::kAttack: return "Angriffstruppen von " + route + " in einem Gefecht vernichtet worden!";
    case OrderKind::kMarch:
      return "Verstaerkungstruppen von " + route + " in ein Gefecht verwickelt und vernichtet worden!";
    default: return march.reportText;  // no other kind arises in play; it gets no message
  }
}

std::string victoryMessage(const MarchRecord& march) {
  const std::string route = march.origin + " sind auf " + march.destination;
  switch (orderKind(march.orderText)) {
    case OrderKind::kAttack: return "Angriffstruppen von " + route + " in einem Gefecht siegreich gewesen!";
    case OrderKind::kMarch:
      return "Verstaerkungstruppen von " + route + " in ein Gefecht verwickelt worden aber siegreich gewesen!";
    default: return march.reportText;  // discovered reconnaissance troops that win get none
  }
}

// The winner marched in: every other faction's garrison and the production there are gone.
void conquer(CampaignState& state, LocationRecord& location, const std::string& winnerName, bool rebelsWon) {
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (state.spielerliste[faction].playerName == winnerName) continue;
    for (auto& grid : location.troops) grid[faction].clear();
  }
  location.productionDueRound = 0;
  location.productionItem.fill(std::string());
  if (!rebelsWon) location.rebelRace.clear();
  location.owner = winnerName;
  location.battlePending = false;
  location.battleUnitCount = 0;
}

void moveInWinningTroops(Game& game, const Battle& battle, int winner, MarchRecord& march) {
  CampaignState& state = game.state;
  const FactionRecord& record = state.spielerliste[winner];
  LocationRecord& location = battle.location;
  march.reportText = victoryMessage(march);
  endMarchKeepingUnits(march);
  const int defender = factionIndexByName(state, location.owner);
  if (defender >= 0 && defender != winner) {
    leaveMessage(state, defender,
                 "Deine Verteidigungstruppen auf " + std::string(kindWord(location.kind)) + location.name +
                     " sind in einem Gefecht vernichtet worden!");
  }
  if (location.owner != record.playerName) conquer(state, location, record.playerName, isRebelFaction(record));
  const int race = winnerGridRace(record, location);
  // A unit that finds no free slot stays in the emptied record.
  if (race >= 0) moveUnits(march.units, location.troops[race][winner]);
  location.battlePending = false;
}

// Destroys the losers' marching troops and moves the winner's in; returns whether the winner marched.
bool applyResult(Game& game, const Battle& battle, int winner) {
  CampaignState& state = game.state;
  const std::string& winnerName = state.spielerliste[winner].playerName;
  bool winnerMarched = false;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    const bool isWinner = state.spielerliste[faction].playerName == winnerName;
    for (MarchRecord& march : state.marschliste[faction]) {
      if (!participatesInBattle(march, battle.label, state.runde)) continue;
      if (isWinner) {
        winnerMarched = true;
        moveInWinningTroops(game, battle, faction, march);
      } else if (march.reconMode.empty() || march.reconMode == "e") {
        march.reportText = lossMessage(march);
        endMarchWithUnits(march);
      }
    }
  }
  return winnerMarched;
}

void announceWinner(Game& game, const FactionRecord& winner) {
  game.console.clearScreen();
  if (isRebelFaction(winner)) {
    game.console.write("Die Rebellen haben die Schlacht gewonnen. Welch eine Schmach!\n\n");
  } else {
    game.console.print("Gut gemacht, ", winner.playerName, "! Du hast die Schlacht gewonnen.\n\n");
  }
  game.console.pause();
}

}  // namespace

bool participatesInBattle(const MarchRecord& march, std::string_view battleLabel, int runde) {
  return march.arrivalRound == runde && !march.orderText.empty() &&
         destinationMatchesLabel(march.destination, battleLabel);
}

void runBattle(Game& game, const std::string& locationKind, const std::string& locationName) {
  CampaignState& state = game.state;
  LocationRecord* location = findBattleLocation(state, locationName);
  if (location == nullptr) return;  // only a hand-made file names a location that does not exist
  const Battle battle{locationKind + locationName, *location};
  const std::vector<int> participants = battleParticipants(state, battle);
  if (participants.empty()) return;  // only a hand-made file has a battle without anybody in it

  showParticipants(game, battle);
  const int winner = askWinner(game, participants);
  const std::string previousOwner = location->owner;
  const bool winnerMarched = applyResult(game, battle, winner);
  const FactionRecord& record = state.spielerliste[winner];
  announceWinner(game, record);
  if (!winnerMarched) {
    const int defender = factionIndexByName(state, location->owner);
    if (defender >= 0) {
      leaveMessage(state, defender,
                   "Deine Verteidigungstruppen auf " + std::string(kindWord(location->kind)) + location->name +
                       " sind in einem Gefecht siegreich gewesen!");
    }
  }
  const int race = winnerGridRace(record, *location);
  const std::vector<std::string> destroyed =
      enterWinnerLosses(game, record.playerName, race >= 0 ? &location->troops[race][winner] : nullptr);
  const bool changedHands = location->owner != previousOwner;
  chronicleBattle(game, {battle.label, previousOwner, record.playerName, changedHands, destroyed});
}

}  // namespace vaskorath
