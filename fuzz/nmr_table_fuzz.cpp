// NMRSpecFormQuery: a peak table turned into a running list.
// Invariants: the only error is "Chemical shift is missing."; a script's copies lie inside the
// text; it runs on the reference document without error, replacing the table by one list that
// ends with its full stop (and the blank the marker leaves); the command agrees, error included.
#include <array>

#include "nmr/nmr_specform_query.h"
#include "nmr_descriptors.h"
#include "query_checks.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

constexpr std::array<int32_t, 5> kJValueStyles = {1, 2, 0, 3, -1};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const int32_t jValueStyle = input.Pick(kJValueStyles);
  const std::u16string_view specFormat = input.Pick(kDescriptors);
  const std::u16string_view tableFormat = input.Pick(kDescriptors);
  const std::u16string text = input.RestText();

  NMRSpecFormQuery query;
  query.SetJValueStyle(jValueStyle);
  query.SetSpecFormat(specFormat);
  query.SetTableFormat(tableFormat);
  const std::vector<Setting> settings{{u"JValueStyle", U16Number(jValueStyle)},
                                      {u"SpecFormat", std::u16string(specFormat)},
                                      {u"TableFormat", std::u16string(tableFormat)}};
  std::u16string script;
  try {
    script = query.GetCommands(text);
  } catch (const AutomationError& error) {
    Check(error.Number() == 1 && error.Description() == u"Chemical shift is missing.",
          "the one error of a table", error.what());
    CheckCliError("script", "nmr-list", settings, text, error);
    return 0;
  }
  CheckCliScript("nmr-list", settings, text, script);
  if (script.empty()) return 0;

  // Copies come from the table, which is all of the text.
  std::vector<std::u16string_view> lines;
  for (std::u16string_view rest = script; !rest.empty();) {
    const std::size_t end = rest.find(u'\n');
    lines.push_back(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (lines[i] != u"Copy") continue;
    CheckRangeInside({std::u16string(lines[i - 2].substr(1)),
                      std::u16string(lines[i - 1].substr(1)), std::u16string(lines[i])},
                     text.size(), u"nmr table");
  }

  const auto document = MakeDocument(text);
  RunScript(document, script);
  const std::u16string result = document->Text();
  Check(result.ends_with(u". "), "the list ends with its full stop", U8(result));
  CheckCliFormat("nmr-list", settings, text, CliHtml(*document));
  return 0;
}
