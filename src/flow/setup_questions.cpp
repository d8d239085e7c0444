// Checked setup questions: the rules for counts, coordinates and names, with their messages.
#include "flow/setup_questions.h"

#include "console/console.h"
#include "state/campaign_state.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr int kHighestCoordinate = 9999;
// Names are shown on many screens, some on every key of a menu; a typed one has this many
// characters at most.
constexpr std::size_t kMaxNameLength = 40;

std::string_view withoutHomePlanetSuffix(std::string_view name) {
  if (name.ends_with(kHomePlanetSuffix)) name.remove_suffix(kHomePlanetSuffix.size());
  return name;
}

// A typed answer was refused: the message on a line of its own, then the same question again.
// Typed words end with Enter, which already started a new line on the terminal.
void refuseTypedAnswer(Console& console, std::string_view message, std::string_view prompt) {
  console.print(message, "\n", prompt);
}

// Campaigns hold at most 100 locations in all.
std::string freePlacesMessage(int places) {
  if (places == 0) return "Es ist kein Platz fuer Planeten und Aussenposten mehr frei.";
  if (places == 1) return "Es ist nur noch 1 Platz fuer Planeten und Aussenposten frei.";
  return "Es sind nur noch " + std::to_string(places) + " Plaetze fuer Planeten und Aussenposten frei.";
}

// Reads a name (after the prompt is shown) until it is short enough.
std::string readName(Console& console, std::string_view prompt) {
  for (;;) {
    std::string name = console.readWord();
    if (console.textWidth(name) <= kMaxNameLength) return name;
    refuseTypedAnswer(console, "Bitte hoechstens 40 Zeichen eingeben.", prompt);
  }
}

}  // namespace

LocationLedger::LocationLedger(const CampaignState& state) : freePlaces_(kLocationCount) {
  for (const LocationRecord& location : state.planetenliste) {
    if (!location.inUse) continue;
    --freePlaces_;
    names_.push_back(location.name);
  }
}

bool LocationLedger::isNameTaken(std::string_view name) const {
  const std::string_view wanted = withoutHomePlanetSuffix(name);
  for (const std::string& known : names_) {
    if (withoutHomePlanetSuffix(known) == wanted) return true;
  }
  return false;
}

void LocationLedger::addName(std::string_view name) { names_.emplace_back(name); }

char askKey(Console& console, std::string_view prompt, std::string_view keys, std::string_view message) {
  console.write(prompt);
  for (;;) {
    const char key = console.readKey();
    if (keys.find(key) != std::string_view::npos) return key;
    // A key is read without echo, so the cursor still stands behind the prompt.
    console.print("\n", message, "\n", prompt);
  }
}

int askCount(Console& console, std::string_view prompt, const CountLimits& limits) {
  console.write(prompt);
  for (;;) {
    const int count = console.readNumber();
    if (count < limits.minimum || count > limits.maximum) {
      const std::string message = "Bitte eine Zahl von " + std::to_string(limits.minimum) + " bis " +
                                  std::to_string(limits.maximum) + " eingeben.";
      refuseTypedAnswer(console, message, prompt);
    } else if (count > limits.places) {
      refuseTypedAnswer(console, freePlacesMessage(limits.places), prompt);
    } else {
      return count;
    }
  }
}

int askCoordinates(Console& console, std::string_view prompt) {
  console.write(prompt);
  for (;;) {
    const int coordinates = console.readNumber();
    if (coordinates >= 0 && coordinates <= kHighestCoordinate) return coordinates;
    refuseTypedAnswer(console, "Bitte eine Zahl von 0 bis 9999 eingeben.", prompt);
  }
}

std::string askLocationName(Console& console, std::string_view prompt, LocationLedger& ledger) {
  console.write(prompt);
  for (;;) {
    std::string name = readName(console, prompt);
    if (!ledger.isNameTaken(name)) {
      ledger.addName(name);
      return name;
    }
    // Orders and reports find a location by its name, so two locations must never share one.
    refuseTypedAnswer(console, "Dieser Name ist bereits vergeben.", prompt);
  }
}

std::string askPlayerName(Console& console, std::string_view prompt, const CampaignState& state, int player) {
  console.write(prompt);
  for (;;) {
    std::string name = readName(console, prompt);
    bool taken = false;
    for (int other = 0; other < kMaxPlayers; ++other) {
      if (other != player && state.spielerliste[other].playerName == name) taken = true;
    }
    if (taken) {
      refuseTypedAnswer(console, "Dieser Name ist bereits vergeben.", prompt);
    } else if (name == kRebelName || name == "0") {
      // "Rebellen" names the rebels' faction, and "0" cancels the choice of a player elsewhere.
      refuseTypedAnswer(console, "Dieser Name ist nicht erlaubt.", prompt);
    } else {
      return name;
    }
  }
}

int askPositiveNumber(Console& console, std::string_view prompt) {
  console.write(prompt);
  for (;;) {
    const int number = console.readNumber();
    if (number >= 1) return number;
    refuseTypedAnswer(console, "Bitte eine Zahl von mindestens 1 eingeben.", prompt);
  }
}

}  // namespace vaskorath
