// The order of the fields in a save file, written down once: the writer and the reader both walk it.
#pragma once

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

// A visitor has text(s), number(n) and flag(b); it receives references into `state`, so the same
// walk serves a const state (writer, checker) and a mutable one (loader). State is CampaignState
// or const CampaignState.

// Every slot of the troop grid of one race at a location: factions 0 to 5, slots 0 to 199 each.
template <typename Location, typename Visitor>
void walkTroopGrid(Location& location, int race, Visitor& visit) {
  for (auto& factionTroops : location.troops[race]) {
    for (auto& slot : factionTroops) visit.text(slot);
  }
}

// Block 1: per location, five inbox messages of that index, then the location's fields.
template <typename State, typename Visitor>
void walkLocationBlock(State& state, Visitor& visit) {
  for (int index = 0; index < kLocationCount; ++index) {
    for (int player = 0; player < kMaxPlayers; ++player) visit.text(state.spielernachrichten[player][index]);
    auto& location = state.planetenliste[index];
    visit.number(location.fortificationLevel);
    visit.text(location.owner);
    visit.flag(location.inUse);
    visit.number(location.productionDueRound);
    visit.number(location.kind);
    walkTroopGrid(location, 0, visit);
    visit.text(location.productionItem[0]);
    visit.flag(location.battlePending);
    visit.number(location.battleUnitCount);
    visit.number(location.coordinates);
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
    for (auto& agents : faction.agents) visit.number(agents);
    visit.number(faction.credits);
    visit.text(faction.race);
    visit.text(faction.playerName);
    visit.number(faction.number);
    visit.number(faction.status);
    visit.number(faction.outpostCount);
    visit.number(faction.mainPlanetCount);
  }
}

// Block 3: the mercenary offers of players 0 to 4.
template <typename State, typename Visitor>
void walkOfferBlock(State& state, Visitor& visit) {
  for (auto& offers : state.soeldnerliste) {
    for (auto& offer : offers) {
      visit.number(offer.deliveryCountdown);
      visit.flag(offer.hired);
      visit.text(offer.unitName);
      visit.number(offer.price);
    }
  }
}

// One observed march in the intelligence database.
template <typename Report, typename Visitor>
void walkMarchReport(Report& report, Visitor& visit) {
  visit.text(report.detailedText);
  visit.number(report.detailedArrivalRound);
  visit.text(report.header);
  for (auto& slot : report.troops) visit.text(slot);
  visit.text(report.briefText);
  visit.number(report.briefArrivalRound);
}

// One observed location in the intelligence database.
template <typename Report, typename Visitor>
void walkLocationReport(Report& report, Visitor& visit) {
  visit.text(report.header);
  visit.number(report.productionDueRound);
  visit.text(report.productionText);
  for (auto& slot : report.troops) visit.text(slot);
  visit.number(report.expiryRound);
}

// Block 4: per faction and index j, march j, battle record j, march report j, location report j
// (for the first 100 indices only) and the spmarschliste entry j.
template <typename State, typename Visitor>
void walkMarchBlock(State& state, Visitor& visit) {
  for (int faction = 0; faction < kFactionCount; ++faction) {
    auto& intel = state.spionageliste[faction];
    for (int index = 0; index < kMarchCount; ++index) {
      auto& march = state.marschliste[faction][index];
      visit.number(march.arrivalRound);
      visit.text(march.reportText);
      visit.number(march.duration);
      visit.number(march.visibilityScore);
      visit.text(march.reconMode);
      visit.text(march.reservedText);
      visit.number(march.reservedNumber);
      visit.text(march.origin);
      for (auto& slot : march.units) visit.text(slot);
      visit.text(march.destination);
      visit.text(march.orderText);
      auto& battle = state.eventslist[faction][index];
      visit.flag(battle.fought);
      visit.text(battle.label);
      visit.number(battle.number);
      visit.text(battle.locationName);
      visit.text(battle.locationKind);
      walkMarchReport(intel.marchReports[index], visit);
      if (index < kLocationReportCount) walkLocationReport(intel.locationReports[index], visit);
      visit.number(state.spmarschliste[faction][index]);
    }
  }
}

// Block 5: the home planet names and the scalars of the campaign.
template <typename State, typename Visitor>
void walkScalarBlock(State& state, Visitor& visit) {
  for (int player = 0; player < kMaxPlayers; ++player) visit.text(state.heimatplanet(player));
  visit.number(state.i);
  visit.number(state.runde);
  visit.number(state.endrunde);
  visit.number(state.drawCounter);
  visit.number(state.anzahlspieler);
  visit.number(state.kampfz);
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
