// Save file writer and reader over one buffer; both follow the field order of save_fields.h.
#include "persistence/save_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <memory>
#include <numeric>
#include <optional>
#include <utility>

#include "persistence/line_cursor.h"
#include "persistence/save_fields.h"
#include "state/line_ends.h"

namespace vaskorath {

namespace {

// Longest int in decimal: "-2147483648".
constexpr std::size_t kMaxNumberLength = 11;

// A whole 32-bit number with an optional leading "-" and nothing else: no blanks, no "+".
std::optional<int> parseNumber(std::string_view line) {
  int value = 0;
  const char* end = line.data() + line.size();
  const auto [stop, error] = std::from_chars(line.data(), end, value);
  if (error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

// The bytes of a troop list's lines.
std::size_t troopLineBytes(const TroopList& list, std::size_t lineEndBytes) {
  return list.nameBytes() + kTroopSlots * lineEndBytes;
}

// Whether a walk's fields hold nothing: no text, no unit, 0 and false, as every field of a fresh
// campaign's march indices does.
struct RestCheck {
  bool atRest = true;

  void text(const std::string& value) { atRest = atRest && value.empty(); }
  void troops(const TroopList& list) { atRest = atRest && list.slots().none(); }
  void number(int value, ValueRange) { atRest = atRest && value == 0; }
  void flag(bool value) { atRest = atRest && !value; }
};

// Empties every field a walk passes.
struct PutAtRest {
  void text(std::string& value) { value.clear(); }
  void troops(TroopList& list) { list.clear(); }
  void number(int& value, ValueRange) { value = 0; }
  void flag(bool& value) { value = false; }
};

// Whether every saved field of march index `index` of `faction` holds nothing. Asked through the
// field walk itself, so a field added to the walk is never passed over unseen.
bool marchIndexAtRest(const CampaignState& state, int faction, int index) {
  RestCheck check;
  walkMarchIndex(state, faction, index, check);
  return check.atRest;
}

void putMarchIndexAtRest(CampaignState& state, int faction, int index) {
  PutAtRest put;
  walkMarchIndex(state, faction, index, put);
}

// The lines of march indices `first` to `end` - 1 of a faction whose indices are all at rest.
class RestingMarchLines {
 public:
  static const RestingMarchLines& get();

  std::string_view between(int first, int end) const {
    return std::string_view(text_).substr(byteOffsets_[first], byteOffsets_[end] - byteOffsets_[first]);
  }
  static int lineCount(int first, int end) { return linesBefore(end) - linesBefore(first); }

 private:
  RestingMarchLines();
  static int linesBefore(int index) {
    return index * kLinesPerMarchIndex + std::min(index, kLocationReportCount) * kLinesPerLocationReport;
  }

  std::string text_;
  std::array<std::size_t, kMarchCount + 1> byteOffsets_{};
};

// Exact size of the file; only needed for a campaign whose file outgrows the usual estimate.
struct SizeCounter {
  std::size_t lineEndBytes;
  std::size_t bytes = 0;

  void text(const std::string& value) { bytes += value.size() + lineEndBytes; }
  void troops(const TroopList& list) { bytes += troopLineBytes(list, lineEndBytes); }
  void number(int value, ValueRange) {
    char buffer[kMaxNumberLength];
    bytes += static_cast<std::size_t>(std::to_chars(buffer, buffer + kMaxNumberLength, value).ptr - buffer) +
             lineEndBytes;
  }
  void flag(bool) { bytes += 1 + lineEndBytes; }
};

// Appends lines through a plain cursor, so an empty text costs one store and, where the line end
// is one byte that the buffer is filled with beforehand, a run of empty slots costs none. The
// buffer starts at the usual size of a file; a campaign with long texts everywhere is measured once
// and the buffer grown to its exact size, so no file is copied more than once.
class LineWriter {
 public:
  LineWriter(const CampaignState& state, std::size_t expectedBytes, std::string_view lineEnd)
      : state_(state),
        lineEnd_(lineEnd),
        filler_(lineEnd.size() == 1 ? lineEnd.front() : '\0'),
        buffer_(expectedBytes, filler_),
        cursor_(buffer_.data()) {}

  void text(const std::string& value) { line(value); }
  // The units in their slots, an empty line for each hole.
  void troops(const TroopList& list) {
    reserve(troopLineBytes(list, lineEnd_.size()));
    // A full list already holds its lines: one copy instead of a step per unit.
    if (lineEnd_ == "\n" && list.slots().all()) {
      if (const std::optional<std::string_view> lines = list.unitLines()) {
        std::memcpy(cursor_, lines->data(), lines->size());
        cursor_ += lines->size();
        return;
      }
    }
    int slot = 0;
    for (const TroopList::Unit& unit : list) {
      if (unit.slot > slot) emptyLines(unit.slot - slot);
      std::memcpy(cursor_, unit.name.data(), unit.name.size());
      cursor_ += unit.name.size();
      endLine();
      slot = unit.slot + 1;
    }
    emptyLines(kTroopSlots - slot);
  }
  // A run of march indices at rest is one copy.
  int restingMarchIndices(const CampaignState& state, int faction, int first) {
    if (lineEnd_ != "\n") return 0;
    int end = first;
    while (end < kMarchCount && marchIndexAtRest(state, faction, end)) ++end;
    const std::string_view lines = RestingMarchLines::get().between(first, end);
    reserve(lines.size());
    std::memcpy(cursor_, lines.data(), lines.size());
    cursor_ += lines.size();
    return end - first;
  }
  void number(int value, ValueRange) {
    reserve(kMaxNumberLength + lineEnd_.size());
    cursor_ = std::to_chars(cursor_, cursor_ + kMaxNumberLength, value).ptr;
    endLine();
  }
  void flag(bool value) {
    reserve(1 + lineEnd_.size());
    *cursor_++ = value ? '1' : '0';
    endLine();
  }

  std::size_t bytesWritten() const { return static_cast<std::size_t>(cursor_ - buffer_.data()); }

  std::string finish() && {
    buffer_.resize(static_cast<std::size_t>(cursor_ - buffer_.data()));
    return std::move(buffer_);
  }

 private:
  void line(std::string_view value) {
    reserve(value.size() + lineEnd_.size());
    if (!value.empty()) {
      std::memcpy(cursor_, value.data(), value.size());
      cursor_ += value.size();
    }
    endLine();
  }
  // Within room already reserved. A one-byte line end already fills every byte past the cursor.
  void emptyLines(int count) {
    if (lineEnd_.size() == 1) {
      cursor_ += count;
      return;
    }
    for (int line = 0; line < count; ++line) endLine();
  }
  void reserve(std::size_t bytes) {
    if (static_cast<std::size_t>(buffer_.data() + buffer_.size() - cursor_) < bytes) grow(bytes);
  }
  void endLine() {
    for (char c : lineEnd_) *cursor_++ = c;
  }
  void grow(std::size_t bytes) {
    const std::size_t used = static_cast<std::size_t>(cursor_ - buffer_.data());
    SizeCounter size{lineEnd_.size()};
    walkSaveFields(state_, size);
    buffer_.resize(std::max(size.bytes + kMaxNumberLength, used + bytes), filler_);
    cursor_ = buffer_.data() + used;
  }

  const CampaignState& state_;
  std::string_view lineEnd_;
  char filler_;  // what the buffer holds past the cursor
  std::string buffer_;
  char* cursor_;
};

const RestingMarchLines& RestingMarchLines::get() {
  static const RestingMarchLines lines;
  return lines;
}

// Written by the writer itself, field by field, so they follow the field order by construction.
RestingMarchLines::RestingMarchLines() {
  const std::unique_ptr<CampaignState> fresh = makeCampaignState();
  LineWriter writer(*fresh, 2 * static_cast<std::size_t>(linesBefore(kMarchCount)), "\n");
  for (int index = 0; index < kMarchCount; ++index) {
    putMarchIndexAtRest(*fresh, 0, index);
    byteOffsets_[index] = static_cast<std::size_t>(writer.bytesWritten());
    walkMarchIndex(*fresh, 0, index, writer);
  }
  byteOffsets_[kMarchCount] = writer.bytesWritten();
  text_ = std::move(writer).finish();
}

// Passes over the run of march indices from `first` on that the file holds at rest. Each stretch
// compared is twice the last, so a long run costs a few comparisons and a short one no more bytes
// than it has; returns how many indices were passed.
int skipRestingMarchIndices(LineCursor& lines, int first) {
  const RestingMarchLines& resting = RestingMarchLines::get();
  int end = first;
  for (int step = 1; end < kMarchCount;) {
    const int stretchEnd = std::min(kMarchCount, end + step);
    if (lines.skipIfNext(resting.between(end, stretchEnd), RestingMarchLines::lineCount(end, stretchEnd))) {
      end = stretchEnd;
      step *= 2;
    } else if (step > 1) {
      step = 1;
    } else {
      break;
    }
  }
  return end - first;
}

// First pass: checks every number and flag line; remembers the first bad one and where the
// faction and the scalar blocks begin, for the checks that compare values of one block.
struct LineChecker {
  LineCursor lines;
  ReadResult result;
  std::string_view factionBlock;
  std::string_view scalarBlock;

  void text(const std::string&) { next(); }
  void troops(const TroopList&) {
    // No block begins inside a troop list, so passing one over whole misses no block start.
    if (!lines.skipEmptyTroopList()) lines.skip(kTroopSlots);
  }
  // March indices at rest hold nothing but defaults, each within its range. After a fault the rest
  // of the faction's indices are passed over unread.
  int restingMarchIndices(const CampaignState&, int, int first) {
    return result ? skipRestingMarchIndices(lines, first) : kMarchCount - first;
  }
  void number(int, ValueRange range) {
    noteBlockStart();
    std::optional<int> value = lines.nextPlainNumber();
    if (!value) value = parseNumber(lines.next());
    if (!result.ok) return;
    if (!value) {
      fail("a whole 32-bit number");
    } else if (!range.contains(*value)) {
      fail("a number from " + std::to_string(range.minimum) + " to " + std::to_string(range.maximum));
    }
  }
  void flag(bool) {
    const std::string_view line = next();
    if (result.ok && line != "0" && line != "1") fail("a flag, 0 or 1");
  }

  std::string_view next() {
    noteBlockStart();
    return lines.next();
  }
  void noteBlockStart() {
    if (lines.lineNumber() == kLocationBlockLines) factionBlock = lines.rest();
    if (lines.lineNumber() == kSaveFileLines - kScalarBlockLines) scalarBlock = lines.rest();
  }

  // Nothing after the first fault is looked at: the file is refused either way, and whether for
  // this line or for its length is decided by a count of its own.
  void fail(std::string expected) {
    result = ReadResult{false, lines.lineNumber(), std::move(expected)};
    lines.abandon();
  }
};

// Second pass, over a checked file: assigns every value.
struct LineLoader {
  LineCursor lines;
  std::string scratch;  // a full troop list's lines without their carriage returns

  void text(std::string& value) {
    const std::string_view line = lines.next();
    if (line.empty()) {
      value.clear();
    } else {
      value.assign(line);
    }
  }
  void troops(TroopList& list) {
    if (lines.skipEmptyTroopList()) {
      list.clear();
      return;
    }
    if (const std::optional<std::string_view> full = lines.takeFullTroopList(scratch)) {
      list.assignFullLines(*full);
      return;
    }
    std::array<std::string_view, kTroopSlots> texts;
    for (std::string_view& text : texts) text = lines.next();
    list.assign(texts);
  }
  int restingMarchIndices(CampaignState& state, int faction, int first) {
    const int taken = skipRestingMarchIndices(lines, first);
    for (int index = first; index < first + taken; ++index) putMarchIndexAtRest(state, faction, index);
    return taken;
  }
  void number(int& value, ValueRange) {
    std::optional<int> number = lines.nextPlainNumber();
    if (!number) number = parseNumber(lines.next());
    value = number.value_or(0);
  }
  void flag(bool& value) { value = lines.next() == "1"; }
};

// The scalar block on its own, read through the same walk as the whole state.
struct SavedScalars {
  std::array<std::string, kMaxPlayers> homePlanets;
  int i = 0;
  int runde = 0;
  int endrunde = 0;
  int drawCounter = 0;
  int anzahlspieler = 0;
  int kampfz = 0;

  std::string& heimatplanet(int player) { return homePlanets[player]; }
};

// Values that are only wrong together: the saved round must lie before the round limit.
ReadResult checkScalarsTogether(std::string_view scalarBlock) {
  SavedScalars scalars;
  LineLoader loader{LineCursor(scalarBlock), {}};
  walkScalarBlock(scalars, loader);
  if (scalars.runde >= scalars.endrunde) {
    return ReadResult{false, kSaveFileLines - 3, "a round limit above the current round"};
  }
  return {};
}

// The faction block on its own, read through the same walk as the whole state.
struct SavedFactions {
  std::array<FactionRecord, kFactionCount> spielerliste;
};

// The most agents a faction can hold in all as the campaign goes on from the file: what it holds,
// except that the rebels' home service is set anew every round and may drift up to a fixed number.
long long reachableAgentTotal(const FactionRecord& record, int faction) {
  long long total = std::accumulate(record.agents.begin(), record.agents.end(), 0LL);
  if (faction == kRebelFaction) {
    total += std::max(0, kMostRebelHomeAgentsAfterDrift - record.agents[kRebelFaction]);
  }
  return total;
}

// Values that are only wrong together: moving agents keeps a faction's total but can gather it into
// one entry, so the total must fit where one entry may go; recruiting never takes it further.
ReadResult checkFactionsTogether(std::string_view factionBlock) {
  SavedFactions factions;
  LineLoader loader{LineCursor(factionBlock), {}};
  walkFactionBlock(factions, loader);
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (reachableAgentTotal(factions.spielerliste[faction], faction) > kAgentCount.maximum) {
      return ReadResult{false, kLocationBlockLines + faction * kLinesPerFaction + 1,
                        faction == kRebelFaction
                            ? "rebel agents adding up to at most " + std::to_string(kMaxAgents) + " with " +
                                  std::to_string(kMostRebelHomeAgentsAfterDrift) + " or more at home"
                            : "agents of one faction adding up to at most " + std::to_string(kMaxAgents)};
    }
  }
  return {};
}

// Lines in the buffer; a last line without its line end counts as well.
std::ptrdiff_t countLines(std::string_view content) {
  if (content.empty()) return 0;
  const auto lineEnds = static_cast<std::ptrdiff_t>(countLineEnds(content));
  return content.back() == '\n' ? lineEnds : lineEnds + 1;
}

ReadResult checkLineCount(std::string_view content) {
  const std::ptrdiff_t lines = countLines(content);
  const std::string expected = std::to_string(kSaveFileLines) + " lines, found " + std::to_string(lines);
  if (lines < kSaveFileLines) return ReadResult{false, static_cast<int>(lines) + 1, expected};
  if (lines > kSaveFileLines) return ReadResult{false, kSaveFileLines + 1, expected};
  return {};
}

}  // namespace

std::string writeSaveFile(const CampaignState& state, std::string_view lineEnd) {
  // Most lines of a campaign are empty slots; a fresh campaign's file is about 1.02 bytes a line.
  LineWriter writer(state, (kSaveFileLines + kSaveFileLines / 8) * lineEnd.size(), lineEnd);
  walkSaveFields(state, writer);
  return std::move(writer).finish();
}

ReadResult checkSaveFile(std::string_view content, const CampaignState& layout) {
  LineChecker checker{LineCursor(content), {}, {}, {}};
  walkSaveFields(layout, checker);
  // A file of the wrong length is refused for its length before anything else. The walk takes
  // exactly as many lines as a save has, so a file it ends on exactly has the right length and
  // needs no count of its own.
  if (!checker.lines.atTheEnd()) {
    if (ReadResult count = checkLineCount(content); !count) return count;
  }
  if (!checker.result) return checker.result;
  if (ReadResult together = checkFactionsTogether(checker.factionBlock); !together) return together;
  return checkScalarsTogether(checker.scalarBlock);
}

ReadResult readSaveFile(std::string_view content, CampaignState& state) {
  // The check walks the live state only for the shape of the file; it changes nothing.
  if (ReadResult check = checkSaveFile(content, state); !check) return check;
  LineLoader loader{LineCursor(content), {}};
  walkSaveFields(state, loader);
  return {};
}

}  // namespace vaskorath
