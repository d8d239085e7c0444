// Answers chosen from the question on screen and the campaign's state.
#include "fuzz/harness/play_on_console.h"

namespace vaskorath::fuzzing {

namespace {

constexpr int kReadBudget = 2000;
constexpr int kAutosavesToPlay = 2;

constexpr std::string_view kFileNamePrompt = "Bitte Dateiname eingeben (z.B. autosave): ";
constexpr std::string_view kWinnerPrompt = "Bitte den Sieger angeben: ";
constexpr std::string_view kLossesPrompt =
    "Welche Truppen sind in der Schlacht vernichtet worden (Nummer - Fertig mit 0)?: ";
constexpr std::string_view kBattleMenuPrompt =
    "Welches Gefecht soll durchgefuehrt werden (Nummer - Speichern oder Weiter mit 0)?: ";
constexpr std::string_view kYesNoQuestion = "(j/n)?";

}  // namespace

PlayOnConsole::PlayOnConsole(const CampaignState& state, const CheckingFileSystem& files)
    : FuzzConsole({}, kReadBudget), state_(state), files_(files) {}

void PlayOnConsole::countAnswer() {
  if (files_.autosaves >= kAutosavesToPlay) throw InputEnded();
  countRead();
}

bool PlayOnConsole::asked(std::string_view question) const {
  std::string_view tail = outputTail();
  while (tail.ends_with('\n')) tail.remove_suffix(1);
  return tail.ends_with(question);
}

// The number of an open battle, or 0 (save, or go on when all are fought). Once in a run, when
// some battles are fought and some are open, 0 asks for the named save: its state differs from
// both the restore point before the battles and the autosave after them.
int PlayOnConsole::battleToEnter() {
  const BattleRecord* open = nullptr;
  bool anyFought = false;
  for (const auto& row : state_.eventslist) {
    for (const BattleRecord& battle : row) {
      if (battle.label.empty()) continue;
      anyFought = anyFought || battle.fought;
      if (open == nullptr && !battle.fought) open = &battle;
    }
  }
  if (open == nullptr) return 0;
  if (anyFought && !namedSaveAsked_) {
    namedSaveAsked_ = true;
    return 0;
  }
  return open->number;
}

// The factions in play in turn, so that a winner who cannot be taken is followed by another.
std::string PlayOnConsole::nextWinner() {
  for (int tried = 0; tried < kFactionCount; ++tried) {
    const std::string& name = state_.spielerliste[winnerCursor_++ % kFactionCount].playerName;
    if (!name.empty()) return name;
  }
  return "Niemand";
}

char PlayOnConsole::readKey() {
  countAnswer();
  // Load at the welcome screen, save when asked, overwrite when asked; a menu key ends the turn.
  return asked(kYesNoQuestion) ? 'j' : '9';
}

std::string PlayOnConsole::readWord() {
  countAnswer();
  if (asked(kFileNamePrompt)) return "kampagne";
  if (asked(kWinnerPrompt)) return nextWinner();
  return "zwischenstand";  // the name of a save
}

int PlayOnConsole::readNumber() {
  countAnswer();
  if (asked(kBattleMenuPrompt)) return battleToEnter();
  if (asked(kLossesPrompt)) {
    lossMarked_ = !lossMarked_;
    return lossMarked_ ? 1 : 0;
  }
  return 0;  // the screen of a round without battles too: go on, with the autosave
}

std::string PlayOnConsole::readLine() {
  countAnswer();
  return {};
}

}  // namespace vaskorath::fuzzing
