#include "chem/triple_bond_trans_query.h"

#include <cstdint>

namespace glyphwright {
namespace {

// Codes go into scripts as signed 16-bit numbers: U+FF65 is -155.
constexpr int64_t SignedCode(char16_t code) {
  return static_cast<int16_t>(code);
}

constexpr int64_t kTripleBondSign = SignedCode(u'\u2261');  // 8801
constexpr int64_t kMiddleDot = SignedCode(u'\uFF65');       // -155

}  // namespace

std::u16string TripleBondTransQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void TripleBondTransQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  // Unlike the formatting scans, index 0 counts: "#" may open the text.
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == u'#') {
      out.Command2(u"ReplaceChar", i, kTripleBondSign);
    } else if (chars[i] == u'*') {
      out.Command2(u"ReplaceChar", i, kMiddleDot);
    }
  }
}

}  // namespace glyphwright
