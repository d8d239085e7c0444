// Mercenary offers: renewal at the round head, the offer list and hiring.
#include "orders/mercenaries.h"

#include <algorithm>
#include <limits>
#include <string>

#include "console/console.h"
#include "orders/forum.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/random.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr std::size_t kUnitColumnWidth = 30;

// The offer price rule; a price is never below 0 and never leaves the credit range, whatever
// counter a damaged campaign brings along.
int offerPrice(int unitCost, int multiplier, int priceDraw, int drawCounter) {
  const long long price =
      static_cast<long long>(unitCost) * multiplier + (static_cast<long long>(priceDraw) + drawCounter) * 10;
  return static_cast<int>(std::clamp<long long>(price, 0, std::numeric_limits<int>::max()));
}

void renewOffer(Game& game, MercenaryOffer& offer, int race) {
  Random& random = game.random;
  if (offer.hired) {
    // A hired slot keeps unit and price, but still makes one unit and multiplier draw.
    random.next();
    random.next();
    if (offer.deliveryCountdown != 0) --offer.deliveryCountdown;
    return;
  }
  int slot = 0;
  int multiplier = 0;
  do {  // empty catalogue slots are drawn again, together with a new multiplier
    slot = random.next() % kUnitSlots;
    multiplier = random.next() % 2 + 3;
    offer.unitName = preisliste.unit(race, slot).unitName;
  } while (offer.unitName.empty());
  offer.price = offerPrice(preisliste.unit(race, slot).unitCost, multiplier, random.next() % 10,
                           game.state.drawCounter);
}

// An offer can be listed and hired only with a race of the catalogue and a unit in the slot.
bool isOffered(const FactionRecord& faction, const MercenaryOffer& offer) {
  return raceIndexOf(faction) >= 0 && !offer.unitName.empty();
}

void printOfferLine(Console& console, int slot, const MercenaryOffer& offer) {
  console.print("  ", slot + 1, slot + 1 < 10 ? "  " : " ", offer.unitName,
                console.columnFill(offer.unitName, kUnitColumnWidth), " fuer ", offer.price, " Credits",
                offer.price < 1000 ? " " : "");
  if (offer.hired) {
    console.print(" <-- bereits angeheuert mit Ankunft in ", offer.deliveryCountdown, " Runde(n)");
  }
  console.write("\n");
}

void showOffers(Game& game, int player) {
  Console& console = game.console;
  const FactionRecord& faction = game.state.spielerliste[player];
  console.clearScreen();
  console.print(
      "Soeldner anheuern\n", std::string(17, '-'), "\n\n",
      "Soeldner, der Abschaum der Galaxis. Sie sind teuer und man kann sich nie darauf verlassen, "
      "dass sie zeitgerecht zur Stelle sind (meist 2 bis 3 Runden zum Heimatplaneten)... "
      "Sei es drum.\n\n",
      "Ueber einen Kontaktmann zu hiesigen Soeldnertruppen findest du heraus, dass derzeit folgende "
      "Truppenteile angeheuert werden koennen:\n");
  const auto& offers = game.state.soeldnerliste[player];
  for (int slot = 0; slot < kOfferCount; ++slot) {
    if (isOffered(faction, offers[slot])) printOfferLine(console, slot, offers[slot]);
  }
  console.print("\nDu hast ", faction.credits,
                " Credits. Welche Soeldnereinheit moechtest du anheuern? (Nummer - Abbruch mit 0): ");
}

// Rounds until delivery: 1 with a chance of 1 in 8, 2 and 3 with 3 in 8 each, 4 with 1 in 8.
int drawDeliveryDelay(Random& random) {
  const int draw = random.next() % 8;
  if (draw == 0) return 1;
  if (draw <= 3) return 2;
  if (draw <= 6) return 3;
  return 4;
}

void hireOffer(Game& game, int player, int choice) {
  Console& console = game.console;
  FactionRecord& faction = game.state.spielerliste[player];
  if (choice < 1 || choice > kOfferCount ||
      !isOffered(faction, game.state.soeldnerliste[player][choice - 1])) {
    showForumNotice(console, "Abbruch!");
    return;
  }
  MercenaryOffer& offer = game.state.soeldnerliste[player][choice - 1];
  if (offer.hired) {
    showForumNotice(console, "Diese Einheit ist bereits angeheuert. Abbruch!");
  } else if (faction.credits < offer.price) {
    showForumNotice(console, "Nicht genug Credits. Abbruch!");
  } else {
    const int delay = drawDeliveryDelay(game.random);
    faction.credits -= offer.price;
    offer.hired = true;
    offer.deliveryCountdown = delay;
    showForumNotice(console, "Kauf bestaetigt. Die Einheit wird in ", delay,
                    " Runde(n) auf deinem Heimatplaneten eintreffen.");
  }
}

}  // namespace

void renewMercenaryOffers(Game& game) {
  CampaignState& state = game.state;
  for (int player = 0; player < kMaxPlayers; ++player) {
    const FactionRecord& faction = state.spielerliste[player];
    auto& offers = state.soeldnerliste[player];
    const int race = raceIndexOf(faction);
    // Without a race of the catalogue no unit could ever be drawn.
    if (faction.playerName.empty() || race < 0) {
      offers.fill(MercenaryOffer{});
      continue;
    }
    for (MercenaryOffer& offer : offers) renewOffer(game, offer, race);
  }
}

void runMercenaryDialogue(Game& game, int player) {
  for (;;) {
    showOffers(game, player);
    const int choice = game.console.readNumber();
    if (choice == 0) {
      showForumNotice(game.console, "Abbruch!");
      return;
    }
    hireOffer(game, player, choice);
  }
}

}  // namespace vaskorath
