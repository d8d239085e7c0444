// The checked questions of the new campaign setup: each is asked again until the answer is valid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game.h"
#include "state/locations.h"

namespace vaskorath {

// Keeps count of the places in planetenliste that the setup has promised so far and of the
// location names typed so far, so that a location typed now but created later (on a summary
// screen) already counts.
class LocationLedger {
 public:
  // Starts from the locations the state already holds.
  explicit LocationLedger(const CampaignState& state);

  // Places of planetenliste not yet promised to any location.
  int freePlaces() const { return freePlaces_; }
  // Promises `count` places; requires count <= freePlaces().
  void reserve(int count) { freePlaces_ -= count; }
  // True when the name equals a known location name, with or without " (Heimatplanet)".
  bool isNameTaken(std::string_view name) const;
  // Remembers a location name typed in this setup.
  void addName(std::string_view name);

 private:
  int freePlaces_;
  std::vector<std::string> names_;
};

// Bounds of a count question: the count must lie in [minimum, maximum] and must not exceed
// the places still free.
struct CountLimits {
  int minimum;
  int maximum;
  int places;
};

// Shows the prompt and reads one key until it is one of `keys`; returns that key.
// `message` explains the valid keys when a wrong one is pressed.
char askKey(Console& console, std::string_view prompt, std::string_view keys, std::string_view message);

// Shows the prompt and reads a count within the limits.
int askCount(Console& console, std::string_view prompt, const CountLimits& limits);

// Shows the prompt and reads a map coordinate from 0 to 9999.
int askCoordinates(Console& console, std::string_view prompt);

// Shows the prompt and reads a location name of at most 40 characters that no earlier location
// has; the name is remembered in the ledger.
std::string askLocationName(Console& console, std::string_view prompt, LocationLedger& ledger);

// Shows the prompt and reads a player name of at most 40 characters for `player` that no other
// player has and that is neither "Rebellen" nor "0".
std::string askPlayerName(Console& console, std::string_view prompt, const CampaignState& state, int player);

// Shows the prompt and reads a whole number of at least 1.
int askPositiveNumber(Console& console, std::string_view prompt);

}  // namespace vaskorath
