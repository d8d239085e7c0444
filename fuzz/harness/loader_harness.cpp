// Line edits on save files, and one load under the fuzzer.
#include "fuzz/harness/loader_harness.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#include "flow/program.h"
#include "fuzz/harness/fuzz_console.h"
#include "fuzz/harness/play_on_console.h"
#include "fuzz/harness/saved_values.h"
#include "game.h"
#include "persistence/save_fields.h"
#include "persistence/save_file.h"
#include "resolution/battle_detection.h"
#include "resolution/march_processing.h"
#include "resolution/march_scan.h"
#include "state/random.h"

namespace vaskorath::fuzzing {

namespace {

// The file the play-on console loads.
constexpr std::string_view kFileName = "kampagne.txt";
constexpr std::string_view kRefusal =
    "Fehler. Datei ist unvollstaendig oder beschaedigt. Programm neu starten!\n\n";

// Values that sit at the edges of what the loader accepts, and a few that are no number at all.
constexpr std::string_view kReplacements[] = {
    "", "0", "1", "-1", "2", "3", "5", "6", "7", "10", "11", "100", "101", "199", "200", "999", "1000",
    "1001", "1000000", "1000001", "10000000", "10000001", "25000000", "25000001", "100000000",
    "100000001", "1000000000", "1000000001", "1100000000", "1100000001", "2147483647", "-2147483648",
    "2147483648", "-2147483649", "99999999999", "+1", " 1", "1 ", "01", "-0", "0x10", "1e3", "a", "\r",
    "Rebellen", "Anna", "Kadrische Legion", "Brukkas", "j", "e", "s", "v", "Hauptplanet Terra",
    "Terra (Heimatplanet)", "Befestigungsausbau", "Angriffsbefehl: x", "Marschbefehl: Folgende E"};

std::vector<std::uint32_t> lineStartsOf(std::string_view text) {
  std::vector<std::uint32_t> starts;
  starts.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t position = 0;
  while (position < text.size()) {
    starts.push_back(static_cast<std::uint32_t>(position));
    const std::size_t end = text.find('\n', position);
    position = end == std::string_view::npos ? text.size() : end + 1;
  }
  return starts;
}

struct ValueLineWalk {
  int line = 0;
  std::vector<int> lines;

  void text(const std::string&) { ++line; }
  void troops(const TroopList&) { line += kTroopSlots; }
  void number(int, ValueRange) { lines.push_back(line++); }
  void flag(bool) { lines.push_back(line++); }
};

// Every saved field holds something, so no table of the file is left empty.
struct FillEverything {
  void text(std::string& value) { value = "Legionaer"; }
  void number(int& value, ValueRange range) { value = std::clamp(1234, range.minimum, range.maximum); }
  void flag(bool& value) { value = true; }
};

// Cara's second wave on the rebel outpost arrives in round 3, so the round played after a load
// of round 2 has a battle too and writes its restore point.
void addSecondWave(CampaignState& state) {
  MarchRecord& march = state.marschliste[2][1];
  march.orderText =
      "Angriffsbefehl: Folgende Truppen bewegen sich von Hauptplanet Nebel (Heimatplanet) nach Aussenposten "
      "Funke (Ankunft in Runde 3).";
  march.origin = "Hauptplanet Nebel (Heimatplanet)";
  march.destination = "Aussenposten Funke";
  march.duration = 2;
  march.arrivalRound = 3;
  march.units[0] = "Morgathen Trupp";
}

// The battles campaign in the middle of round 2's battle phase, as a save there holds it.
void advanceToBattlePhase(CampaignState& state) {
  addSecondWave(state);
  state.runde = 2;
  // The detection draws for the reconnaissance; a console and files are never used by it.
  FuzzConsole console({}, 0);
  MemoryFileSystem files;
  Random random(1);
  Game game{state, console, files, random};
  const MarchScan scan = takeMarchScan(state);
  processArrivals(game, scan);
  detectBattles(game, scan);
}

// The edited file, line by line: base lines stand for themselves unless an edit replaced them.
class EditedLines {
 public:
  explicit EditedLines(const SaveBase& base) : base_(base), truncateAt_(base.lineStarts.size()) {}

  void apply(unsigned char operation, int line, std::uint16_t argument);
  std::string assemble() const;

 private:
  std::string_view baseLine(int line) const {
    const std::size_t begin = base_.lineStarts[line];
    const std::size_t end = line + 1 < lineCount() ? base_.lineStarts[line + 1] - 1
                                                   : base_.text.size() - (base_.text.ends_with('\n') ? 1 : 0);
    return std::string_view(base_.text).substr(begin, end - begin);
  }
  // What stands in the line now: its first replacement, or the base line.
  std::string current(int line) const {
    const auto found = replaced_.find(line);
    if (found == replaced_.end()) return std::string(baseLine(line));
    return found->second.empty() ? std::string() : found->second.front();
  }
  int lineCount() const { return static_cast<int>(base_.lineStarts.size()); }

  const SaveBase& base_;
  std::map<int, std::vector<std::string>> replaced_;  // base line -> the lines written instead
  std::size_t truncateAt_;                            // base lines after this one are cut off
  std::size_t truncatedBytes_ = 0;                    // bytes of the cut line that stay
  bool crlf_ = false;
};

void EditedLines::apply(unsigned char operation, int line, std::uint16_t argument) {
  const int other = std::min(lineCount() - 1, line + argument % 64 + 1);
  switch (operation % 9) {
    case 0: replaced_[line] = {}; break;
    case 1: replaced_[line] = {current(line), current(line)}; break;
    case 2: {
      std::vector<std::string> first{current(line)};
      replaced_[line] = {current(other)};
      replaced_[other] = std::move(first);
      break;
    }
    case 3:
      truncateAt_ = std::min<std::size_t>(truncateAt_, line);
      truncatedBytes_ = argument % 8;
      break;
    case 4: replaced_[line] = {std::string(kReplacements[argument % std::size(kReplacements)])}; break;
    case 5: {
      const std::string text = current(line);
      long long value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      replaced_[line] = {std::to_string(value + static_cast<std::int16_t>(argument))};
      break;
    }
    case 6: replaced_[line] = {current(line) + "\r"}; break;
    case 7:
      replaced_[line] = {current(line) + current(other)};
      replaced_[other] = {};
      break;
    default: crlf_ = true; break;
  }
}

std::string EditedLines::assemble() const {
  const std::string_view lineEnd = crlf_ ? "\r\n" : "\n";
  std::string file;
  file.reserve(base_.text.size() + base_.text.size() / 8 * crlf_ + 4096);
  int line = 0;
  auto next = replaced_.begin();
  const int kept = static_cast<int>(truncateAt_);
  while (line < kept) {
    if (next != replaced_.end() && next->first == line) {
      for (const std::string& text : next->second) {
        file += text;
        file += lineEnd;
      }
      ++next;
      ++line;
      continue;
    }
    // An unedited run is copied in one piece.
    const int runEnd = std::min(kept, next == replaced_.end() ? kept : next->first);
    const std::string& text = crlf_ ? base_.crlfText : base_.text;
    const auto startOf = [&](int at) -> std::size_t { return base_.lineStarts[at] + (crlf_ ? at : 0); };
    file.append(text, startOf(line), (runEnd < lineCount() ? startOf(runEnd) : text.size()) - startOf(line));
    line = runEnd;
  }
  if (kept < lineCount()) file += baseLine(kept).substr(0, truncatedBytes_);
  return file;
}

bool endsWithRefusal(std::string_view output) {
  return output.ends_with(std::string(kRefusal) + std::string(kPausePrompt));
}

}  // namespace

SaveBase makeSaveBase(const CampaignState& state) {
  SaveBase base;
  base.text = writeSaveFile(state);
  base.crlfText = writeSaveFile(state, "\r\n");
  base.lineStarts = lineStartsOf(base.text);
  ValueLineWalk walk;
  walkSaveFields(state, walk);
  base.valueLines = std::move(walk.lines);
  return base;
}

LoaderSetup buildLoaderSetup() {
  LoaderSetup setup;
  StatePointer state = makeForkFriendlyState();
  state->anzahlspieler = 2;
  state->runde = 2;
  setup.bases[0] = makeSaveBase(*state);

  *state = *makeCampaignState();
  buildBattlesCampaign(*state);
  advanceToBattlePhase(*state);
  setup.bases[1] = makeSaveBase(*state);

  *state = *makeCampaignState();
  FillEverything fill;
  walkSaveFields(*state, fill);
  state->endrunde = state->runde + 1;  // a save is written before the round limit
  setup.bases[2] = makeSaveBase(*state);

  *state = *makeCampaignState();
  CheckingFileSystem noFiles(*state);
  PlayOnConsole console(*state, noFiles);
  Random random(1);
  Game game{*state, console, noFiles, random};
  try {
    runProgram(game);
  } catch (const ProgramExit&) {
  }
  setup.refusedState = std::move(state);
  return setup;
}

std::string editedSave(const SaveBase& base, std::string_view edits) {
  EditedLines lines(base);
  const int lineCount = static_cast<int>(base.lineStarts.size());
  for (; edits.size() >= 6; edits.remove_prefix(6)) {
    const auto byte = [&](int index) { return static_cast<unsigned char>(edits[index]); };
    const int selector = byte(1) << 16 | byte(2) << 8 | byte(3);
    const int line = (selector & 0x800000) != 0
                         ? base.valueLines[(selector & 0x7fffff) % base.valueLines.size()]
                         : selector % lineCount;
    lines.apply(byte(0), line, static_cast<std::uint16_t>(byte(4) << 8 | byte(5)));
  }
  return lines.assemble();
}

std::string loadEditedSave(const LoaderSetup& setup, CampaignState& state, std::string_view input) {
  const int base = input.empty() ? 0 : static_cast<unsigned char>(input.front()) % kSaveBaseCount;
  if (!input.empty()) input.remove_prefix(1);
  CheckingFileSystem files(state);
  files.files[std::string(kFileName)] = editedSave(setup.bases[base], input);
  PlayOnConsole console(state, files);
  Random random(1);
  Game game{state, console, files, random};
  try {
    runProgram(game);
  } catch (const InputEnded&) {
  } catch (const ProgramExit&) {
    if (!endsWithRefusal(console.outputTail())) return "the program ended without the refusal message";
    if (!(state == *setup.refusedState)) return "a refused file changed the campaign";
    return {};
  }
  return files.fault;
}

}  // namespace vaskorath::fuzzing
