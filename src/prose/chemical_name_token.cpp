#include "prose/chemical_name_token.h"

#include <array>
#include <cstddef>
#include <string>

#include "prose/element_symbols.h"
#include "text/char_class.h"

namespace glyphwright::prose {
namespace {

// The stems of substitutive names: parent hydrides, rings, functional suffixes and prefixes,
// sugars and amino acids. The alkane roots count only with the ending that makes them a name
// (meth-yl, but-ane), so that "method" or "button" never does.
constexpr std::u16string_view kStems[] = {
    u"methyl",   u"methan",   u"methen",    u"methox",    u"ethyl",     u"ethan",    u"ethen",
    u"ethyn",    u"ethox",    u"propyl",    u"propan",    u"propen",    u"propyn",   u"propox",
    u"propion",  u"butyl",    u"butan",     u"buten",     u"butyn",     u"butox",    u"butyr",
    u"pentyl",   u"pentan",   u"penten",    u"hexyl",     u"hexan",     u"hexen",    u"hexa",
    u"heptyl",   u"heptan",   u"hepten",    u"octyl",     u"octan",     u"octen",    u"nonyl",
    u"nonan",    u"decyl",    u"decan",     u"cyclo",     u"benz",      u"phenyl",   u"phenol",
    u"phenox",   u"phenan",   u"phenethyl", u"toluen",    u"toluid",    u"xylen",    u"naphth",
    u"anthra",   u"pyrid",    u"pyrrol",    u"pyrazin",   u"pyrazol",   u"pyrimid",  u"pyran",
    u"pyren",    u"indol",    u"indaz",     u"indan",     u"indene",    u"indenyl",  u"quinol",
    u"quinox",   u"quinaz",   u"furan",     u"furyl",     u"thiophen",  u"thienyl",  u"thiazol",
    u"oxazol",   u"imidazol", u"triazol",   u"tetrazol",  u"morpholin", u"piperid",  u"piperazin",
    u"purin",    u"azetid",   u"aziridin",  u"oxiran",    u"oxetan",    u"chromen",  u"chroman",
    u"coumarin", u"carbazol", u"fluoren",   u"styren",    u"stilben",   u"anilin",   u"cresol",
    u"catechol", u"amine",    u"amino",     u"amide",     u"amido",     u"imine",    u"imide",
    u"hydroxy",  u"hydrazin", u"chloro",    u"chlorid",   u"bromo",     u"bromid",   u"iodo",
    u"iodid",    u"fluoro",   u"fluorid",   u"nitro",     u"nitril",    u"nitros",   u"cyano",
    u"acetyl",   u"acetat",   u"acetamid",  u"acetic",    u"formyl",    u"formamid", u"formic",
    u"carbonyl", u"carboxy",  u"carbamo",   u"carbamat",  u"sulfon",    u"sulfin",   u"sulfan",
    u"thiol",    u"phosph",   u"silyl",     u"boryl",     u"oxide",     u"oxido",    u"oxo",
    u"anoic",    u"enoic",    u"anol",      u"anone",     u"diene",     u"ylidene",  u"vinyl",
    u"allyl",    u"benzyl",   u"glycer",    u"glycin",    u"glycos",    u"gluco",    u"galacto",
    u"galact",   u"mannos",   u"fructos",   u"ribos",     u"xylos",     u"arabin",   u"lactat",
    u"lactos",   u"alanin",   u"serin",     u"threonin",  u"leucin",    u"valin",    u"prolin",
    u"lysin",    u"cystein",  u"tyrosin",   u"tryptophan"};

// The stems above end early enough that a word reading on past one is still a name; these are the
// remaining amino acids and stems.
constexpr std::u16string_view kMoreStems[] = {u"histidin",  u"glutam",   u"aspart",    u"arginin",
                                              u"methionin", u"ornithin", u"asparagin", u"adenosyl",
                                              u"camphor",   u"menthol",  u"norborn",   u"cinnam",
                                              u"glucos",    u"threose",  u"erythrose", u"binaphth"};

bool IsStereodescriptor(std::u16string_view word) {
  return word == u"R" || word == u"S" || word == u"E" || word == u"Z" || word == u"RS" ||
         word == u"SR" || word == u"EZ" || word == u"ZE";
}

bool IsConfigurationLetter(std::u16string_view word) {
  return word == u"D" || word == u"L" || word == u"DL";
}

// The position and stereo prefixes of formulas and names (the built-in prefix list).
bool IsPositionPrefix(std::u16string_view word) {
  static constexpr std::u16string_view kPrefixes[] = {
      u"syn",      u"anti", u"meso", u"racemi", u"cis",   u"trans",   u"rel",  u"l",
      u"d",        u"dl",   u"i",    u"endo",   u"exo",   u"sec",     u"tert", u"n",
      u"s",        u"t",    u"o",    u"m",      u"p",     u"vic",     u"gem",  u"cisoid",
      u"transoid", u"r",    u"c",    u"ent",    u"gache", u"erythro", u"threo"};
  for (std::u16string_view prefix : kPrefixes) {
    if (prefix == word) return true;
  }
  return false;
}

bool IsKeyword(std::u16string_view word) {
  return IsElementSymbol(word) || IsStereodescriptor(word) || IsConfigurationLetter(word) ||
         IsPositionPrefix(word);
}

// "(R)-", "(2S,3R)-", "(E)-", "(1R,2S,5R)-" at the start of the token: a stereodescriptor group.
bool OpensWithStereoGroup(std::u16string_view token) {
  if (token.size() < 5 || token[0] != u'(') return false;
  const std::size_t close = token.find(u')');
  if (close == std::u16string_view::npos || close + 2 >= token.size() || token[close + 1] != u'-')
    return false;
  bool sawDescriptor = false;
  std::size_t p = 1;
  while (p < close) {
    while (p < close && IsDigitChar(token[p])) ++p;
    const std::size_t word = p;
    while (p < close && IsAlphaChar(token[p])) ++p;
    if (p == word || !IsStereodescriptor(token.substr(word, p - word))) return false;
    sawDescriptor = true;
    if (p < close && token[p] == u'*') ++p;
    if (p < close) {
      if (token[p] != u',') return false;
      ++p;
    }
  }
  return sawDescriptor;
}

}  // namespace

bool HasNomenclatureStem(std::u16string_view letters) {
  for (std::u16string_view stem : kStems) {
    if (letters.find(stem) != std::u16string_view::npos) return true;
  }
  for (std::u16string_view stem : kMoreStems) {
    if (letters.find(stem) != std::u16string_view::npos) return true;
  }
  return false;
}

bool IsChemicalName(std::u16string_view token) {
  if (token.find(u'-') == std::u16string_view::npos) return false;
  if (OpensWithStereoGroup(token)) return true;
  // The first keyword joined to what follows by a hyphen or a comma, with primes between.
  std::size_t joinedAt = std::u16string_view::npos;
  for (std::size_t i = 0; i < token.size() && joinedAt == std::u16string_view::npos;) {
    if (!IsAlphaChar(token[i])) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < token.size() && IsAlphaChar(token[j])) ++j;
    const std::u16string_view word = token.substr(i, j - i);
    const bool standsAlone = i == 0 || !IsAlphaChar(token[i - 1]);
    std::size_t k = j;
    while (k < token.size() && token[k] == u'\'') ++k;
    const bool joined = k + 1 < token.size() && (token[k] == u'-' || token[k] == u',') &&
                        (IsAlphaChar(token[k + 1]) || IsDigitChar(token[k + 1]) ||
                         token[k + 1] == u'(' || token[k + 1] == u'[');
    if (standsAlone && joined && IsKeyword(word)) joinedAt = k;
    i = j;
  }
  if (joinedAt == std::u16string_view::npos) return false;
  std::u16string letters;
  for (std::size_t i = joinedAt; i < token.size(); ++i) {
    const char16_t c = token[i];
    if (IsLowerChar(c))
      letters.push_back(c);
    else if (IsUpperChar(c))
      letters.push_back(static_cast<char16_t>(c - u'A' + u'a'));
    else
      letters.push_back(u' ');
  }
  return HasNomenclatureStem(letters);
}

}  // namespace glyphwright::prose
