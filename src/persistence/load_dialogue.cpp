// Load dialogue: lists the saves, reads the chosen one and replaces the campaign with it.
#include "persistence/load_dialogue.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "console/console.h"
#include "console/file_system.h"
#include "persistence/save_dialogue.h"
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

// The number N of a kept "autosave-vorher-N.txt"; nullopt for any other name.
std::optional<unsigned long> keptAutosaveNumber(std::string_view name) {
  if (!name.starts_with(kKeptAutosavePrefix) || !name.ends_with(".txt")) return std::nullopt;
  const std::string_view digits =
      name.substr(kKeptAutosavePrefix.size(), name.size() - kKeptAutosavePrefix.size() - 4);
  unsigned long number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

// The kept autosave written last (the latest change, then the highest number); empty when none.
std::string newestKeptAutosave(FileSystem& files) {
  std::string newest;
  std::pair<std::int64_t, unsigned long> newestOrder{};
  for (const SaveFileInfo& save : files.listSaveFiles()) {
    const auto number = keptAutosaveNumber(save.name);
    if (!number) continue;
    const std::pair order{save.modifiedSeconds, *number};
    if (newest.empty() || order > newestOrder) {
      newest = save.name;
      newestOrder = order;
    }
  }
  return newest;
}

// A new campaign moves "autosave.txt" aside before its first autosave; when it ended in between,
// the players learn where the previous campaign is.
std::string keptAutosaveHint(Game& game, const std::string& fileName) {
  if (fileName != kAutosaveName || game.files.exists(fileName)) return {};
  const std::string kept = newestKeptAutosave(game.files);
  if (kept.empty()) return {};
  return "\n\nHinweis: Der bisherige Spielstand liegt in " + kept + ".";
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
    failAndExit(game, "Fehler. Datei konnte nicht geoeffnet werden. Programm neu starten!" +
                          keptAutosaveHint(game, fileName));
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
