#include "nmr/multiplicity_words.h"

#include <utility>
#include <vector>

namespace glyphwright {
namespace {

// Whole words and what they are written as; "br" and "app" are prefixes of a pattern.
constexpr std::pair<std::u16string_view, std::u16string_view> kWords[] = {
    {u"s", u"s"},         {u"singlet", u"s"},     {u"d", u"d"},          {u"doublet", u"d"},
    {u"t", u"t"},         {u"triplet", u"t"},     {u"q", u"q"},          {u"quartet", u"q"},
    {u"quint", u"quint"}, {u"quintet", u"quint"}, {u"quin", u"quint"},   {u"p", u"quint"},
    {u"pent", u"quint"},  {u"pentet", u"quint"},  {u"sext", u"sext"},    {u"sextet", u"sext"},
    {u"sxt", u"sext"},    {u"sept", u"sept"},     {u"septet", u"sept"},  {u"hept", u"sept"},
    {u"heptet", u"sept"}, {u"m", u"m"},           {u"multiplet", u"m"},  {u"br", u"br"},
    {u"broad", u"br"},    {u"app", u"app"},       {u"apparent", u"app"}, {u"brs", u"br s"},
    {u"bs", u"br s"},
};

// A splitting pattern such as "dd", "dt", "tdd", "qd": letters of the simple multiplicities.
bool IsPattern(std::u16string_view word) {
  if (word.size() < 2 || word.size() > 6) return false;
  for (const char16_t c : word) {
    if (std::u16string_view(u"sdtqm").find(c) == std::u16string_view::npos) return false;
  }
  return true;
}

std::optional<std::u16string_view> WordForm(std::u16string_view word) {
  for (const auto& [typed, written] : kWords) {
    if (word == typed) return written;
  }
  if (IsPattern(word)) return word;
  return std::nullopt;
}

}  // namespace

bool LooksLikeMultiplicity(std::u16string_view typed) {
  bool letter = false;
  for (const char16_t c : typed) {
    if (c >= u'a' && c <= u'z') {
      letter = true;
    } else if (c != u' ' && c != u'.') {
      return false;
    }
  }
  return letter;
}

std::optional<std::u16string> KnownMultiplicity(std::u16string_view typed) {
  if (!LooksLikeMultiplicity(typed)) return std::nullopt;
  std::vector<std::u16string> prefixes;
  std::u16string pattern;
  std::size_t k = 0;
  while (k < typed.size()) {
    while (k < typed.size() && (typed[k] == u' ' || typed[k] == u'.')) ++k;
    std::size_t end = k;
    while (end < typed.size() && typed[end] != u' ' && typed[end] != u'.') ++end;
    if (end == k) break;
    std::u16string_view word = typed.substr(k, end - k);
    k = end;
    // "brd" is "br d"
    if (word.size() == 3 && word.substr(0, 2) == u"br" &&
        std::u16string_view(u"sdtqm").find(word[2]) != std::u16string_view::npos) {
      prefixes.emplace_back(u"br");
      word = word.substr(2);
    }
    const std::optional<std::u16string_view> form = WordForm(word);
    if (!form) return std::nullopt;
    if (*form == u"br" || *form == u"app") {
      prefixes.emplace_back(*form);
    } else if (*form == u"br s") {
      prefixes.emplace_back(u"br");
      if (!pattern.empty()) return std::nullopt;
      pattern.assign(1, u's');
    } else {
      if (!pattern.empty()) return std::nullopt;  // two patterns: not one multiplicity
      pattern = std::u16string(*form);
    }
  }
  if (prefixes.empty() && pattern.empty()) return std::nullopt;
  std::u16string written;
  for (const std::u16string& prefix : prefixes) {
    if (!written.empty()) written += u' ';
    written += prefix;
  }
  if (!pattern.empty()) {
    if (!written.empty()) written += u' ';
    written += pattern;
  }
  return written;
}

}  // namespace glyphwright
