// Main menu: round-1 news, the nine entries and their dispatch.
#include "flow/main_menu.h"

#include "console/console.h"
#include "flow/status_views.h"
#include "orders/forum.h"
#include "orders/march_orders.h"
#include "orders/production.h"
#include "reports/intelligence_views.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

void showGift(Game& game, int player) {
  CampaignState& state = game.state;
  const int giver = state.creditgabehinweis[player];
  // A giver outside the table (only possible in a damaged campaign) is shown without a name.
  const std::string noName;
  const std::string& giverName =
      giver >= 0 && giver < kFactionCount ? state.spielerliste[giver].playerName : noName;
  game.console.print("Freudige Nachricht. ", giverName, " hat dir ", state.creditgabemenge[player],
                     " Credits geschenkt!\n\n");
  game.console.pause();
  state.creditgabemenge[player] = 0;
}

// Prints the inbox up to its first free slot and empties what it printed.
void showMessages(Game& game, int player) {
  auto& inbox = game.state.spielernachrichten[player];
  game.console.write("Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n");
  for (std::string& message : inbox) {
    if (message.empty()) break;
    game.console.print(message, "\n");
    message.clear();
  }
  game.console.write("\n\n");
  game.console.pause();
  game.console.clearScreen();
}

// In round 1 there is no round report yet, so the menu hands over gifts and messages itself.
void showRoundOneNews(Game& game, int player) {
  CampaignState& state = game.state;
  if (state.creditgabemenge[player] != 0) showGift(game, player);
  state.creditgabehinweis[player] = kNobody;
  game.console.clearScreen();
  if (!state.spielernachrichten[player][0].empty()) showMessages(game, player);
}

void showMenu(Game& game, int player) {
  const FactionRecord& faction = game.state.spielerliste[player];
  game.console.print("Runde ", game.state.runde, "          ", faction.playerName, " (", faction.race, ")",
                     "          ", faction.credits, " Credits\n\n");
  game.console.write(
      "1 Sternenkarte\n"
      "2 Planeten und Aussenposten\n"
      "3 Eigene Truppenteile\n"
      "4 Gegnerische Truppenteile\n"
      "5 Spionageaktivitaeten\n"
      "6 Angriffs-, Marsch- oder Erkundungsbefehl\n"
      "7 Produktionsauftrag\n"
      "8 Forum\n"
      "9 Rundenende\n"
      "\n"
      "Auswahl (1-9):");
}

// Runs the entry of a menu key; returns true when the key ends the turn.
bool dispatch(Game& game, int player, char key) {
  switch (key) {
    case '1':
      showStarMap(game);
      break;
    case '2':
      showPlanetsAndOutposts(game);
      break;
    case '3':
      showOwnTroops(game, player);
      break;
    case '4':
      showEnemyTroops(game, player);
      break;
    case '5':
      runSpyNetworkDialogue(game, player);
      break;
    case '6':
      runOrderDialogue(game, player);
      break;
    case '7':
      runProductionDialogue(game, player);
      break;
    case '8':
      runForum(game, player);
      break;
    case '9':
      return true;
    default:
      break;  // any other key shows the menu again, without a message
  }
  return false;
}

}  // namespace

void runMainMenu(Game& game, int player) {
  const CampaignState& state = game.state;
  if (state.runde == state.endrunde || state.spielerliste[player].playerName.empty()) return;
  bool turnEnded = false;
  while (!turnEnded) {
    game.console.clearScreen();
    if (state.runde == 1) showRoundOneNews(game, player);
    showMenu(game, player);
    turnEnded = dispatch(game, player, game.console.readKey());
  }
}

}  // namespace vaskorath
