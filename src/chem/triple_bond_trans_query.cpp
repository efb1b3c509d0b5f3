#include "chem/triple_bond_trans_query.h"

#include <cstdint>
#include <string_view>

#include "chem/script_length.h"

namespace glyphwright {
namespace {

// Codes go into scripts as signed 16-bit numbers: U+FF65 is -155.
constexpr int64_t SignedCode(char16_t code) {
  return static_cast<int16_t>(code);
}

constexpr int64_t kTripleBondSign = SignedCode(u'\u2261');  // 8801
constexpr int64_t kMiddleDot = SignedCode(u'\uFF65');       // -155

// Calls emit(index, code) for every sign, in text order. Unlike the formatting scans, index 0
// counts: "#" may open the text.
template <class Emit>
void ScanSigns(const CodeArray& chars, Emit&& emit) {
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == u'#') {
      emit(i, kTripleBondSign);
    } else if (chars[i] == u'*') {
      emit(i, kMiddleDot);
    }
  }
}

constexpr std::u16string_view kReplaceChar = u"ReplaceChar";

}  // namespace

std::u16string TripleBondTransQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  out.Reserve(CommandsLength(chars));
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void TripleBondTransQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  ScanSigns(chars,
            [&](std::size_t index, int64_t code) { out.Command2(kReplaceChar, index, code); });
}

std::size_t TripleBondTransQuery::CommandsLength(const CodeArray& chars) const {
  std::size_t total = 0;
  ScanSigns(chars, [&](std::size_t index, int64_t code) {
    total += UnitLength(kReplaceChar, index, code);
  });
  return total;
}

}  // namespace glyphwright
