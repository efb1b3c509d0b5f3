#include "nmr/nmr_style_query.h"

#include "automation/automation_error.h"
#include "nmr/nmr_data_reader.h"
#include "nmr/peak_list_explanation.h"
#include "script/builders.h"
#include "script/text_length.h"
#include "text/case_fold.h"

namespace glyphwright {
namespace {

constexpr int32_t kMostDecimals = 6;

constexpr std::pair<ShiftOrder, std::u16string_view> kOrders[] = {
    {ShiftOrder::Descending, u"Descending"},
    {ShiftOrder::Ascending, u"Ascending"},
    {ShiftOrder::AsTyped, u"AsTyped"},
};

}  // namespace

void NMRStyleQuery::SetStyle(std::u16string_view Style) {
  const JournalStyle* style = FindJournalStyle(Style);
  if (style == nullptr) {
    throw AutomationError(1, u"Style is ACS, RSC, JMedChem, Wiley, Elsevier or Chemotion, not \"" +
                                 std::u16string(Style) + u"\".");
  }
  style_ = style;
}

std::u16string NMRStyleQuery::Sort() const {
  for (const auto& [order, name] : kOrders) {
    if (order == order_) return std::u16string(name);
  }
  throw errors::InternalError();
}

void NMRStyleQuery::SetSort(std::u16string_view Sort) {
  for (const auto& [order, name] : kOrders) {
    if (EqualsIgnoringCase(name, Sort)) {
      order_ = order;
      return;
    }
  }
  throw AutomationError(
      1, u"Sort is Descending, Ascending or AsTyped, not \"" + std::u16string(Sort) + u"\".");
}

void NMRStyleQuery::SetShiftDecimals(int32_t ShiftDecimals) {
  if (ShiftDecimals < kNucleusDecimals || ShiftDecimals > kMostDecimals) {
    throw AutomationError(1,
                          u"ShiftDecimals is -2 (the nucleus's usual), -1 (as typed) or 0 to 6.");
  }
  shiftDecimals_ = ShiftDecimals;
}

void NMRStyleQuery::SetCouplingDecimals(int32_t CouplingDecimals) {
  if (CouplingDecimals < kDecimalsAsTyped || CouplingDecimals > kMostDecimals) {
    throw AutomationError(1, u"CouplingDecimals is -1 (as typed) or 0 to 6.");
  }
  couplingDecimals_ = CouplingDecimals;
}

// The new text is typed behind the old one, where the stretches it copies from the old one stay
// put; it is formatted there, then the old text is cut and the new one selected.
std::u16string NMRStyleQuery::GetCommands(std::u16string_view Text) const {
  CheckTextLength(Text);
  const NmrData data = ReadNmrData(Text);
  const StyledText styled = StyleNmrData(data, {style_, order_, shiftDecimals_, couplingDecimals_});

  ScriptWriter script;
  script.Reserve(static_cast<std::size_t>(styled.Length()) * 4 + 256);
  script.Command1(u"GoTo", data.replaceEnd);
  struct Formatted {
    std::u16string_view word;
    int64_t start;
    int64_t length;
  };
  std::vector<Formatted> formatted;
  int64_t at = data.replaceEnd;
  for (const StyledRun& run : styled.Runs()) {
    switch (run.kind) {
      case RunKind::Plain:
        script.Command1(u"TypeText", run.text);
        break;
      case RunKind::Italic:
        script.Command2(u"TypeStyledText", run.text, u"Italic");
        break;
      case RunKind::Superscript:
      case RunKind::Subscript:
        script.Command1(u"TypeText", run.text);
        formatted.push_back(
            {run.kind == RunKind::Superscript ? u"Superscript" : u"Subscript", at, run.Length()});
        break;
      case RunKind::Copy:
        script.Command2(u"Copy", run.copied.start, run.copied.length);
        script.Command(u"Paste");
        break;
    }
    at += run.Length();
  }
  for (const Formatted& range : formatted) {
    script.Command2(range.word, range.start, range.length);
  }
  script.Command2(u"Cut", data.replaceStart, data.replaceEnd - data.replaceStart);
  script.Command2(u"Select", data.replaceStart, styled.Length());
  return std::move(script).Script();
}

std::u16string NMRStyleQuery::ExplainPeakList(std::u16string_view Text,
                                              std::u16string_view SpecFormat, bool Strict) const {
  const auto failure = glyphwright::ExplainPeakList(Text, SpecFormat, Strict);
  return failure ? DescribePeakListFailure(Text, *failure) : std::u16string();
}

}  // namespace glyphwright
