// The destroyed-units prompt of the winner.
#include "resolution/battle_losses.h"

#include <array>
#include <utility>

#include "console/console.h"
#include "state/capacities.h"

namespace vaskorath {

namespace {

// Marks by list number - 1, and the slot each number stood for in the last listing.
struct LossMarks {
  std::array<bool, kTroopSlots> destroyed{};
  std::array<int, kTroopSlots> slotOfNumber{};
};

void listWinnerUnits(Game& game, const std::string& winnerName, const TroopList* grid, int toggled,
                     LossMarks& marks) {
  game.console.clearScreen();
  game.console.print("Folgende Truppen des Siegers (", winnerName, ") haben an der Schlacht teilgenommen:\n");
  if (grid == nullptr) return;
  int number = 0;
  for (const TroopList::Unit& unit : *grid) {
    ++number;
    marks.slotOfNumber[number - 1] = unit.slot;
    if (toggled == number) marks.destroyed[number - 1] = !marks.destroyed[number - 1];
    // Two blanks up to 9, one from 10 on, so that the names line up to 99.
    game.console.print(number, number <= 9 ? "  " : " ", unit.name);
    if (marks.destroyed[number - 1]) game.console.write(" <-- vernichtet");
    game.console.write("\n");
  }
}

}  // namespace

std::vector<std::string> enterWinnerLosses(Game& game, const std::string& winnerName, TroopList* grid) {
  LossMarks marks;
  int toggled = 10000;  // no number before the first input
  for (;;) {
    listWinnerUnits(game, winnerName, grid, toggled, marks);
    game.console.write("\nWelche Truppen sind in der Schlacht vernichtet worden (Nummer - Fertig mit 0)?: ");
    toggled = game.console.readNumber();
    if (toggled == 0) break;
  }
  // Numbers stand for the slots of the last listing; nothing was emptied while it was shown.
  std::vector<std::string> destroyed;
  for (int number = 0; grid != nullptr && number < kTroopSlots; ++number) {
    if (!marks.destroyed[number]) continue;
    const int slot = marks.slotOfNumber[number];
    destroyed.emplace_back((*grid)[slot]);
    grid->clear(slot);
  }
  game.console.write("\nVielen Dank, die Eingaben werden gespeichert.\n\n");
  game.console.pause();
  return destroyed;
}

}  // namespace vaskorath
