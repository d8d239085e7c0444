// The list of existing save files shown by the save and load dialogues.
#pragma once

#include <string>

#include "console/file_system.h"
#include "game.h"

namespace vaskorath {

// One line of the list: local date and time, size in bytes right-aligned with "." between
// thousands, then the file name, e.g. "24.05.2025  14:03         3.250.712 autosave.txt".
std::string formatSaveListLine(const SaveFileInfo& save);

// Prints every ".txt" file of the working directory sorted by name, one line each, or
// "Keine Spielstaende vorhanden." when there is none.
void printSaveList(Game& game);

}  // namespace vaskorath
