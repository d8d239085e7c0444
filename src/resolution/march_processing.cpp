// Mercenary delivery and reinforcement arrivals.
#include "resolution/march_processing.h"

#include <string>

#include "resolution/ended_marches.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

LocationRecord* findHomePlanet(CampaignState& state, int player) {
  const std::string& name = state.heimatplanet(player);
  if (name.empty()) return nullptr;
  for (LocationRecord& location : state.planetenliste) {
    if (location.name == name) return &location;
  }
  return nullptr;
}

// The troop list a player's delivered mercenaries join, or nullptr when the player no longer
// holds the home planet or plays no known race.
TroopList* deliveryTarget(CampaignState& state, int player) {
  const FactionRecord& faction = state.spielerliste[player];
  LocationRecord* home = findHomePlanet(state, player);
  const int race = raceIndexOf(faction);
  if (home == nullptr || faction.playerName.empty() || home->owner != faction.playerName || race < 0) {
    return nullptr;
  }
  return &home->troops[race][player];
}

// A location's label, and the label with " (Heimatplanet)" once more, which reinforcements accept too.
struct ArrivalLabels {
  std::string label;
  std::string withSuffix;
};

bool arrivesAt(const MarchRecord& march, const ArrivalLabels& labels, int runde) {
  if (march.arrivalRound != runde) return false;
  return destinationMatchesLabel(march.destination, labels.label) || march.destination == labels.withSuffix;
}

std::string arrivalMessage(const MarchRecord& march) {
  std::string message =
      "Verstaerkungstruppen von " + march.origin + " sind diese Runde auf " + march.destination + " eingetroffen!";
  switch (orderKind(march.orderText)) {
    case OrderKind::kAttack:
      message += " Diese waren urspruenglich Angriffstruppen.";
      break;
    case OrderKind::kReconnaissance:
      message += " Diese waren urspruenglich Erkundungstruppen.";
      break;
    default:
      if (isReturningReconnaissance(march.orderText)) message += " Es sind zurueckkehrende Erkundungstruppen.";
      break;
  }
  return message;
}

void arrive(MarchRecord& march, TroopList* garrison) {
  march.reportText = arrivalMessage(march);
  if (garrison != nullptr) moveUnits(march.units, *garrison);
  endMarchKeepingUnits(march);
}

}  // namespace

void deliverMercenaries(Game& game) {
  CampaignState& state = game.state;
  for (int player = 0; player < kMaxPlayers; ++player) {
    TroopList* target = deliveryTarget(state, player);
    for (MercenaryOffer& offer : state.soeldnerliste[player]) {
      if (!offer.hired || offer.deliveryCountdown != 0) continue;
      // Tried again after the next renewal, which counts the 1 down to 0.
      if (target == nullptr || !addUnit(*target, offer.unitName)) offer.deliveryCountdown = 1;
    }
  }
}

void processArrivals(Game& game, const MarchScan& scan) {
  CampaignState& state = game.state;
  for (LocationRecord& location : state.planetenliste) {
    location.battleUnitCount = 0;
    ArrivalLabels labels{locationLabel(location), {}};
    labels.withSuffix = labels.label + std::string(kHomePlanetSuffix);
    for (int faction = 0; faction < kFactionCount; ++faction) {
      const FactionRecord& owner = state.spielerliste[faction];
      if (owner.playerName.empty() || location.owner != owner.playerName) continue;
      const int race = raceIndexOf(owner);
      TroopList* garrison = race >= 0 ? &location.troops[race][faction] : nullptr;
      forEachScannedMarch(state, scan, faction, [&](MarchRecord& march) {
        if (arrivesAt(march, labels, state.runde)) arrive(march, garrison);
      });
    }
  }
}

}  // namespace vaskorath
