// Load dialogue: lists the saves, reads the chosen one and replaces the campaign with it.
#include "persistence/load_dialogue.h"

#include <string>
#include <string_view>

#include "console/console.h"
#include "console/file_system.h"
#include "persistence/save_file.h"
#include "persistence/save_list.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

// Names from older campaigns may hold any character, but never a path into another directory.
bool isLoadableName(std::string_view name) { return name.find_first_of("/\\") == std::string_view::npos; }

// The file to open: the typed name, with ".txt" added unless it is already there.
std::string askFileName(Game& game) {
  game.console.write("\nBitte Dateiname eingeben (z.B. autosave): ");
  for (;;) {
    std::string name = game.console.readWord();
    if (isLoadableName(name)) return name.ends_with(".txt") ? name : name + ".txt";
    game.console.write(
        "Ungueltiger Dateiname. Der Name darf weder / noch \\ enthalten.\n"
        "Bitte Dateiname eingeben (z.B. autosave): ");
  }
}

// The players have to start again; nothing of the campaign can go on without its file.
[[noreturn]] void failAndExit(Game& game, std::string_view message) {
  game.console.clearScreen();
  game.console.print(message, "\n\n");
  game.console.pause();
  throw ProgramExit{1};
}

}  // namespace

std::string runLoadDialogue(Game& game) {
  game.console.clearScreen();
  game.console.write(
      "Spielstand laden. Folgende Spielstaende stehe zur Verfuegung (.txt Dateien):\n"
      "----------------------------------------------------------------------------\n\n");
  printSaveList(game);
  const std::string fileName = askFileName(game);
  const FileContent file = game.files.readFile(fileName);
  if (file.status == FileContent::Status::kCannotOpen) {
    failAndExit(game, "Fehler. Datei konnte nicht geoeffnet werden. Programm neu starten!");
  }
  if (file.status == FileContent::Status::kUnsuitable || !readSaveFile(file.content, game.state)) {
    failAndExit(game, "Fehler. Datei ist unvollstaendig oder beschaedigt. Programm neu starten!");
  }
  game.console.clearScreen();
  game.console.write("Letzter Spielstand wurde erfolgreich geladen!\n\n");
  game.console.pause();
  game.console.clearScreen();
  game.state.loadRequested = false;  // not part of the file: the loaded state still carries the request
  return fileName;
}

}  // namespace vaskorath
