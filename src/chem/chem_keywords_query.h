// ChemKeywordsQuery: whole words of ASCII letters that belong to a keyword list (prefixes,
// stereodescriptors, element symbols), compared exactly and case-sensitively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chem/keyword_set.h"
#include "chem/scan_units.h"
#include "text/lib.h"

namespace glyphwright {

class ChemKeywordsQuery : public ScannerCommands<ChemKeywordsQuery> {
 public:
  // PrimeMode values: a keyword alone, or a keyword with the apostrophes right after it (N').
  static constexpr int32_t kKeywordAlone = 0;
  static constexpr int32_t kKeywordWithPrimes = 1;

  const std::u16string& Command() const { return command_; }
  void SetCommand(std::u16string_view Command) { command_ = Command; }

  int32_t PrimeMode() const { return primeMode_; }
  void SetPrimeMode(int32_t PrimeMode) { primeMode_ = PrimeMode; }

  // Words separated by "|", kept as they are (not trimmed); empty pieces never match.
  void SetKeywords(std::u16string_view Words);

  std::u16string_view Word() const { return command_; }
  // Calls emit(first index, length) for every keyword word, in text order.
  template <class Emit>
  void Scan(const CodeArray& chars, Emit&& emit) const;

 private:
  std::u16string command_ = u"Italic";
  int32_t primeMode_ = kKeywordAlone;
  std::vector<std::u16string> keywords_;
  KeywordSet lookup_;
};

template <class Emit>
void ChemKeywordsQuery::Scan(const CodeArray& chars, Emit&& emit) const {
  if (lookup_.Empty()) return;
  const char16_t* c = chars.c_str();
  const std::size_t n = chars.size();
  std::size_t i = 0;
  while (i < n) {
    if (!IsAlphaChar(c[i])) {
      ++i;
      continue;
    }
    // A word is a maximal run of ASCII letters, so a keyword never matches inside a longer word.
    std::size_t j = i + 1;
    while (IsAlphaChar(c[j])) ++j;
    if (lookup_.Contains(std::u16string_view(c + i, j - i))) {
      if (primeMode_ == kKeywordWithPrimes) {
        while (c[j] == u'\'') ++j;
      }
      if (!ReportUnit(emit, i, j - i)) return;
    }
    i = j;
  }
}

}  // namespace glyphwright
