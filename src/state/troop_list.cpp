// Troop list slot rules and the packed storage of the occupied slots.
#include "state/troop_list.h"

#include <cstring>
#include <functional>
#include <utility>

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
    if (occupied_[below]) offset = readEntry(names_, offset).next;
  }
  return offset;
}

std::string_view TroopList::operator[](int slot) const {
  if (!occupied_[slot]) return {};
  return readEntry(names_, offsetOf(slot)).name;
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
  const std::size_t offset = offsetOf(slot);
  const Entry old = occupied_[slot] ? readEntry(names_, offset) : Entry{{}, offset};
  const std::size_t oldBytes = old.next - offset;
  nameBytes_ = nameBytes_ - old.name.size() + name.size();
  char prefix[kMaxLengthBytes];
  const std::size_t prefixBytes = writeLength(name.size(), prefix);
  names_.replace(offset, oldBytes, prefixBytes + name.size(), '\0');
  std::memcpy(names_.data() + offset, prefix, prefixBytes);
  std::memcpy(names_.data() + offset + prefixBytes, name.data(), name.size());
  occupied_.set(slot);
}

void TroopList::clear(int slot) {
  if (!occupied_[slot]) return;
  const std::size_t offset = offsetOf(slot);
  const Entry entry = readEntry(names_, offset);
  nameBytes_ -= entry.name.size();
  names_.erase(offset, entry.next - offset);
  occupied_.reset(slot);
}

void TroopList::clear() { *this = TroopList(); }

void TroopList::fill(std::string_view name) {
  clear();
  if (name.empty()) return;
  char prefix[kMaxLengthBytes];
  const std::size_t prefixBytes = writeLength(name.size(), prefix);
  names_.reserve((prefixBytes + name.size()) * kTroopSlots);
  for (int slot = 0; slot < kTroopSlots; ++slot) {
    names_.append(prefix, prefixBytes);
    names_.append(name);
  }
  nameBytes_ = name.size() * kTroopSlots;
  occupied_.set();
}

void TroopList::assign(const std::array<std::string_view, kTroopSlots>& texts) {
  char prefix[kMaxLengthBytes];
  std::size_t bytes = 0;
  for (std::string_view text : texts) {
    if (!text.empty()) bytes += writeLength(text.size(), prefix) + text.size();
  }
  TroopList list;
  list.names_.resize(bytes);  // one allocation of the exact size
  char* out = list.names_.data();
  for (int slot = 0; slot < kTroopSlots; ++slot) {
    const std::string_view text = texts[slot];
    if (text.empty()) continue;
    out += writeLength(text.size(), out);
    std::memcpy(out, text.data(), text.size());
    out += text.size();
    list.nameBytes_ += text.size();
    list.occupied_.set(slot);
  }
  *this = std::move(list);
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
