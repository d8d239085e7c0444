// The draws of reconnaissance at the target and the return trip.
#include "resolution/reconnaissance.h"

#include <algorithm>
#include <string>
#include <utility>

#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/random.h"

namespace vaskorath {

namespace {

void turnBack(MarchRecord& march, int runde) {
  // A duration of 0 from an old file would bring the troops back in a round that is already over.
  march.arrivalRound = runde + std::max(1, march.duration);
  march.visibilityScore = 0;
  std::swap(march.origin, march.destination);
  march.orderText = "Marschbefehl: Folgende Erkundungstruppen bewegen sich von " + march.origin +
                    " zurueck nach " + march.destination + " (Ankunft in Runde " +
                    std::to_string(march.arrivalRound) + ").";
}

}  // namespace

bool resolveReconnaissance(Game& game, MarchRecord& march, const LocationRecord& target) {
  CampaignState& state = game.state;
  int units = countUnits(march.units);
  // The draws are made in this order: discovery, then the result code.
  const int discoveryDraw = game.random.nextDigit(state.drawCounter);
  if (units == 0) units = 1;
  const int discoveryBound = march.visibilityScore / units + units - 3;
  const bool discovered = discoveryDraw < discoveryBound && countOccupiedPositions(target) > 0;
  if (discovered) {
    state.drawCounter += 1;
    march.reconMode = "e";
    march.visibilityScore = 0;
  }
  state.drawCounter += 1;
  const int resultDraw = game.random.nextDigit(state.drawCounter);
  if (discovered) return true;
  state.drawCounter += 1;
  if (resultDraw < 2 * units) {
    march.reconMode = game.random.nextDigit(resultDraw) >= 5 ? "s" : "a";
  } else {
    march.reconMode = "v";
  }
  turnBack(march, state.runde);
  return false;
}

}  // namespace vaskorath
