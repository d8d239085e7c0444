// Round loop and player turns.
#include "flow/round_loop.h"

#include <algorithm>

#include "console/console.h"
#include "flow/main_menu.h"
#include "flow/rebel_production.h"
#include "orders/mercenaries.h"
#include "reports/chronicle.h"
#include "reports/round_report.h"
#include "resolution/round_calculation.h"
#include "state/campaign_state.h"
#include "state/march_list.h"
#include "state/random.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

// With fewer than two players left the survivor wins; returns true when the campaign ends.
bool lastPlayerCheckEndsCampaign(Game& game) {
  CampaignState& state = game.state;
  if (countRemainingPlayers(state) >= 2 || state.runde == state.endrunde) return false;
  for (int player = 0; player < kMaxPlayers; ++player) {
    const std::string& name = state.spielerliste[player].playerName;
    if (name.empty()) continue;
    game.console.clearScreen();
    game.console.print("Spieler ", name, " ist der einzig verbleibende Spieler und hat damit gewonnen! ",
                       "Herzlichen Glueckwunsch, ", name, "!\n\n");
    game.console.pause();
    chronicleLastPlayerWins(game, name);
    break;
  }
  state.runde = state.endrunde;
  return true;
}

// Lets the players at the console swap before the next player's screens appear.
void showHandOverScreen(Game& game, int player) {
  const FactionRecord& faction = game.state.spielerliste[player];
  game.console.clearScreen();
  game.console.print("Runde ", game.state.runde, "          ", faction.playerName, " (", faction.race,
                     ")\n\n");
  game.console.pause();
}

void playTurn(Game& game, int player) {
  CampaignState& state = game.state;
  state.drawCounter = game.random.nextDigit(state.drawCounter);
  showHandOverScreen(game, player);
  if (state.runde >= 2) showRoundReport(game, player);
  runMainMenu(game, player);
  state.drawCounter = game.random.nextDigit(state.drawCounter);
  compactMarchList(state, player);
}

// The turns of the round in player order; eliminated players are skipped.
void playTurns(Game& game) {
  CampaignState& state = game.state;
  // A loaded file may hold any player count; the table has five player records.
  const int players = std::clamp(state.anzahlspieler, 0, kMaxPlayers);
  for (state.i = 0; state.i < players; ++state.i) {
    if (state.runde == state.endrunde) return;
    if (state.spielerliste[state.i].playerName.empty()) {
      int next = state.i + 1;
      while (next < kFactionCount && state.spielerliste[next].playerName.empty()) ++next;
      state.i = next;
      // Only the rebels or nobody follow: the round is over and ends like any other, so the next
      // round renews the mercenary offers too (skipping that would stop hired units for good).
      if (next >= kRebelFaction) return;
    }
    playTurn(game, state.i);
  }
}

}  // namespace

int countRemainingPlayers(const CampaignState& state) {
  int count = 0;
  for (int player = 0; player < kMaxPlayers; ++player) {
    const std::string& name = state.spielerliste[player].playerName;
    if (!name.empty() && name != kRebelName) ++count;
  }
  return count;
}

int runCampaign(Game& game) {
  CampaignState& state = game.state;
  state.runde = 1;
  int lastRound = state.runde;
  while (state.runde < finalRound(state)) {
    renewMercenaryOffers(game);
    calculateRound(game);
    lastRound = state.runde;  // after a load: the round of the file
    if (lastPlayerCheckEndsCampaign(game)) break;
    runRebelProduction(game);
    playTurns(game);
    ++state.runde;
  }
  return lastRound;
}

}  // namespace vaskorath
