#include "nmr/nmr_style_writer.h"

#include <algorithm>
#include <vector>

#include "nmr/decimal_text.h"
#include "text/char_class.h"

namespace glyphwright {
namespace {

int32_t ShiftDecimalsFor(const Nucleus& nucleus, int32_t asked) {
  if (asked != kNucleusDecimals) return asked;
  return nucleus.element == u"H" || nucleus.element == u"F" ? 2 : 1;
}

// 'CDCl3' as CDCl₃, 'DMSO-d6' as DMSO-*d*₆: the digits of a formula subscript, and the d of a
// deuterated solvent's label italic. Digits that follow no letter ('9:1') stay as they are.
void WriteSolvent(StyledText& out, std::u16string_view solvent) {
  for (std::size_t k = 0; k < solvent.size();) {
    const char16_t c = solvent[k];
    const bool afterLetter = k > 0 && IsAlphaChar(solvent[k - 1]);
    if (IsDigitChar(c) && afterLetter) {
      std::size_t end = k;
      while (end < solvent.size() && IsDigitChar(solvent[end])) ++end;
      out.Subscript(solvent.substr(k, end - k));
      k = end;
    } else if (c == u'd' && k > 0 && solvent[k - 1] == u'-' && k + 1 < solvent.size() &&
               IsDigitChar(solvent[k + 1])) {
      out.Italic(u"d");
      ++k;
    } else {
      out.Plain(solvent.substr(k, 1));
      ++k;
    }
  }
}

void WriteNucleus(StyledText& out, const Nucleus& nucleus) {
  out.Superscript(nucleus.massNumber).Plain(nucleus.element);
}

void WriteHeader(StyledText& out, const NmrHeader& header, const Nucleus& nucleus,
                 const JournalStyle& style) {
  if (style.deltaNucleusHeader) {
    out.Plain(u"\u03B4").Subscript(nucleus.element);
  } else {
    WriteNucleus(out, nucleus);
  }
  if (header.decoupled) {
    out.Plain(u"{");
    WriteNucleus(out, *header.decoupled);
    out.Plain(u"}");
  }
  if (!style.deltaNucleusHeader) out.Plain(u" NMR");

  bool first = true;
  const auto separate = [&] {
    out.Plain(first ? u" (" : style.headerSeparator);
    first = false;
  };
  if (!header.frequency.empty()) {
    separate();
    out.Plain(header.frequency).Plain(u" MHz");
  }
  if (!header.solvent.empty()) {
    separate();
    WriteSolvent(out, header.solvent);
  }
  for (const std::u16string& extra : header.extras) {
    separate();
    out.Plain(extra);
  }
  if (style.ppmInHeader) {
    separate();
    out.Plain(u"ppm");
  }
  if (!first) out.Plain(u")");
}

void WriteShift(StyledText& out, const NmrPeak& peak, int32_t decimals) {
  if (peak.rangeEnd.empty()) {
    out.Plain(RoundedDecimal(peak.shift, decimals));
    return;
  }
  // A range from high to low, with an en dash.
  const bool descending = DecimalValue(peak.shift) >= DecimalValue(peak.rangeEnd);
  const std::u16string& high = descending ? peak.shift : peak.rangeEnd;
  const std::u16string& low = descending ? peak.rangeEnd : peak.shift;
  out.Plain(RoundedDecimal(high, decimals)).Plain(u"\u2013").Plain(RoundedDecimal(low, decimals));
}

void WriteCouplings(StyledText& out, const NmrPeak& peak, const StyleOptions& options) {
  std::vector<std::u16string> values = peak.couplings;
  std::stable_sort(values.begin(), values.end(),
                   [](const auto& a, const auto& b) { return DecimalValue(a) > DecimalValue(b); });
  out.Italic(u"J").Plain(options.style->couplingEquals ? u" = " : u" ");
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (k > 0) out.Plain(u", ");
    out.Plain(RoundedDecimal(values[k], options.couplingDecimals));
  }
  if (options.style->couplingUnit) out.Plain(u" Hz");
}

void WritePeak(StyledText& out, const NmrPeak& peak, int32_t shiftDecimals,
               const StyleOptions& options) {
  const JournalStyle& style = *options.style;
  WriteShift(out, peak, shiftDecimals);
  const bool hasCount = !peak.countNumber.empty();
  const bool hasMultiplicity = !peak.multiplicity.empty();
  const bool hasCouplings = !peak.couplings.empty();
  if (!hasCount && !hasMultiplicity && !hasCouplings && !peak.trailing) return;

  out.Plain(u" (");
  bool first = true;
  const auto separate = [&] {
    if (!first) out.Plain(u", ");
    first = false;
  };
  const auto count = [&] {
    if (!hasCount) return;
    separate();
    out.Plain(peak.countNumber).Plain(style.spacedCount ? u" " : u"").Plain(peak.countElement);
  };
  const auto multiplicity = [&] {
    if (!hasMultiplicity) return;
    separate();
    out.Plain(peak.multiplicity);
  };
  const auto couplings = [&] {
    if (!hasCouplings) return;
    separate();
    WriteCouplings(out, peak, options);
  };
  if (style.countFirst) {
    count();
    multiplicity();
    couplings();
  } else {
    multiplicity();
    couplings();
    count();
  }
  if (peak.trailing) {
    if (!first) out.Plain(style.trailingSeparator);
    out.Copy(*peak.trailing);
  }
  out.Plain(u")");
}

double SortKey(const NmrPeak& peak) {
  const double shift = DecimalValue(peak.shift);
  return peak.rangeEnd.empty() ? shift : std::max(shift, DecimalValue(peak.rangeEnd));
}

}  // namespace

StyledText StyleNmrData(const NmrData& data, const StyleOptions& options) {
  const JournalStyle& style = *options.style;
  const Nucleus nucleus = ListNucleus(data);
  StyledText out;
  if (data.header) {
    WriteHeader(out, *data.header, nucleus, style);
    out.Plain(style.beforeList);
  }

  std::vector<const NmrPeak*> peaks;
  for (const NmrPeak& peak : data.peaks) peaks.push_back(&peak);
  if (options.order != ShiftOrder::AsTyped) {
    const bool descending = options.order == ShiftOrder::Descending;
    std::stable_sort(peaks.begin(), peaks.end(), [descending](const auto* a, const auto* b) {
      return descending ? SortKey(*a) > SortKey(*b) : SortKey(*a) < SortKey(*b);
    });
  }
  const int32_t shiftDecimals = ShiftDecimalsFor(nucleus, options.shiftDecimals);
  for (std::size_t k = 0; k < peaks.size(); ++k) {
    if (k > 0) out.Plain(u", ");
    WritePeak(out, *peaks[k], shiftDecimals, options);
  }
  out.Plain(style.listEnd);
  return out;
}

}  // namespace glyphwright
