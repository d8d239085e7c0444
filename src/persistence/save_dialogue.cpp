// Named save and autosave.
#include "persistence/save_dialogue.h"

#include "console/console.h"
#include "persistence/save_file.h"
#include "persistence/save_list.h"

namespace vaskorath {

namespace {

constexpr std::size_t kMaxSaveNameLength = 64;
// The campaign as it stood before the battles of the round were entered.
constexpr const char* kRestorePointName = "gefechtsbeginn.txt";

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

// An existing save is replaced only when the players answer "j".
bool mayReplace(Game& game, const std::string& fileName) {
  if (!game.files.exists(fileName)) return true;
  game.console.print("\nDer Spielstand ", fileName, " existiert bereits. Ueberschreiben (j/n)?");
  return game.console.readKey() == 'j';
}

// Asks until a valid name is typed whose file is new or may be replaced; returns the file name.
std::string askSaveFileName(Game& game) {
  constexpr std::string_view kNamePrompt =
      "Bitte die Bezeichnung des Spielstands eingeben (z.B. vaskorathsave): ";
  game.console.print("\n", kNamePrompt);
  for (;;) {
    const std::string name = game.console.readWord();
    if (!isValidSaveName(name)) {
      game.console.print("Ungueltiger Name. Erlaubt sind 1 bis 64 Buchstaben, Ziffern, - und _.\n",
                         kNamePrompt);
      continue;
    }
    std::string fileName = name + ".txt";
    if (mayReplace(game, fileName)) return fileName;
    game.console.print("\n", kNamePrompt);
  }
}

// Shown on a cleared screen instead of the success message; the campaign goes on afterwards.
void showSaveFailure(Game& game, const WriteResult& result) {
  game.console.print("Fehler: Der Spielstand konnte nicht gespeichert werden (", result.reason,
                     "). Die vorherige Datei ist unveraendert.\n\n");
  game.console.pause();
}

// Renames an existing "autosave.txt" to the first free "autosave-vorher-N.txt" and names it in
// keptAs. Done once per run; when the rename fails the autosave must not be written either.
WriteResult keepPreviousAutosave(Game& game, std::string& keptAs) {
  if (!game.files.exists(kAutosaveName)) {
    game.state.keepPreviousAutosave = false;
    return {};
  }
  std::string name;
  for (int number = 1; name.empty() || game.files.nameInUse(name); ++number) {
    name = std::string(kKeptAutosavePrefix) + std::to_string(number) + ".txt";
  }
  WriteResult result = game.files.renameFile(kAutosaveName, name);
  if (result) {
    keptAs = name;
    game.state.keepPreviousAutosave = false;
  }
  return result;
}

}  // namespace

bool isValidSaveName(std::string_view name) {
  if (name.empty() || name.size() > kMaxSaveNameLength) return false;
  for (char c : name) {
    if (!isNameCharacter(c)) return false;
  }
  return true;
}

WriteResult saveCampaign(Game& game, const std::string& fileName) {
  return game.files.writeFileAtomicallyTaking(fileName, writeSaveFile(game.state, game.files.lineEnd()));
}

void runNamedSaveDialogue(Game& game) {
  game.console.clearScreen();
  game.console.write(
      "Spielstand speichern. Folgende Spielstaende gibt es bereits:\n"
      "------------------------------------------------------------\n\n");
  printSaveList(game);
  const std::string fileName = askSaveFileName(game);
  const WriteResult result = saveCampaign(game, fileName);
  game.console.clearScreen();
  if (result) {
    showSavedMessage(game);
  } else {
    showSaveFailure(game, result);
  }
}

bool writeAutosave(Game& game) {
  std::string keptAs;
  WriteResult result;
  if (game.state.keepPreviousAutosave) result = keepPreviousAutosave(game, keptAs);
  if (!keptAs.empty()) {
    // Told before the new file is written: if the program ends in between, the players still
    // know where the previous campaign went.
    game.console.clearScreen();
    game.console.print("Hinweis: Der bisherige Spielstand autosave.txt wurde als ", keptAs,
                       " aufbewahrt.\n\n");
    game.console.pause();
  }
  if (result) result = saveCampaign(game, kAutosaveName);
  game.console.clearScreen();
  if (!result) showSaveFailure(game, result);
  return result.ok;
}

void writeRestorePoint(Game& game) {
  const WriteResult result = saveCampaign(game, kRestorePointName);
  if (result) return;
  game.console.clearScreen();
  showSaveFailure(game, result);
}

void showSavedMessage(Game& game) {
  game.console.write(
      "Aktueller Spielstand wurde gespeichert! Bei Bedarf kann das Spiel nun beendet werden.\n\n");
  game.console.pause();
}

}  // namespace vaskorath
