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

  bool Contains(std::u16string_view word) const {
    // Most words are turned away here, without a call; the scans ask about every word twice.
    if (word.empty() || (lengths_ & LengthBit(word.size())) == 0 ||
        (firstLetters_ & LetterBit(word.front())) == 0) {
      return false;
    }
    return Find(word);
  }
  bool Empty() const { return count_ == 0; }

 private:
  struct Slot {
    uint32_t offset = 0;
    uint32_t length = 0;  // 0: an empty slot (a stored keyword is never empty)
  };

  static uint64_t LengthBit(std::size_t length) {
    return uint64_t{1} << (length < 63 ? length : 63);
  }
  // "A" to "Z" and "a" to "z" lie within 58 codes from "A".
  static uint64_t LetterBit(char16_t letter) { return uint64_t{1} << ((letter - u'A') & 63); }
  static uint64_t Hash(std::u16string_view word);
  bool Find(std::u16string_view word) const;
  std::u16string_view At(const Slot& slot) const {
    return std::u16string_view(storage_).substr(slot.offset, slot.length);
  }

  std::u16string storage_;   // every stored keyword, one after the other
  std::vector<Slot> slots_;  // open addressing, a power of two long
  std::size_t count_ = 0;
  // Bit L is set when some keyword has L letters (bit 63: 63 or more), and the bit of a letter
  // when some keyword starts with it, so most words that are no keyword are turned away before
  // hashing: element symbols start with a capital, the prefixes with a small letter.
  uint64_t lengths_ = 0;
  uint64_t firstLetters_ = 0;
};

}  // namespace glyphwright
