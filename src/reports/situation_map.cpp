// Writing the situation map after the setup, each load, each autosave and at the end.
#include "reports/situation_map.h"

#include "console/console.h"
#include "console/file_system.h"
#include "state/campaign_state.h"

namespace vaskorath {

namespace {

// A map that cannot be written must never stop the campaign: one warning, then silence. Later
// maps are still tried, so that they appear again once the players have cleared the way.
void warnOnce(Game& game, const std::string& name, const WriteResult& result) {
  if (game.state.situationMapWarningShown) return;
  game.state.situationMapWarningShown = true;
  game.console.clearScreen();
  game.console.print("Warnung: Die Lagekarte ", name, " kann nicht geschrieben werden (", result.reason,
                     "). Das Spiel geht weiter; weitere Fehler beim Schreiben der Lagekarte werden nicht "
                     "gemeldet.\n\n");
  game.console.pause();
}

void writeMaps(Game& game, const std::string& map) {
  const WriteResult current = game.files.writeFileAtomically(kSituationMapName, map);
  if (!current) warnOnce(game, kSituationMapName, current);
  const std::string ofTheRound =
      std::string(kSituationMapFolder) + "/runde-" + std::to_string(game.state.runde) + ".svg";
  WriteResult kept = game.files.createFolder(kSituationMapFolder);
  if (kept) kept = game.files.writeFileAtomically(ofTheRound, map);
  if (!kept) warnOnce(game, ofTheRound, kept);
}

}  // namespace

void writeSituationMap(Game& game) { writeMaps(game, drawSituationMap(game.state, BattleMarkers::kOfTheRound)); }

void writeFinalSituationMap(Game& game) { writeMaps(game, drawSituationMap(game.state, BattleMarkers::kNone)); }

}  // namespace vaskorath
