// NMRSpecFormRQuery: a running peak list rebuilt as a table.
// Invariants: never raises; an accepted list gives a script whose offsets lie inside the text,
// which runs on the reference document without error and leaves one "NMR Spec Table"
// paragraph per peak; list -> table -> list, whenever the list written is read back, settles
// within a few passes and then changes nothing more (the round trip is stable); the command
// agrees.
#include <set>

#include "document/renderers.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr_descriptors.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

struct Formats {
  bool strict;
  std::u16string_view specFormat;
  std::u16string_view tableFormat;
};

std::vector<std::u16string_view> Lines(std::u16string_view script) {
  std::vector<std::u16string_view> lines;
  while (!script.empty()) {
    const std::size_t end = script.find(u'\n');
    lines.push_back(script.substr(0, end));
    if (end == std::u16string_view::npos) break;
    script.remove_prefix(end + 1);
  }
  return lines;
}

void CheckOffsets(std::u16string_view text, std::u16string_view script) {
  const std::vector<std::u16string_view> lines = Lines(script);
  Check(lines.size() >= 2 && lines[1] == u"GoTo", "the script starts at the list's end",
        U8(script));
  const std::optional<int64_t> listEnd = UnitNumber(lines[0].substr(1));
  Check(listEnd && *listEnd >= 0 && *listEnd <= static_cast<int64_t>(text.size()),
        "the list ends inside the text", U8(script));
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (lines[i] != u"Copy" && lines[i] != u"Cut") continue;
    const Unit unit{std::u16string(lines[i - 2].substr(1)), std::u16string(lines[i - 1].substr(1)),
                    std::u16string(lines[i])};
    CheckRangeInside(unit, static_cast<std::size_t>(*listEnd), u"nmr list");
  }
}

// Whether an order names each middle field once, so that nothing is lost on the way.
bool Lossless(std::u16string_view descriptor) {
  const FieldOrder order = ParseFieldOrder(descriptor);
  for (int32_t field = 1; field <= 3; ++field) {
    if (order.PositionOfField[field] < 0) return false;
  }
  return true;
}

// Whether the last row of the table that the list writer reads (blank rows are skipped) holds a
// shift ending in a whole number and nothing else. Written as a list, the list's full stop follows
// its digits directly ('3.'), and reading it again takes the stop for a decimal point: the one list
// that is written so that it reads otherwise.
bool EndsWithBareInteger(const Document& document) {
  std::u16string lastRow;
  for (const Paragraph& paragraph : document.Paragraphs()) {
    if (paragraph.style != kNmrSpecTable) continue;
    std::u16string row;
    for (const auto& run : paragraph.runs) row += run.text;
    if (!TrimText(row).empty()) lastRow = row;
  }
  const std::size_t tab = lastRow.find(u'\t');
  const std::u16string_view shift = std::u16string_view(lastRow).substr(0, tab);
  const std::u16string_view rest =
      tab == std::u16string::npos ? u"" : std::u16string_view(lastRow).substr(tab);
  // The shift's last number ('3', or the 70 of '7.26-70') ends in digits with no point before.
  const std::size_t beforeDigits = shift.find_last_not_of(u"0123456789");
  const bool endsInWholeNumber =
      !shift.empty() && beforeDigits != shift.size() - 1 &&
      (beforeDigits == std::u16string_view::npos || shift[beforeDigits] != u'.');
  return endsInWholeNumber && rest.find_first_not_of(u'\t') == std::u16string_view::npos;
}

// One list -> table -> list pass over a whole document; nullopt when the list is not accepted or
// its table has no row the other direction converts.
std::optional<std::u16string> RoundTrip(std::u16string_view text, const Formats& formats,
                                        bool* bareIntegerLast = nullptr) {
  NMRSpecFormRQuery toTable;
  toTable.SetStrict(formats.strict);
  toTable.SetSpecFormat(formats.specFormat);
  toTable.SetTableFormat(formats.tableFormat);
  NMRSpecFormQuery toList;
  toList.SetSpecFormat(formats.specFormat);
  toList.SetTableFormat(formats.tableFormat);

  const auto document = MakeDocument(text);
  const std::u16string tableScript = toTable.GetCommands(document->BeginQuery());
  if (tableScript.empty()) return std::nullopt;
  RunScript(document, tableScript);
  if (bareIntegerLast) *bareIntegerLast = EndsWithBareInteger(*document);
  std::u16string listScript;
  try {
    listScript = toList.GetCommands(document->BeginQuery());
  } catch (const AutomationError& error) {
    Check(error.Description() == u"Chemical shift is missing.", "only a shift is refused",
          error.what());
    return std::nullopt;
  }
  if (listScript.empty()) return std::nullopt;  // a table of blank rows: nothing to convert
  RunScript(document, listScript);
  return document->Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  Formats formats;
  formats.strict = input.Flag();
  formats.specFormat = input.Pick(kDescriptors);
  formats.tableFormat = input.Pick(kDescriptors);
  const std::u16string text = input.RestText();

  NMRSpecFormRQuery query;
  query.SetStrict(formats.strict);
  query.SetSpecFormat(formats.specFormat);
  query.SetTableFormat(formats.tableFormat);
  std::u16string script;
  try {
    script = query.GetCommands(text);
  } catch (...) {
    Fail("NMRSpecFormRQuery never raises");
  }
  const std::vector<Setting> settings{{u"Strict", formats.strict ? u"True" : u"False"},
                                      {u"SpecFormat", std::u16string(formats.specFormat)},
                                      {u"TableFormat", std::u16string(formats.tableFormat)}};
  CheckCliScript("nmr-table", settings, text, script);
  if (script.empty()) return 0;
  CheckOffsets(text, script);

  const auto document = MakeDocument(text);
  RunScript(document, script);
  std::size_t rows = 0;
  for (const std::u16string_view line : Lines(script)) rows += line == u"TypeParagraph";
  std::size_t tableRows = 0;
  for (const Paragraph& paragraph : document->Paragraphs()) {
    tableRows += paragraph.style == kNmrSpecTable;
  }
  // A paragraph mark inside a peak (a multiplicity or trailing item that runs across a line
  // break) is typed or copied as one, and splits that row.
  const bool marksInside = text.find(u'\r') != std::u16string::npos;
  Check(marksInside ? tableRows >= rows - 1 : tableRows == rows - 1, "one table row per peak",
        std::to_string(rows - 1) + " peaks, " + std::to_string(tableRows) + " rows");
  CheckCliFormat("nmr-table", settings, text, CliHtml(*document));

  // A TAB inside an item is typed into its cell, where it reads as a column separator: such a
  // list cannot come back as it went.
  if (text.find(u'\t') != std::u16string::npos) return 0;

  // An order that names a field twice drops another one from the table on every pass.
  if (!Lossless(formats.specFormat) || !Lossless(formats.tableFormat)) return 0;
  // Once through, the list is written the way the queries write it. Read back, it settles: a
  // pass may still tidy it (a trailing item that begins with commas, from '(, , m)', loses one
  // on each pass), but the passes never go round in a circle, and from then on the round trip
  // gives the list back unchanged.
  bool bareIntegerLast = false;
  const std::optional<std::u16string> first = RoundTrip(text, formats, &bareIntegerLast);
  if (!first || bareIntegerLast) return 0;
  std::u16string list = *first;
  std::set<std::u16string> seen{list};
  while (true) {
    const std::optional<std::u16string> next = RoundTrip(list, formats);
    // A list written from a table is read back as a rule, but not always: under Strict an empty
    // multiplicity is not written, and a trailing item may begin like an item ('(,1H J ...)'
    // written as '(1H J ...)'). Well-formed lists are held to it by the unit tests.
    if (!next || *next == list) break;
    Check(seen.insert(*next).second, "the round trip settles", U8(list) + "\n" + U8(*next));
    list = *next;
  }
  return 0;
}
