// Espionage resolution and the results blocks of the round report.
#include "reports/espionage.h"

#include <array>
#include <string>

#include "console/console.h"
#include "reports/espionage_findings.h"
#include "reports/espionage_rolls.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

// Which pairs already stand in a name list this round, so each faction is named once.
using NamedPairs = std::array<std::array<bool, kFactionCount>, kFactionCount>;

void addName(std::string& list, const std::string& name) {
  if (!list.empty()) list += ", ";
  list += name;
}

bool bothInCampaign(const CampaignState& state, int first, int second) {
  return !state.spielerliste[first].playerName.empty() && !state.spielerliste[second].playerName.empty();
}

// The home service of `defender` catches one agent of `spy` placed there, if there is one.
void catchSpy(CampaignState& state, int defender, int spy, NamedPairs& named) {
  int& placed = state.spielerliste[spy].agents[defender];
  if (placed < 1 || !bothInCampaign(state, defender, spy)) return;
  EspionageResult& result = state.espionageResult;
  --placed;
  ++result.offagenttot[spy];
  ++result.feindoffagentkill[defender];
  if (!named[spy][defender]) addName(result.offagentkiller[spy], state.spielerliste[defender].playerName);
  named[spy][defender] = true;
}

// Every home-service agent of every faction watches once for the spies of each faction.
void catchSpies(Game& game) {
  CampaignState& state = game.state;
  NamedPairs named{};
  for (int defender = 0; defender < kFactionCount; ++defender) {
    for (int spy = 0; spy < kFactionCount; ++spy) {
      const int watches = state.spielerliste[defender].agents[defender];
      for (int pass = 0; pass < watches; ++pass) {
        drawDigit(game);
        // The pass against the own faction rolls like the others and only catches nobody.
        const bool caught = rollUnder(game, 1);
        if (caught && spy != defender) {
          drawDigit(game);
          catchSpy(state, defender, spy, named);
        }
        drawDigit(game);
      }
    }
  }
}

// A spy of `spy` kills one home-service agent of `target`, if there is one.
void killHomeAgent(CampaignState& state, int spy, int target, NamedPairs& named) {
  int& homeService = state.spielerliste[target].agents[target];
  if (homeService < 1 || !bothInCampaign(state, spy, target)) return;
  EspionageResult& result = state.espionageResult;
  --homeService;
  ++result.devagenttot[target];
  ++result.feinddevagentkill[spy];
  if (!named[spy][target]) {
    addName(result.feinddevagentkillname[spy], state.spielerliste[target].playerName);
    addName(result.devagentkiller[target], state.spielerliste[spy].playerName);
  }
  named[spy][target] = true;
}

// Every agent of every faction, abroad or at home, gets one chance per round.
void killHomeAgents(Game& game) {
  CampaignState& state = game.state;
  NamedPairs named{};
  for (int spy = 0; spy < kFactionCount; ++spy) {
    for (int target = 0; target < kFactionCount; ++target) {
      const int agents = state.spielerliste[spy].agents[target];
      for (int pass = 0; pass < agents; ++pass) {
        drawDigit(game);
        const bool struck = rollUnder(game, 1);
        if (struck && spy != target) {
          drawDigit(game);
          killHomeAgent(state, spy, target, named);
        }
        drawDigit(game);
      }
    }
  }
}

// The blocks about the round's fights; each printed block counts once.
int reportEspionageResults(Game& game, int player) {
  const EspionageResult& result = game.state.espionageResult;
  Console& console = game.console;
  int count = 0;
  if (result.feinddevagentkill[player] >= 1) {
    console.print("Deine Agenten im Aussendienst haben Innendienstagenten folgender Spieler getoetet: ",
                  result.feinddevagentkillname[player],
                  "\n  Dieser bzw. diese Spieler werden nun alarmiert sein und vermutlich von deinen "
                  "Spionageaktivitaeten wissen.\n");
    ++count;
  }
  if (result.feindoffagentkill[player] >= 1) {
    console.write(
        "Deine Agenten im Innendienst haben Feindagenten bei der Spionage erwischt und getoetet.\n"
        "  Die Identitaet und Herkunft dieser Feindagenten konnte nicht festgestellt werden, aber jemand "
        "versucht dich auszuspionieren!\n");
    ++count;
  }
  if (result.devagenttot[player] >= 1 || result.offagenttot[player] >= 1) {
    console.write("In eigenen Geheimdienstoperationen gab es Verluste von Agenten:\n");
    if (result.offagenttot[player] >= 1) {
      console.print("  Aussendienst: ", result.offagenttot[player],
                    " Tote(r) bei Spionageaktivitaeten gegen ", result.offagentkiller[player], "\n");
    }
    if (result.devagenttot[player] >= 1) {
      console.print("  Innendienst: ", result.devagenttot[player],
                    " Tote(r) bei vermuteten Spionageaktivitaeten von ", result.devagentkiller[player], "\n");
    }
    ++count;
  }
  return count;
}

}  // namespace

void resolveEspionage(Game& game) {
  game.state.espionageResult = EspionageResult{};
  catchSpies(game);
  killHomeAgents(game);
}

int reportEspionageFindings(Game& game, int player) {
  int count = reportEspionageResults(game, player);
  count += reportLocationFindings(game, player);
  count += reportMarchFindings(game, player);
  return count;
}

}  // namespace vaskorath
