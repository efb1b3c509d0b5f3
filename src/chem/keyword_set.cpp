#include "chem/keyword_set.h"

#include <algorithm>
#include <bit>

#include "text/char_class.h"

namespace glyphwright {
namespace {

bool IsLetterWord(std::u16string_view word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), IsAlphaChar);
}

}  // namespace

uint64_t KeywordSet::Hash(std::u16string_view word) {
  // FNV-1a over the code units.
  uint64_t hash = 14695981039346656037ull;
  for (const char16_t code : word) {
    hash ^= code;
    hash *= 1099511628211ull;
  }
  return hash;
}

KeywordSet::KeywordSet(std::span<const std::u16string> keywords) {
  std::size_t letterWords = 0;
  for (const std::u16string& keyword : keywords) letterWords += IsLetterWord(keyword) ? 1 : 0;
  if (letterWords == 0) return;
  // At most half full, so a probe meets an empty slot soon.
  slots_.resize(std::bit_ceil(letterWords * 2));
  const std::size_t mask = slots_.size() - 1;
  for (const std::u16string& keyword : keywords) {
    if (!IsLetterWord(keyword) || Find(keyword)) continue;
    std::size_t index = Hash(keyword) & mask;
    while (slots_[index].length != 0) index = (index + 1) & mask;
    slots_[index] =
        Slot{static_cast<uint32_t>(storage_.size()), static_cast<uint32_t>(keyword.size())};
    storage_ += keyword;
    lengths_ |= LengthBit(keyword.size());
    firstLetters_ |= LetterBit(keyword.front());
    ++count_;
  }
}

bool KeywordSet::Find(std::u16string_view word) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t index = Hash(word) & mask; slots_[index].length != 0;
       index = (index + 1) & mask) {
    if (At(slots_[index]) == word) return true;
  }
  return false;
}

}  // namespace glyphwright
