// Forum menu, message dialogue and credit transfer.
#include "orders/forum.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "orders/casino.h"
#include "orders/mercenaries.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

// A message is shown in full in the recipient's report; a longer line is cut here.
constexpr std::size_t kMaxMessageLength = 500;

// Index 0 to 4 of the first player with exactly this name, or -1: the rebels are never a recipient.
int recipientIndex(const CampaignState& state, std::string_view name) {
  const int faction = factionIndexByName(state, name);
  return faction < kMaxPlayers ? faction : -1;
}

void sendMessage(Game& game, int sender) {
  Console& console = game.console;
  CampaignState& state = game.state;
  console.clearScreen();
  console.print("Nachrichten an Mitspieler\n", std::string(25, '-'), "\n\n",
                "An welchen Spieler soll eine Nachricht uebermittelt werden? (Name): ");
  const std::string name = console.readWord();
  const int recipient = recipientIndex(state, name);
  if (recipient < 0) {
    showForumNotice(console, "Spielername existiert nicht. Abbruch!");
    return;
  }
  console.print("\nWie lautet deine Nachricht an ", name, "?: ");
  auto& inbox = state.spielernachrichten[recipient];
  const auto freeSlot =
      std::find_if(inbox.begin(), inbox.end(), [](const std::string& slot) { return slot.empty(); });
  if (freeSlot == inbox.end()) {
    // No line is read, so a piped message line is left for the next prompt.
    showForumNotice(
        console,
        "Die Nachricht konnte nicht versendet werden. Nachrichtenspeicher des Empfaengers ist voll. "
        "Abbruch!");
    return;
  }
  const std::string line = console.readLine();
  const std::string_view kept = console.leadingColumns(line, kMaxMessageLength);
  *freeSlot = "  Von " + state.spielerliste[sender].playerName + ": " + std::string(kept);
  const std::string_view cutNote =
      kept.size() < line.size() ? "Die Nachricht wurde nach 500 Zeichen gekuerzt.\n" : "";
  showForumNotice(console, cutNote, "Danke, die Nachricht wurde versendet!");
}

// The transfer's messages stand after one line break and are followed by two.
template <typename... Parts>
void showTransferNotice(Console& console, const Parts&... parts) {
  console.print("\n", parts..., "\n\n");
  console.pause();
}

// Asks for the amount and moves it; every refusal leaves both balances as they were.
void transferAmount(Game& game, int giver, int recipient) {
  Console& console = game.console;
  CampaignState& state = game.state;
  FactionRecord& from = state.spielerliste[giver];
  FactionRecord& to = state.spielerliste[recipient];
  console.print("\nWie viele Credits sollen uebertragen werden? (du hast ", from.credits,
                " Credits - Abbruch mit 0): ");
  const int amount = console.readNumber();
  if (amount > from.credits) {
    showTransferNotice(console, "So viele Credits hast du nicht. Abbruch!");
  } else if (amount <= 0) {
    showTransferNotice(console, "Abbruch!");
  } else if (static_cast<long long>(to.credits) + amount > std::numeric_limits<int>::max()) {
    showTransferNotice(console, "Der Empfaenger kann so viele Credits nicht annehmen. Abbruch!");
  } else {
    from.credits -= amount;
    to.credits += amount;
    // Only the last gift of a round is announced; every one has been credited.
    state.creditgabehinweis[recipient] = giver;
    state.creditgabemenge[recipient] = amount;
    showTransferNotice(console, "Erledigt. Es wurden ", amount, " Credits an ", to.playerName,
                       " uebertragen!");
  }
}

void transferCredits(Game& game, int giver) {
  Console& console = game.console;
  console.clearScreen();
  console.print("Credits an einen Mitspieler uebertragen\n", std::string(39, '-'), "\n\n",
                "An welchen Spieler sollen Credits uebertragen werden? (Name): ");
  const int recipient = recipientIndex(game.state, console.readWord());
  if (recipient < 0) {
    showTransferNotice(console, "Falscher Name, Spieler existiert nicht. Abbruch!");
  } else if (recipient == giver) {
    showTransferNotice(console, "Credits koennen nicht an sich selbst uebertragen werden. Abbruch!");
  } else {
    transferAmount(game, giver, recipient);
  }
}

void showForumMenu(Console& console) {
  console.clearScreen();
  console.print("8 Forum\n", std::string(7, '-'), "\n\n",
                "Hier kannst du kommunizieren und dir mit deinen Credits ein paar Vorteile verschaffen\n",
                std::string(85, '-'), "\n",
                "1 Nachrichten an Mitspieler\n"
                "2 Credits an einen Mitspieler uebertragen\n"
                "3 Soeldner anheuern\n"
                "4 Gluecksspiel\n"
                "\n"
                "Was moechtest du tun? (Nummer - Abbruch mit 0): ");
}

}  // namespace

void runForum(Game& game, int player) {
  for (;;) {
    showForumMenu(game.console);
    switch (game.console.readNumber()) {
      case 0:
        return;
      case 1:
        sendMessage(game, player);
        break;
      case 2:
        transferCredits(game, player);
        break;
      case 3:
        runMercenaryDialogue(game, player);
        break;
      case 4:
        runCasino(game, player);
        break;
      default:
        showForumNotice(game.console, "Falsche Auswahl!");
        break;
    }
  }
}

}  // namespace vaskorath
