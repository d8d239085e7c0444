// Saving from the battle phase: the named-save dialogue and the autosave.
#pragma once

#include <string>
#include <string_view>

#include "console/file_system.h"
#include "game.h"

namespace vaskorath {

inline constexpr const char* kAutosaveName = "autosave.txt";
// A new campaign keeps the previous "autosave.txt" as this prefix, a number and ".txt".
inline constexpr std::string_view kKeptAutosavePrefix = "autosave-vorher-";

// A name the players may give a save: 1 to 64 ASCII letters, digits, "-" and "_". Nothing else,
// so a name can neither leave the working directory nor trouble the file systems of Windows.
bool isValidSaveName(std::string_view name);

// Writes the whole campaign to the file at once; the previous file stays as it was on failure.
WriteResult saveCampaign(Game& game, const std::string& fileName);

// Lists the existing saves, asks for a name until it is valid, writes "<name>.txt" and tells the
// players whether it worked; ends with a pause either way.
void runNamedSaveDialogue(Game& game);

// Writes "autosave.txt" and clears the screen. On failure shows the error and pauses; returns
// whether the file was written (the battle menu then announces it, the no-battle screen does not).
bool writeAutosave(Game& game);

// Writes the restore point "gefechtsbeginn.txt" silently; on failure clears the screen, shows the
// save error and pauses. The battle phase goes on either way.
void writeRestorePoint(Game& game);

// "Aktueller Spielstand wurde gespeichert! ..." and a pause, after a save that worked.
void showSavedMessage(Game& game);

}  // namespace vaskorath
