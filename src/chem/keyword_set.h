// KeywordSet answers "is this word a keyword?" in one hash probe, whatever the list's length.
// The keyword scan only ever asks about whole runs of ASCII letters, so a keyword holding
// anything else (a digit, a hyphen, a blank, or nothing at all) can never be asked about and is
// left out. A word's answer is the same as comparing it with every keyword in turn.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright {

class KeywordSet {
 public:
  KeywordSet() = default;
  explicit KeywordSet(std::span<const std::u16string> keywords);

  bool Contains(std::u16string_view word) const;
  bool Empty() const { return count_ == 0; }

 private:
  struct Slot {
    uint32_t offset = 0;
    uint32_t length = 0;  // 0: an empty slot (a stored keyword is never empty)
  };

  static uint64_t Hash(std::u16string_view word);
  std::u16string_view At(const Slot& slot) const {
    return std::u16string_view(storage_).substr(slot.offset, slot.length);
  }

  std::u16string storage_;   // every stored keyword, one after the other
  std::vector<Slot> slots_;  // open addressing, a power of two long
  std::size_t count_ = 0;
  // Bit L is set when some keyword has L letters (bit 63: 63 or more), so most words that are
  // no keyword are turned away before hashing.
  uint64_t lengths_ = 0;
};

}  // namespace glyphwright
