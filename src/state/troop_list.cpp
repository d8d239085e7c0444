// Troop list slot rules and the storage of the occupied slots.
#include "state/troop_list.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <functional>
#include <utility>

#include "state/line_ends.h"

namespace vaskorath {

namespace {

// Enough for the length of any text: 7 bits a byte.
constexpr std::size_t kMaxLengthBytes = (sizeof(std::size_t) * 8 + 6) / 7;

// Writes the length prefix of a name of `size` bytes; returns how many bytes it took.
std::size_t writeLength(std::size_t size, char* out) {
  std::size_t bytes = 0;
  do {
    unsigned char byte = size & 0x7f;
    size >>= 7;
    if (size != 0) byte |= 0x80;
    out[bytes++] = static_cast<char>(byte);
  } while (size != 0);
  return bytes;
}

bool holdsLineEnd(std::string_view name) { return std::find(name.begin(), name.end(), '\n') != name.end(); }

}  // namespace

TroopList::Iterator TroopList::begin() const {
  if (names_.empty()) return end();
  int slot = 0;
  while (!occupied_[slot]) ++slot;
  return Iterator(this, slot, 0);
}

std::size_t TroopList::offsetOf(int slot) const {
  // Units are mostly added behind the last one: no walk for them.
  if ((occupied_ >> slot).none()) return names_.size();
  std::size_t offset = 0;
  for (int below = 0; below < slot; ++below) {
    if (occupied_[below]) offset = entryAt(offset).next;
  }
  return offset;
}

std::string_view TroopList::operator[](int slot) const {
  if (!occupied_[slot]) return {};
  return entryAt(offsetOf(slot)).name;
}

std::size_t TroopList::nameBytes() const {
  // A line end follows each name; only a list with a line end in a name needs a walk. Most lists
  // are empty, and counting the slots of one costs more than this test.
  if (names_.empty()) return 0;
  if (!lengthPrefixed_) return names_.size() - occupied_.count();
  std::size_t bytes = 0;
  for (const Unit& unit : *this) bytes += unit.name.size();
  return bytes;
}

std::optional<std::string_view> TroopList::unitLines() const {
  if (lengthPrefixed_) return std::nullopt;
  return names_;
}

std::size_t TroopList::entryBytes(std::string_view name) const {
  if (!lengthPrefixed_) return name.size() + 1;
  char prefix[kMaxLengthBytes];
  return writeLength(name.size(), prefix) + name.size();
}

void TroopList::writeEntry(std::string_view name, char* out) const {
  if (lengthPrefixed_) out += writeLength(name.size(), out);
  std::memcpy(out, name.data(), name.size());
  if (!lengthPrefixed_) out[name.size()] = '\n';
}

void TroopList::appendEntry(std::string_view name) {
  const std::size_t offset = names_.size();
  names_.resize(offset + entryBytes(name));
  writeEntry(name, names_.data() + offset);
}

// Rare: only a name with a line end in it, which no file line and no typed text holds, needs this.
void TroopList::switchToLengthPrefixes() {
  TroopList prefixed;
  prefixed.lengthPrefixed_ = true;
  for (const Unit& unit : *this) prefixed.appendEntry(unit.name);
  prefixed.occupied_ = occupied_;
  *this = std::move(prefixed);
}

void TroopList::set(int slot, std::string_view name) {
  if (name.empty()) {
    clear(slot);
    return;
  }
  // A name taken from this very list would move while the storage changes.
  const std::less<const char*> before;
  if (!before(name.data(), names_.data()) && before(name.data(), names_.data() + names_.size())) {
    set(slot, std::string(name));
    return;
  }
  if (!lengthPrefixed_ && holdsLineEnd(name)) switchToLengthPrefixes();
  const std::size_t offset = offsetOf(slot);
  const std::size_t oldEnd = occupied_[slot] ? entryAt(offset).next : offset;
  names_.replace(offset, oldEnd - offset, entryBytes(name), '\0');
  writeEntry(name, names_.data() + offset);
  occupied_.set(slot);
}

void TroopList::clear(int slot) {
  if (!occupied_[slot]) return;
  const std::size_t offset = offsetOf(slot);
  names_.erase(offset, entryAt(offset).next - offset);
  occupied_.reset(slot);
}

void TroopList::clear() { *this = TroopList(); }

void TroopList::fill(std::string_view name) {
  clear();
  if (name.empty()) return;
  lengthPrefixed_ = holdsLineEnd(name);
  names_.reserve(entryBytes(name) * kTroopSlots);
  for (int slot = 0; slot < kTroopSlots; ++slot) appendEntry(name);
  occupied_.set();
}

void TroopList::assign(const std::array<std::string_view, kTroopSlots>& texts) {
  TroopList list;
  std::size_t bytes = 0;
  std::size_t units = 0;
  for (std::string_view text : texts) {
    if (text.empty()) continue;
    ++units;
    bytes += text.size();
  }
  list.names_.resize(bytes + units);  // one allocation of the exact size
  char* out = list.names_.data();
  for (int slot = 0; slot < kTroopSlots; ++slot) {
    const std::string_view text = texts[slot];
    if (text.empty()) continue;
    list.writeEntry(text, out);
    out += text.size() + 1;
    list.occupied_.set(slot);
  }
  // One count over all names is cheaper than a search in each; a text that holds a line end itself
  // needs the entries' lengths.
  if (countLineEnds(list.names_) != units) {
    list.names_.clear();
    list.lengthPrefixed_ = true;
    for (std::string_view text : texts) {
      if (!text.empty()) list.appendEntry(text);
    }
  }
  *this = std::move(list);
}

void TroopList::assignFullLines(std::string_view lines) {
  assert(std::count(lines.begin(), lines.end(), '\n') == kTroopSlots && lines.ends_with('\n') &&
         lines.front() != '\n' && lines.find("\n\n") == std::string_view::npos);
  names_.assign(lines);
  lengthPrefixed_ = false;
  occupied_.set();
}

bool TroopList::operator==(const TroopList& other) const {
  if (occupied_ != other.occupied_) return false;
  if (lengthPrefixed_ == other.lengthPrefixed_) return names_ == other.names_;
  return std::equal(begin(), end(), other.begin(), other.end(),
                    [](const Unit& mine, const Unit& theirs) { return mine.name == theirs.name; });
}

bool addUnit(TroopList& list, std::string_view unitName) {
  const auto& taken = list.slots();
  if (taken.all()) return false;
  int slot = 0;
  while (taken[slot]) ++slot;
  list.set(slot, unitName);
  return true;
}

void moveUnits(TroopList& from, TroopList& into) {
  if (into.slots().all() || countUnits(from) == 0) return;
  // Slots below `free` are taken and only this loop fills slots, so the search never restarts.
  int free = 0;
  TroopList left;  // the units that found no empty slot
  for (const TroopList::Unit& unit : from) {
    while (free < kTroopSlots && into.slots()[free]) ++free;
    if (free < kTroopSlots) {
      into.set(free, unit.name);
    } else {
      left.set(unit.slot, unit.name);
    }
  }
  from = std::move(left);
}

int countUnits(const TroopList& list) { return static_cast<int>(list.slots().count()); }

}  // namespace vaskorath
