// A list of 200 unit slots with holes: units go into the first empty slot, removal empties a slot.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "state/capacities.h"
#include "state/line_ends.h"

namespace vaskorath {

// Any text may stand in a slot; the empty text is an empty slot. Only the occupied slots take
// memory (their names, in slot order), so an empty list costs one small object and a walk over the
// list visits only its units.
class TroopList {
 public:
  struct Unit {
    int slot;
    std::string_view name;
  };

  // The units in slot order. Changing the list ends every walk over it.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Unit;
    using difference_type = std::ptrdiff_t;
    using pointer = const Unit*;
    using reference = const Unit&;

    Iterator() = default;
    const Unit& operator*() const { return unit_; }
    const Unit* operator->() const { return &unit_; }
    Iterator& operator++();
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& other) const { return unit_.slot == other.unit_.slot; }

   private:
    friend class TroopList;
    Iterator(const TroopList* list, int slot, std::size_t offset);

    const TroopList* list_ = nullptr;
    Unit unit_{kTroopSlots, {}};
    std::size_t next_ = 0;  // where the entry after this unit's begins
  };

  Iterator begin() const;
  Iterator end() const { return Iterator(); }

  // The unit in `slot` (0 to 199), or "" when the slot is empty.
  std::string_view operator[](int slot) const;
  // Which slots hold a unit.
  const std::bitset<kTroopSlots>& slots() const { return occupied_; }
  // The bytes of all units' names together.
  std::size_t nameBytes() const;
  // The units' names in slot order, each followed by "\n", as the lines of a file hold them; none
  // when a name holds a line end itself.
  std::optional<std::string_view> unitLines() const;

  // Puts `name` into `slot` (0 to 199), replacing what was there; "" empties the slot.
  void set(int slot, std::string_view name);
  void clear(int slot);
  // Empties every slot.
  void clear();
  // Puts `name` into every slot.
  void fill(std::string_view name);
  // Makes the list hold texts[slot] in every slot at once, as a loaded file gives them.
  void assign(const std::array<std::string_view, kTroopSlots>& texts);
  // Makes every slot hold a unit, one per line of `lines`: 200 names that are not empty, each
  // followed by "\n", as a file holds a full list.
  void assignFullLines(std::string_view lines);

  // Equal when every slot holds the same text.
  bool operator==(const TroopList& other) const;

 private:
  struct Entry {
    std::string_view name;
    std::size_t next;  // where the following entry begins
  };
  Entry entryAt(std::size_t offset) const;
  static Entry lengthPrefixedEntry(std::string_view names, std::size_t offset);
  std::size_t offsetOf(int slot) const;
  std::size_t entryBytes(std::string_view name) const;
  void writeEntry(std::string_view name, char* out) const;
  void appendEntry(std::string_view name);
  void switchToLengthPrefixes();

  std::bitset<kTroopSlots> occupied_;
  // For each occupied slot in slot order: the name and "\n", so a full list is already the lines a
  // file holds. Once a name holds a line end itself, the entries are the name's length instead (7
  // bits a byte, high bit: more follow), then the name.
  std::string names_;
  bool lengthPrefixed_ = false;
};

// Walks run in every save and every report, so their steps are inline.
inline TroopList::Entry TroopList::entryAt(std::size_t offset) const {
  if (lengthPrefixed_) return lengthPrefixedEntry(names_, offset);
  const std::size_t end = findLineEnd(names_, offset);
  return {std::string_view(names_.data() + offset, end - offset), end + 1};
}

inline TroopList::Entry TroopList::lengthPrefixedEntry(std::string_view names, std::size_t offset) {
  std::size_t size = 0;
  int shift = 0;
  unsigned char byte = 0;
  do {
    byte = static_cast<unsigned char>(names[offset++]);
    size |= static_cast<std::size_t>(byte & 0x7f) << shift;
    shift += 7;
  } while ((byte & 0x80) != 0);
  return {std::string_view(names.data() + offset, size), offset + size};
}

inline TroopList::Iterator::Iterator(const TroopList* list, int slot, std::size_t offset) : list_(list) {
  const Entry entry = list_->entryAt(offset);
  unit_ = {slot, entry.name};
  next_ = entry.next;
}

inline TroopList::Iterator& TroopList::Iterator::operator++() {
  if (next_ == list_->names_.size()) {
    *this = Iterator();
    return *this;
  }
  do ++unit_.slot;
  while (!list_->occupied_[unit_.slot]);
  const Entry entry = list_->entryAt(next_);
  unit_.name = entry.name;
  next_ = entry.next;
  return *this;
}

// Puts the unit into the lowest empty slot; returns false (and changes nothing) when all are taken.
bool addUnit(TroopList& list, std::string_view unitName);

// Moves every unit of `from`, in slot order, into the lowest empty slot of `into`; the units that
// find no empty slot stay where they were in `from`.
void moveUnits(TroopList& from, TroopList& into);

// Number of slots that hold a unit.
int countUnits(const TroopList& list);

}  // namespace vaskorath
