// ChemKeywordsQuery: whole words of ASCII letters that belong to a keyword list (prefixes,
// stereodescriptors, element symbols), compared exactly and case-sensitively.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chem/keyword_set.h"
#include "script/builders.h"
#include "text/lib.h"

namespace glyphwright {

class ChemKeywordsQuery {
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

  // One unit (first index, length) per keyword word, in text order.
  std::u16string GetCommands(const CodeArray& chars) const;
  void AppendCommands(const CodeArray& chars, ScriptWriter& out) const;
  // The number of code units AppendCommands appends for chars.
  std::size_t CommandsLength(const CodeArray& chars) const;

 private:
  // Calls emit(first, length) for every keyword word, in text order.
  template <class Emit>
  void Scan(const CodeArray& chars, Emit&& emit) const;

  std::u16string command_ = u"Italic";
  int32_t primeMode_ = kKeywordAlone;
  std::vector<std::u16string> keywords_;
  KeywordSet lookup_;
};

}  // namespace glyphwright
