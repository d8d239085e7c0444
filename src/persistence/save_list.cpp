// The list of save files, laid out like a directory listing so sizes and dates line up.
#include "persistence/save_list.h"

#include "console/clock.h"
#include "console/console.h"

namespace vaskorath {

namespace {

// Wide enough for sizes up to a terabyte, so the names stay in one column.
constexpr std::size_t kSizeColumnWidth = 18;

// 3250712 -> "3.250.712", the way German listings group digits.
std::string groupThousands(std::uintmax_t value) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  for (std::size_t index = 0; index < digits.size(); ++index) {
    if (index > 0 && (digits.size() - index) % 3 == 0) grouped += '.';
    grouped += digits[index];
  }
  return grouped;
}

}  // namespace

std::string formatSaveListLine(const SaveFileInfo& save) {
  const std::string size = groupThousands(save.size);
  const std::size_t padding = size.size() < kSizeColumnWidth ? kSizeColumnWidth - size.size() : 0;
  return formatLocalTime(save.modifiedSeconds) + std::string(padding, ' ') + size + " " + save.name;
}

void printSaveList(Game& game) {
  const std::vector<SaveFileInfo> saves = game.files.listSaveFiles();
  if (saves.empty()) {
    game.console.write("Keine Spielstaende vorhanden.\n");
    return;
  }
  for (const SaveFileInfo& save : saves) game.console.print(formatSaveListLine(save), "\n");
}

}  // namespace vaskorath
