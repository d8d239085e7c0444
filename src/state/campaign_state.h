// CampaignState: the one in-memory state of a campaign. About 4 MB fresh; always allocate it on the heap.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "state/capacities.h"
#include "state/records.h"

namespace vaskorath {

struct CampaignState {
  CampaignState();

  int anzahlspieler = 0;
  int runde = 1;
  int endrunde = 100;
  int i = 0;  // player whose turn is running
  int drawCounter = 0;
  int kampfz = 0;
  bool loadRequested = false;
  // Set for a run that started a new campaign: its first autosave keeps an existing
  // "autosave.txt" under another name. Not saved.
  bool keepPreviousAutosave = false;
  // Set when "chronik.log" could not be written: the players were warned once and the run goes
  // on without the chronicle. Not saved.
  bool chronicleUnavailable = false;
  // Set once a situation map could not be written: the players were warned, and later failures
  // pass without a word. Not saved.
  bool situationMapWarningShown = false;
  std::string heimatplanet1;
  std::string heimatplanet2;
  std::string heimatplanet3;
  std::string heimatplanet4;
  std::string heimatplanet5;
  std::array<int, kMaxPlayers> creditgabemenge{};
  std::array<int, kMaxPlayers> creditgabehinweis{};
  std::array<std::array<std::string, kInboxSize>, kMaxPlayers> spielernachrichten;

  std::array<FactionRecord, kFactionCount> spielerliste;
  RecordTable<LocationRecord, kLocationCount> planetenliste;
  std::array<RecordTable<MarchRecord, kMarchCount>, kFactionCount> marschliste;
  std::array<RecordTable<BattleRecord, kBattleCount>, kFactionCount> eventslist;
  std::array<IntelDatabase, kFactionCount> spionageliste;
  std::array<std::array<MercenaryOffer, kOfferCount>, kMaxPlayers> soeldnerliste;
  std::array<std::array<int, kMarchCount>, kFactionCount> spmarschliste{};
  EspionageResult espionageResult;

  // heimatplanet1 to heimatplanet5 by player index 0 to 4.
  std::string& heimatplanet(int player);
  const std::string& heimatplanet(int player) const;

  bool operator==(const CampaignState&) const = default;
};

// A fresh campaign with every initial value, on the heap.
std::unique_ptr<CampaignState> makeCampaignState();

// The round at which the campaign ends: its round limit, but no later than the round after the
// last one a save may hold (kMaxRound), so that every save of a campaign with a higher limit
// still loads. Rounds before it are played.
int finalRound(const CampaignState& state);

// Empties every battle record (number 0, texts empty, not fought).
void clearBattleRecords(CampaignState& state);

}  // namespace vaskorath
