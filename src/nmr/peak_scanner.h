// The one-character scanner the peak-list parser reads with. CurrentChar is the code unit under
// the scanner or, once the scanner has passed the last character, the end of the text, which is
// no character at all: it is not a blank, a digit or a letter, and equals nothing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "text/char_class.h"

namespace glyphwright {

class PeakScanner {
 public:
  // Where the scanner stands; restoring it puts the scanner back exactly there.
  using State = int32_t;

  explicit PeakScanner(std::u16string_view source)
      : source_(source), length_(static_cast<int32_t>(source.size())) {}

  // Puts the scanner on index, which may be -1: just before the first character.
  void StartAt(int32_t index) { Restore(index); }

  int32_t CurrentIndex() const { return index_; }
  State Save() const { return index_; }
  void Restore(State state) {
    index_ = state;
    atEnd_ = index_ < 0 || index_ >= length_;
    current_ = atEnd_ ? u'\0' : source_[index_];
  }

  bool AtEnd() const { return atEnd_; }
  bool Is(char16_t c) const { return !atEnd_ && current_ == c; }
  // A blank is the space character and nothing else: not a tab, not a no-break space.
  bool IsBlank() const { return Is(u' '); }
  bool IsDigit() const { return !atEnd_ && IsDigitChar(current_); }
  bool IsLetter() const { return !atEnd_ && IsAlphaChar(current_); }

  // One character on. The end of the text is never passed: the index stays at the length.
  void Advance() { Restore(std::min(index_ + 1, length_)); }

  void SkipBlanks() {
    while (IsBlank()) Advance();
  }

  // Steps over c when it is the current character.
  bool Accept(char16_t c) {
    if (!Is(c)) return false;
    Advance();
    return true;
  }

  // The run of digits, or of letters, from here; possibly empty. A run is one piece of the
  // source, so it is answered as a view into it.
  std::u16string_view ReadDigits() { return ReadWhile(IsDigitChar); }
  std::u16string_view ReadLetters() { return ReadWhile(IsAlphaChar); }

  // The source from start up to, not including, the current index.
  std::u16string_view TextFrom(int32_t start) const {
    if (index_ <= start) return {};
    return source_.substr(start, index_ - start);
  }

 private:
  // Inline for every class, so that a run costs no call per character.
  template <class Test>
  std::u16string_view ReadWhile(Test test) {
    const int32_t start = index_;
    while (!atEnd_ && test(current_)) Advance();
    return TextFrom(start);
  }

  std::u16string_view source_;
  int32_t length_;
  int32_t index_ = -1;
  bool atEnd_ = true;
  char16_t current_ = u'\0';
};

}  // namespace glyphwright
