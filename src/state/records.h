// The record types of the campaign state, fields in their documented order.
#pragma once

#include <array>
#include <string>

#include "state/capacities.h"
#include "state/troop_list.h"

namespace vaskorath {

// One player (index 0 to 4) or the rebels (index 5).
struct FactionRecord {
  int number = 0;  // player number f + 1; the rebels keep 0
  std::string playerName;  // empty: not in play or eliminated
  std::string race;        // race name, "Rebellen" for the rebels
  int mainPlanetCount = 0;
  std::array<std::string, kMaxMainPlanets> mainPlanetNames;  // setup only, not saved
  std::array<int, kMaxMainPlanets> mainPlanetCoords{};       // setup only, not saved
  int outpostCount = 0;
  std::array<std::string, kMaxOutposts> outpostNames;        // setup only, not saved
  std::array<int, kMaxOutposts> outpostCoords{};             // setup only, not saved
  int credits = 0;
  std::array<int, kFactionCount> agents{};  // own index: home service; other index: spies placed there
  int status = 0;                           // 0 not in play, 1 in play, 2 eliminated

  bool operator==(const FactionRecord&) const = default;
};

inline constexpr int kKindNone = 0;
inline constexpr int kKindOutpost = 1;
inline constexpr int kKindMainPlanet = 2;

// A planet or outpost.
struct LocationRecord {
  bool battlePending = false;
  bool inUse = false;
  std::string name;  // a home planet's name ends in " (Heimatplanet)"
  int coordinates = 0;
  std::string owner;      // playerName of the controlling faction, or "Rebellen"
  std::string rebelRace;  // race of a rebel garrison
  int fortificationLevel = 1;
  int kind = kKindNone;
  int battleUnitCount = 0;
  std::array<std::array<TroopList, kFactionCount>, kRaceCount> troops;  // [race][faction][slot]
  std::array<std::string, kRaceCount> productionItem;
  int productionDueRound = 0;  // 0: nothing is being built

  bool operator==(const LocationRecord&) const = default;
};

// One order of a faction: troops on the way.
struct MarchRecord {
  std::string orderText;  // empty: free record
  std::string origin;
  std::string destination;
  std::string reconMode;
  int visibilityScore = 0;
  int duration = 0;
  int arrivalRound = 0;
  TroopList units;
  int reservedNumber = 0;    // always 0, kept in the save file
  std::string reservedText;  // always empty, kept in the save file
  std::string reportText;    // message for the owner's next round report

  bool operator==(const MarchRecord&) const = default;
};

// One battle of the current round.
struct BattleRecord {
  int number = 0;  // 0: free
  std::string label;
  bool fought = false;
  std::string locationKind;
  std::string locationName;

  bool operator==(const BattleRecord&) const = default;
};

// What a faction knows about the location of the same index.
struct LocationReport {
  std::string header;  // empty: no entry
  int expiryRound = 0;
  TroopList troops;
  int productionDueRound = 0;
  std::string productionText;

  bool operator==(const LocationReport&) const = default;
};

// What a faction knows about the march of the same index of an observed faction.
struct MarchReport {
  int briefArrivalRound = 0;
  std::string briefText;
  int detailedArrivalRound = 0;
  std::string detailedText;
  TroopList troops;
  std::string header;  // empty: no entry

  bool operator==(const MarchReport&) const = default;
};

// A fixed table of records that a copy assigns only where a record differs: most records of a
// campaign are empty in both tables, and comparing an empty record costs a fraction of copying its
// texts one by one. Every fuzz input starts from a copy of a whole campaign.
template <typename Record, std::size_t Size>
struct RecordTable : std::array<Record, Size> {
  RecordTable() = default;
  RecordTable(const RecordTable&) = default;
  RecordTable(RecordTable&&) noexcept = default;
  RecordTable& operator=(RecordTable&&) noexcept = default;
  RecordTable& operator=(const RecordTable& other) {
    for (std::size_t index = 0; index < Size; ++index) {
      if (!((*this)[index] == other[index])) (*this)[index] = other[index];
    }
    return *this;
  }
};

struct IntelDatabase {
  RecordTable<LocationReport, kLocationReportCount> locationReports;
  RecordTable<MarchReport, kMarchReportCount> marchReports;

  bool operator==(const IntelDatabase&) const = default;
};

struct MercenaryOffer {
  std::string unitName;
  int price = 0;
  int deliveryCountdown = 0;
  bool hired = false;

  bool operator==(const MercenaryOffer&) const = default;
};

// Results of the espionage resolution of the current round; not saved.
struct EspionageResult {
  std::array<int, kFactionCount> offagenttot{};
  std::array<int, kFactionCount> devagenttot{};
  std::array<int, kFactionCount> feindoffagentkill{};
  std::array<int, kFactionCount> feinddevagentkill{};
  std::array<std::string, kFactionCount> feinddevagentkillname;
  std::array<std::string, kFactionCount> devagentkiller;
  std::array<std::string, kFactionCount> offagentkiller;

  bool operator==(const EspionageResult&) const = default;
};

// The kind word that names a location in texts: "Aussenposten " for outposts, else "Hauptplanet ".
inline const char* kindWord(int kind) { return kind == kKindOutpost ? "Aussenposten " : "Hauptplanet "; }

}  // namespace vaskorath
