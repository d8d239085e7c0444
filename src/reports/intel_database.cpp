// Intelligence database entries made by reconnaissance and espionage.
#include "reports/intel_database.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "state/locations.h"

namespace vaskorath {

namespace {

static_assert(kMarchReportCount == kMarchCount, "a march report is keyed by the index of the march");

bool describes(const MarchReport& report, const std::string& text, int arrivalRound) {
  if (report.header.empty()) return false;
  return (report.briefText == text && report.briefArrivalRound == arrivalRound) ||
         (report.detailedText == text && report.detailedArrivalRound == arrivalRound);
}

// A march seen again after a compaction has another index, so its entry is found by content.
MarchReport& entryForMarch(std::array<MarchReport, kMarchReportCount>& reports, int marchIndex,
                           const std::string& text, int arrivalRound) {
  for (MarchReport& report : reports) {
    if (describes(report, text, arrivalRound)) return report;
  }
  MarchReport* entry = &reports[marchIndex];
  if (!entry->header.empty()) {
    const auto isFree = [](const MarchReport& report) { return report.header.empty(); };
    const auto free = std::find_if(reports.begin(), reports.end(), isFree);
    if (free != reports.end()) entry = &*free;
  }
  // Ageing leaves one text half in a freed entry; two marches must never mix.
  *entry = MarchReport{};
  return *entry;
}

}  // namespace

void recordTroopReport(LocationReport& report, const LocationRecord& location, int faction, int round) {
  report.header = "Zu " + std::string(kindWord(location.kind)) + location.name +
                  " konnten folgende Informationen gewonnen werden (letzter Bericht aus Runde " +
                  std::to_string(round) + "):";
  report.troops.clear();
  if (faction >= 0 && faction < kFactionCount) {
    // Each slot's entry is complete once the next slot's units begin.
    int slot = -1;
    std::string entry;
    forEachUnitBySlot(location, faction, [&](int unitSlot, int, std::string_view unit) {
      if (unitSlot != slot && slot >= 0) {
        report.troops.set(slot, entry);
        entry.clear();
      }
      slot = unitSlot;
      entry += "  ";
      entry += unit;
    });
    if (slot >= 0) report.troops.set(slot, entry);
  }
  report.expiryRound = round + 10;
}

void recordProductionReport(LocationReport& report, const LocationRecord& location) {
  report.productionText.clear();
  for (const std::string& item : location.productionItem) {
    if (item.empty()) continue;
    report.productionText += "  ";
    report.productionText += item;
  }
  if (report.productionText.empty()) {
    report.productionText = "  - keine Bauaktivitaeten -";
    report.productionDueRound = 0;  // an older round would announce the end of a production that is gone
  } else {
    report.productionDueRound = location.productionDueRound;
  }
}

void recordMarchSighting(IntelDatabase& database, int marchIndex, const MarchRecord& march,
                         const std::string& factionName, int round, bool detailed) {
  std::string text = "  Spieler: " + factionName + "   Herkunft: " + march.origin +
                     "   Ziel: " + march.destination + "   Ankunft in Runde: ";
  MarchReport& entry = entryForMarch(database.marchReports, marchIndex, text, march.arrivalRound);
  entry.header = "Folgende Informationen konnten zu einem Truppenmarsch (" + factionName +
                 ") gewonnen werden (letzter Bericht aus Runde " + std::to_string(round) + "):";
  if (detailed) {
    entry.detailedArrivalRound = march.arrivalRound;
    entry.detailedText = std::move(text);
    entry.troops = march.units;
  } else {
    entry.briefArrivalRound = march.arrivalRound;
    entry.briefText = std::move(text);
  }
}

}  // namespace vaskorath
