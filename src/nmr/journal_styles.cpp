#include "nmr/journal_styles.h"

#include "text/case_fold.h"

namespace glyphwright {
namespace {

constexpr JournalStyle kStyles[] = {
    // J. Org. Chem., Org. Lett., J. Am. Chem. Soc.
    {.name = u"ACS",
     .deltaNucleusHeader = false,
     .headerSeparator = u", ",
     .ppmInHeader = false,
     .beforeList = u" \u03B4 ",
     .countFirst = false,
     .spacedCount = false,
     .couplingEquals = true,
     .couplingUnit = true,
     .trailingSeparator = u", ",
     .listEnd = u"."},
    // The Royal Society of Chemistry's Perkin style.
    {.name = u"RSC",
     .deltaNucleusHeader = true,
     .headerSeparator = u"; ",
     .ppmInHeader = false,
     .beforeList = u" ",
     .countFirst = true,
     .spacedCount = true,
     .couplingEquals = false,
     .couplingUnit = false,
     .trailingSeparator = u", ",
     .listEnd = u"."},
    {.name = u"JMedChem",
     .deltaNucleusHeader = false,
     .headerSeparator = u", ",
     .ppmInHeader = false,
     .beforeList = u" \u03B4 ",
     .countFirst = true,
     .spacedCount = false,
     .couplingEquals = true,
     .couplingUnit = true,
     .trailingSeparator = u", ",
     .listEnd = u"."},
    // Angew. Chem., Chem. Eur. J.
    {.name = u"Wiley",
     .deltaNucleusHeader = false,
     .headerSeparator = u", ",
     .ppmInHeader = false,
     .beforeList = u": \u03B4 = ",
     .countFirst = false,
     .spacedCount = true,
     .couplingEquals = true,
     .couplingUnit = true,
     .trailingSeparator = u"; ",
     .listEnd = u" ppm."},
    // Tetrahedron, Tetrahedron Lett.
    {.name = u"Elsevier",
     .deltaNucleusHeader = true,
     .headerSeparator = u", ",
     .ppmInHeader = false,
     .beforeList = u" ",
     .countFirst = true,
     .spacedCount = false,
     .couplingEquals = false,
     .couplingUnit = true,
     .trailingSeparator = u", ",
     .listEnd = u"."},
    // The Chemotion electronic lab notebook and repository.
    {.name = u"Chemotion",
     .deltaNucleusHeader = false,
     .headerSeparator = u", ",
     .ppmInHeader = true,
     .beforeList = u", \u03B4 = ",
     .countFirst = false,
     .spacedCount = false,
     .couplingEquals = true,
     .couplingUnit = true,
     .trailingSeparator = u", ",
     .listEnd = u"."},
};

}  // namespace

std::span<const JournalStyle> JournalStyles() {
  return kStyles;
}

const JournalStyle* FindJournalStyle(std::u16string_view name) {
  for (const JournalStyle& style : kStyles) {
    if (EqualsIgnoringCase(style.name, name)) return &style;
  }
  return nullptr;
}

}  // namespace glyphwright
