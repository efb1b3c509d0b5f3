// TripleBondTransQuery: "#" becomes the triple-bond sign U+2261 and "*" the middle dot U+FF65.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chem/scan_units.h"
#include "text/lib.h"

namespace glyphwright {

class TripleBondTransQuery : public ScannerCommands<TripleBondTransQuery> {
 public:
  std::u16string_view Word() const { return u"ReplaceChar"; }
  // Calls emit(index, signed code of the new character) for every sign, in text order. Unlike
  // the formatting scans, index 0 counts: "#" may open the text.
  template <class Emit>
  void Scan(const CodeArray& chars, Emit&& emit) const;

 private:
  // Codes go into scripts as signed 16-bit numbers: U+FF65 is -155.
  static constexpr int64_t kTripleBondSign = static_cast<int16_t>(u'\u2261');  // 8801
  static constexpr int64_t kMiddleDot = static_cast<int16_t>(u'\uFF65');       // -155
};

template <class Emit>
void TripleBondTransQuery::Scan(const CodeArray& chars, Emit&& emit) const {
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] == u'#') {
      if (!ReportUnit(emit, i, kTripleBondSign)) return;
    } else if (chars[i] == u'*') {
      if (!ReportUnit(emit, i, kMiddleDot)) return;
    }
  }
}

}  // namespace glyphwright
