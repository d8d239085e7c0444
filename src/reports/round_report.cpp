// Round report: income, news, finished production, movements, battles, reconnaissance, espionage.
#include "reports/round_report.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "console/console.h"
#include "reports/espionage.h"
#include "reports/reconnaissance_results.h"
#include "state/campaign_state.h"
#include "state/locations.h"
#include "state/march_list.h"
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr int kMainPlanetIncome = 70;
constexpr int kOutpostIncome = 40;
constexpr int kMercenaryPriceFactor = 3;

enum class ReportSection { kTroopMovements, kBattleActivities, kNone };

// The section a waiting report text belongs to, read from the position of its first "t":
// "Verstaerkungstruppen von ..." (4) tells of movements, "Angriffstruppen von ..." (8),
// "Erkundungstruppen von ..." (10) and "Deine Verteidigungstruppen auf ..." of battles.
ReportSection sectionOf(std::string_view text) {
  if (text.starts_with("Deine Verteidigungstruppen auf ")) return ReportSection::kBattleActivities;
  switch (text.find('t')) {
    case 4: return ReportSection::kTroopMovements;
    case 8:
    case 10: return ReportSection::kBattleActivities;
    default: return ReportSection::kNone;  // such a text stays for a later report
  }
}

// Credits 70 per owned main planet and 40 per owned outpost; returns what was credited.
int creditIncome(CampaignState& state, int player) {
  FactionRecord& faction = state.spielerliste[player];
  int income = 0;
  for (const LocationRecord& location : state.planetenliste) {
    if (location.owner != faction.playerName) continue;
    income += location.kind == kKindOutpost ? kOutpostIncome : kMainPlanetIncome;
  }
  // The casino can bring a balance close to the largest number; it stops there.
  const long long raised =
      std::min<long long>(static_cast<long long>(faction.credits) + income, std::numeric_limits<int>::max());
  const int credited = static_cast<int>(raised - faction.credits);
  faction.credits = static_cast<int>(raised);
  return credited;
}

void printHeader(Console& console, const FactionRecord& faction, int round) {
  console.print("Runde ", round, "          ", faction.playerName, " (", faction.race, ")", "          ",
                faction.credits, " Credits\n\n");
  console.write("Rundenereignisse:\n-----------------\n\n\n");
}

void printGift(Console& console, CampaignState& state, int player) {
  int& amount = state.creditgabemenge[player];
  if (amount != 0) {
    const int giver = state.creditgabehinweis[player];
    // A giver outside the table (only possible in a damaged campaign) is shown without a name.
    const std::string noName;
    const std::string& giverName =
        giver >= 0 && giver < kFactionCount ? state.spielerliste[giver].playerName : noName;
    console.print("Freudige Nachricht. ", giverName, " hat dir ", amount, " Credits geschenkt!\n\n");
    amount = 0;
  }
  state.creditgabehinweis[player] = kNobody;
}

// Prints the inbox up to its first free slot and empties what it printed.
void printMessages(Console& console, CampaignState& state, int player) {
  auto& inbox = state.spielernachrichten[player];
  if (inbox[0].empty()) return;
  console.write("Du hast folgende Nachrichten von deinen Mitspielern erhalten:\n");
  for (std::string& message : inbox) {
    if (message.empty()) break;
    console.print(message, "\n");
    message.clear();
  }
}

void printGeneralInformation(Console& console, CampaignState& state, int player, int income) {
  console.print("Allgemeine Informationen:\n-------------------------\n", "In dieser Runde hast du ", income,
                " Credits eingenommen.\n");
  printGift(console, state, player);
  printMessages(console, state, player);
  console.write("\n\n");
}

// Ends a section: "- keine -" when it had no entry, then two line ends.
void closeSection(Console& console, int entries) {
  if (entries == 0) console.write("- keine -\n");
  console.write("\n\n");
}

// Completes the production of one location; returns false when nothing was finished.
bool completeProduction(Console& console, LocationRecord& location, int player, int race, int round) {
  std::string& item = location.productionItem[race];
  if (item.empty()) {
    // Only a hand-made file holds a due round without an order of the owner's race: nothing was
    // being built, so the location is simply idle again.
    location.productionDueRound = 0;
    return false;
  }
  if (item != kFortificationItem && !addUnit(location.troops[race][player], item)) {
    // All 200 slots are taken: the paid unit waits for a free slot in the next round.
    location.productionDueRound = round + 1;
    return false;
  }
  if (item == kFortificationItem && location.fortificationLevel < kMaxFortificationLevel) {
    ++location.fortificationLevel;
  }
  console.print("Auf ", kindWord(location.kind), location.name, " wurde folgendes fertiggestellt: - ", item,
                " -\n");
  location.productionDueRound = 0;
  item.clear();
  return true;
}

void reportFinishedProduction(Console& console, CampaignState& state, int player, int race) {
  console.print("Diese Runde wurden folgende Einheiten bzw. Befestigungen fertiggestellt:\n",
                std::string(64, '-'), "\n");
  int finished = 0;
  // A race without a catalogue cannot have ordered anything.
  if (race >= 0) {
    const std::string& playerName = state.spielerliste[player].playerName;
    for (LocationRecord& location : state.planetenliste) {
      if (location.owner != playerName || location.productionDueRound != state.runde) continue;
      if (completeProduction(console, location, player, race, state.runde)) ++finished;
    }
  }
  closeSection(console, finished);
}

// Prints and empties the waiting report texts of one section, in record order; returns how many.
int printReportTexts(Console& console, CampaignState& state, int player, ReportSection section) {
  int printed = 0;
  for (MarchRecord& march : state.marschliste[player]) {
    if (march.reportText.empty() || sectionOf(march.reportText) != section) continue;
    console.print(march.reportText, "\n");
    march.reportText.clear();
    ++printed;
  }
  return printed;
}

// A fresh offer for an arrived mercenary's slot: a drawn unit of the race at three times its cost.
void replaceOffer(Game& game, MercenaryOffer& offer, int race) {
  for (;;) {
    const UnitType& unit = preisliste.unit(race, game.random.next() % kUnitSlots);
    if (unit.unitName.empty()) continue;  // empty catalogue slots are drawn again
    offer.unitName = unit.unitName;
    offer.price = kMercenaryPriceFactor * unit.unitCost;
    return;
  }
}

// Announces the mercenaries delivered in the round calculation and reopens their slots.
int announceMercenaryArrivals(Game& game, int player, int race) {
  int arrived = 0;
  for (MercenaryOffer& offer : game.state.soeldnerliste[player]) {
    if (!offer.hired || offer.deliveryCountdown != 0) continue;
    game.console.print("Eine Soeldnereinheit hat dich in dieser Runde auf deinem Heimatplaneten verstaerkt (",
                       offer.unitName, ").\n");
    offer.hired = false;
    // Without a catalogue there is nothing to offer; the redraw would never end.
    if (race >= 0) replaceOffer(game, offer, race);
    ++arrived;
  }
  return arrived;
}

void reportTroopMovements(Game& game, int player, int race) {
  game.console.print("In dieser Runde sind folgende Truppenbewegungen erfolgt:\n", std::string(56, '-'),
                     "\n");
  int entries = printReportTexts(game.console, game.state, player, ReportSection::kTroopMovements);
  entries += announceMercenaryArrivals(game, player, race);
  closeSection(game.console, entries);
}

void reportBattleActivities(Game& game, int player) {
  game.console.print("In dieser Runde gab es folgende Gefechtsaktivitaeten:\n", std::string(53, '-'), "\n");
  closeSection(game.console,
               printReportTexts(game.console, game.state, player, ReportSection::kBattleActivities));
}

void reportReconnaissance(Game& game, int player) {
  game.console.print("In dieser Runde konnten folgende Erkundungsergebnisse gewonnen werden:\n",
                     std::string(70, '-'), "\n");
  closeSection(game.console, reportReconnaissanceResults(game, player));
}

void reportEspionage(Game& game, int player) {
  game.console.print("In dieser Runde gab es folgende Spionageaktivitaeten:\n", std::string(53, '-'), "\n");
  closeSection(game.console, reportEspionageFindings(game, player));
}

}  // namespace

void showRoundReport(Game& game, int player) {
  CampaignState& state = game.state;
  // Waiting report texts stay in their slots, so they survive the upkeep.
  compactMarchList(state, player);
  const int income = creditIncome(state, player);
  const int race = raceIndexOf(state.spielerliste[player]);

  Console& console = game.console;
  console.clearScreen();
  printHeader(console, state.spielerliste[player], state.runde);
  printGeneralInformation(console, state, player, income);
  reportFinishedProduction(console, state, player, race);
  reportTroopMovements(game, player, race);
  reportBattleActivities(game, player);
  reportReconnaissance(game, player);
  reportEspionage(game, player);
  console.pause();
}

}  // namespace vaskorath
