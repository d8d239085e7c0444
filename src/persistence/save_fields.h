// The order of the fields in a save file, written down once: the writer and the reader both walk it.
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <type_traits>

#include "state/campaign_state.h"

namespace vaskorath {

// Lines of each block of a save file. The file has no header and no counts, so these numbers are
// the whole format check a reader can make before it looks at a single value.
inline constexpr int kLinesPerLocation = 6020;  // 5 inbox messages, 15 fields, 5 troop grids of 1,200
inline constexpr int kLocationBlockLines = kLocationCount * kLinesPerLocation;
inline constexpr int kLinesPerFaction = 13;
inline constexpr int kFactionBlockLines = kFactionCount * kLinesPerFaction;
inline constexpr int kLinesPerOffer = 4;
inline constexpr int kOfferBlockLines = kMaxPlayers * kOfferCount * kLinesPerOffer;
inline constexpr int kLinesPerMarchIndex = 421;      // march, battle record, march report, counter
inline constexpr int kLinesPerLocationReport = 204;  // only for the first 100 march indices
inline constexpr int kMarchBlockLines =
    kFactionCount * (kMarchCount * kLinesPerMarchIndex + kLocationReportCount * kLinesPerLocationReport);
inline constexpr int kScalarBlockLines = 11;
inline constexpr int kSaveFileLines =
    kLocationBlockLines + kFactionBlockLines + kOfferBlockLines + kMarchBlockLines + kScalarBlockLines;

// The format interleaves tables by index: inbox message l goes with location l; march j, battle j,
// march report j and location report j of a faction share one stretch of lines.
static_assert(kInboxSize == kLocationCount);
static_assert(kBattleCount == kMarchCount && kMarchReportCount == kMarchCount);
static_assert(kLocationReportCount <= kMarchCount);

// The values a number line may hold. The game uses these numbers as indices, counts, loop bounds
// and in arithmetic, so a value no campaign written by the program can reach is refused like a
// malformed line. The limits are generous, so that files of existing campaigns load.
struct ValueRange {
  int minimum;
  int maximum;

  constexpr bool contains(int value) const { return value >= minimum && value <= maximum; }
};

inline constexpr ValueRange kAnyNumber{INT_MIN, INT_MAX};
// A save is only ever written in a battle phase, which rounds 2 to endrunde - 1 have, and never
// after kMaxRound, the campaign's last round.
inline constexpr ValueRange kCurrentRound{2, kMaxRound};
inline constexpr ValueRange kRoundLimit{3, INT_MAX};
// A round stored in a record (arrival, completion, expiry); 0 means none. Play stores at most
// kMaxRound plus the longest march duration.
inline constexpr ValueRange kStoredRound{0, kMaxRound + 100'000'000};
// March durations: coordinates are free numbers in old files, so a duration can be large; any two
// 32-bit coordinates give at most 21,474,836.
inline constexpr ValueRange kDuration{0, 25'000'000};
inline constexpr ValueRange kPlayerCount{2, kMaxPlayers};
inline constexpr ValueRange kTurnIndex{0, kFactionCount};  // the turn loop can leave it at 6
inline constexpr ValueRange kBattleNumber{0, kBattleCount};
inline constexpr ValueRange kDrawCounter{0, 100'000'000};
inline constexpr ValueRange kLocationKind{kKindNone, kKindMainPlanet};
inline constexpr ValueRange kFactionStatus{0, 2};
inline constexpr ValueRange kFortificationLevel{0, kMaxFortificationLevel};
inline constexpr ValueRange kBattleUnitCount{0, 10'000'000};
inline constexpr ValueRange kLocationCountField{0, kLocationCount};
inline constexpr ValueRange kAgentCount{0, kMaxAgents};
inline constexpr ValueRange kVisibilityScore{0, 1'000'000};
inline constexpr ValueRange kDeliveryCountdown{0, 1000};
inline constexpr ValueRange kPrice{0, INT_MAX};

// A visitor has text(s), number(n, range) and flag(b), and may have troops(list); it receives
// references into `state`, so the same walk serves a const state (writer, checker) and a mutable
// one (loader). State is CampaignState or const CampaignState. Only the checking visitor looks at
// the range.

// One troop list: slots 0 to 199, one text line each. A visitor with troops(list) takes the whole
// list at once; any other sees each slot as a text of its own.
template <typename List, typename Visitor>
void walkTroopList(List& list, Visitor& visit) {
  if constexpr (requires { visit.troops(list); }) {
    visit.troops(list);
  } else {
    std::array<std::string, kTroopSlots> texts;
    for (const TroopList::Unit& unit : list) texts[unit.slot] = unit.name;
    for (std::string& text : texts) visit.text(text);
    if constexpr (!std::is_const_v<List>) {
      std::array<std::string_view, kTroopSlots> views;
      std::copy(texts.begin(), texts.end(), views.begin());
      list.assign(views);
    }
  }
}

// The troop grid of one race at a location: factions 0 to 5.
template <typename Location, typename Visitor>
void walkTroopGrid(Location& location, int race, Visitor& visit) {
  for (auto& factionTroops : location.troops[race]) walkTroopList(factionTroops, visit);
}

// Block 1: per location, five inbox messages of that index, then the location's fields.
template <typename State, typename Visitor>
void walkLocationBlock(State& state, Visitor& visit) {
  for (int index = 0; index < kLocationCount; ++index) {
    for (int player = 0; player < kMaxPlayers; ++player) visit.text(state.spielernachrichten[player][index]);
    auto& location = state.planetenliste[index];
    visit.number(location.fortificationLevel, kFortificationLevel);
    visit.text(location.owner);
    visit.flag(location.inUse);
    visit.number(location.productionDueRound, kStoredRound);
    visit.number(location.kind, kLocationKind);
    walkTroopGrid(location, 0, visit);
    visit.text(location.productionItem[0]);
    visit.flag(location.battlePending);
    visit.number(location.battleUnitCount, kBattleUnitCount);
    visit.number(location.coordinates, kAnyNumber);
    visit.text(location.name);
    walkTroopGrid(location, 3, visit);
    visit.text(location.productionItem[3]);
    walkTroopGrid(location, 4, visit);
    visit.text(location.productionItem[4]);
    visit.text(location.rebelRace);
    walkTroopGrid(location, 1, visit);
    visit.text(location.productionItem[1]);
    walkTroopGrid(location, 2, visit);
    visit.text(location.productionItem[2]);
  }
}

// Block 2: the saved fields of each faction record; the setup lists are not saved.
template <typename State, typename Visitor>
void walkFactionBlock(State& state, Visitor& visit) {
  for (auto& faction : state.spielerliste) {
    for (auto& agents : faction.agents) visit.number(agents, kAgentCount);
    visit.number(faction.credits, kAnyNumber);
    visit.text(faction.race);
    visit.text(faction.playerName);
    visit.number(faction.number, kAnyNumber);
    visit.number(faction.status, kFactionStatus);
    visit.number(faction.outpostCount, kLocationCountField);
    visit.number(faction.mainPlanetCount, kLocationCountField);
  }
}

// Block 3: the mercenary offers of players 0 to 4.
template <typename State, typename Visitor>
void walkOfferBlock(State& state, Visitor& visit) {
  for (auto& offers : state.soeldnerliste) {
    for (auto& offer : offers) {
      visit.number(offer.deliveryCountdown, kDeliveryCountdown);
      visit.flag(offer.hired);
      visit.text(offer.unitName);
      visit.number(offer.price, kPrice);
    }
  }
}

// One observed march in the intelligence database.
template <typename Report, typename Visitor>
void walkMarchReport(Report& report, Visitor& visit) {
  visit.text(report.detailedText);
  visit.number(report.detailedArrivalRound, kStoredRound);
  visit.text(report.header);
  walkTroopList(report.troops, visit);
  visit.text(report.briefText);
  visit.number(report.briefArrivalRound, kStoredRound);
}

// One observed location in the intelligence database.
template <typename Report, typename Visitor>
void walkLocationReport(Report& report, Visitor& visit) {
  visit.text(report.header);
  visit.number(report.productionDueRound, kStoredRound);
  visit.text(report.productionText);
  walkTroopList(report.troops, visit);
  visit.number(report.expiryRound, kStoredRound);
}

// March index j of a faction: march j, battle record j, march report j, location report j (for the
// first 100 indices only) and the spmarschliste entry j.
template <typename State, typename Visitor>
void walkMarchIndex(State& state, int faction, int index, Visitor& visit) {
  auto& march = state.marschliste[faction][index];
  visit.number(march.arrivalRound, kStoredRound);
  visit.text(march.reportText);
  visit.number(march.duration, kDuration);
  visit.number(march.visibilityScore, kVisibilityScore);
  visit.text(march.reconMode);
  visit.text(march.reservedText);
  visit.number(march.reservedNumber, kAnyNumber);
  visit.text(march.origin);
  walkTroopList(march.units, visit);
  visit.text(march.destination);
  visit.text(march.orderText);
  auto& battle = state.eventslist[faction][index];
  visit.flag(battle.fought);
  visit.text(battle.label);
  visit.number(battle.number, kBattleNumber);
  visit.text(battle.locationName);
  visit.text(battle.locationKind);
  auto& intel = state.spionageliste[faction];
  walkMarchReport(intel.marchReports[index], visit);
  if (index < kLocationReportCount) walkLocationReport(intel.locationReports[index], visit);
  visit.number(state.spmarschliste[faction][index], kAnyNumber);
}

// Block 4: every march index of factions 0 to 5. Most indices of a campaign hold nothing at all: a
// visitor with restingMarchIndices(state, faction, index) may take a run of such indices from
// `index` on in one step and returns how many it took; none has this one walked field by field.
template <typename State, typename Visitor>
void walkMarchBlock(State& state, Visitor& visit) {
  for (int faction = 0; faction < kFactionCount; ++faction) {
    for (int index = 0; index < kMarchCount;) {
      if constexpr (requires { visit.restingMarchIndices(state, faction, index); }) {
        if (const int taken = visit.restingMarchIndices(state, faction, index); taken > 0) {
          index += taken;
          continue;
        }
      }
      walkMarchIndex(state, faction, index, visit);
      ++index;
    }
  }
}

// Block 5: the home planet names and the scalars of the campaign.
template <typename State, typename Visitor>
void walkScalarBlock(State& state, Visitor& visit) {
  for (int player = 0; player < kMaxPlayers; ++player) visit.text(state.heimatplanet(player));
  visit.number(state.i, kTurnIndex);
  visit.number(state.runde, kCurrentRound);
  visit.number(state.endrunde, kRoundLimit);
  visit.number(state.drawCounter, kDrawCounter);
  visit.number(state.anzahlspieler, kPlayerCount);
  visit.number(state.kampfz, kBattleNumber);
}

// The whole save file, field by field in file order.
template <typename State, typename Visitor>
void walkSaveFields(State& state, Visitor& visit) {
  walkLocationBlock(state, visit);
  walkFactionBlock(state, visit);
  walkOfferBlock(state, visit);
  walkMarchBlock(state, visit);
  walkScalarBlock(state, visit);
}

}  // namespace vaskorath
