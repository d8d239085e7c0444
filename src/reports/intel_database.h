// Entries of a player's intelligence database as reconnaissance troops and agents make them.
#pragma once

#include <string>

#include "state/campaign_state.h"

namespace vaskorath {

// Makes `report` the troop report on `location` made in `round`: a new header, one entry per
// troop slot with the units of `faction` in every race grid ("  " before each name) and the
// expiry ten rounds on. A faction outside 0..5 (an owner that is no faction) leaves all entries
// empty. The production part is not touched.
void recordTroopReport(LocationReport& report, const LocationRecord& location, int faction, int round);

// Replaces the production part of `report` with what is being built at `location` now: the items
// in race order, or "  - keine Bauaktivitaeten -" with no completion round when nothing is built.
void recordProductionReport(LocationReport& report, const LocationRecord& location);

// Records a sighting of the march at index `marchIndex` (0..999) of the faction named
// `factionName`, in `round`, as a brief or a detailed report. Each sighted march keeps one
// entry: the one that already describes it, else entry `marchIndex` when free, else the first
// free one, else entry `marchIndex`; an entry taken for another march is cleared first.
void recordMarchSighting(IntelDatabase& database, int marchIndex, const MarchRecord& march,
                         const std::string& factionName, int round, bool detailed);

}  // namespace vaskorath
