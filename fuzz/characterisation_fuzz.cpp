// CharacterisationQuery and CheckCharacterisation.
// Invariants of the script: replacements first, each of a hyphen, en dash or minus by the en dash
// or the minus sign; every other unit a non-empty range inside the text; run twice it leaves what
// running it once leaves, and no character comes or goes; the command gives the same script.
// Of the checker: findings in text order, each inside the text, each message one sentence
// ending in a full stop; the command prints them and exits 4 exactly when there are some.
#include "characterisation/characterisation_check.h"
#include "characterisation/characterisation_query.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = FuzzInput(data, size).RestText();
  CharacterisationQuery query;
  const std::u16string script = query.GetCommands(text);
  const std::optional<std::vector<Unit>> units = ReadUnits(script);
  Check(units.has_value(), "the script is made of units", U8(script));

  const std::u16string folded = ToHalfWidth(text);
  bool formatting = false;
  for (const Unit& unit : *units) {
    if (unit.word == u"ReplaceChar") {
      Check(!formatting, "replacements come first", U8(script));
      const std::optional<int64_t> at = UnitNumber(unit.first);
      Check(at && *at >= 0 && *at < static_cast<int64_t>(text.size()), "replacement inside",
            U8(script));
      const char16_t original = folded[static_cast<std::size_t>(*at)];
      Check(original == u'-' || original == u'\u2013' || original == u'\u2212',
            "only dashes are replaced", U8(script));
      Check(unit.second == u"8211" || unit.second == u"8722", "by the en dash or the minus",
            U8(script));
      continue;
    }
    formatting = true;
    Check(unit.word == u"Subscript" || unit.word == u"Superscript" || unit.word == u"Italic",
          "a formatting word", U8(script));
    CheckRangeInside(unit, text.size(), u"characterisation");
  }

  const auto once = MakeDocument(text);
  RunScript(once, script);
  const auto twice = MakeDocument(text);
  RunScript(twice, script);
  RunScript(twice, script);
  Check(Json(*once) == Json(*twice), "twice is once", Json(*once) + "\n" + Json(*twice));
  Check(once->Size() == static_cast<int32_t>(text.size()), "no character comes or goes");
  CheckCliScript("data", {}, text, script);

  const std::vector<Finding> findings = CheckCharacterisation(text);
  std::size_t last = 0;
  for (const Finding& finding : findings) {
    Check(finding.offset < text.size(), "a finding inside the text", U8(finding.message));
    Check(finding.offset >= last, "findings in text order", U8(finding.message));
    last = finding.offset;
    Check(!finding.message.empty() && finding.message.back() == u'.',
          "a message ends with a full stop", U8(finding.message));
  }
  if (HasUtf8Form(text)) {
    std::string lines;
    for (const Finding& finding : findings) {
      lines += std::to_string(finding.offset) + ": " + U8(finding.message) + "\n";
    }
    const CliResult result = RunCli({"check"}, U8(text));
    Check(result.status == (findings.empty() ? 0 : 4) && result.out == lines && result.err.empty(),
          "the command prints the findings and exits 4 exactly when there are some",
          "status " + std::to_string(result.status) + "\nout: " + result.out +
              "\nexpected: " + lines);
  }
  return 0;
}
