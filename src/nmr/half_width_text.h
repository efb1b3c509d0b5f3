// A text as the NMR readers see it: folded to half width (full-width digits, brackets and
// blanks become ASCII), with as many code units as the text given, so offsets agree. Most texts
// have nothing to fold and are read where they are, without a copy.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "text/lib.h"

namespace glyphwright {

class HalfWidthText {
 public:
  explicit HalfWidthText(std::u16string_view text)
      : folded_(std::any_of(text.begin(), text.end(),
                            [](char16_t code) { return code >= kFirstFoldedCode; })
                    ? ToHalfWidth(text)
                    : std::u16string()),
        view_(folded_.empty() ? text : std::u16string_view(folded_)) {}
  // The view may point into the object itself.
  HalfWidthText(const HalfWidthText&) = delete;
  HalfWidthText& operator=(const HalfWidthText&) = delete;

  std::u16string_view View() const { return view_; }

 private:
  std::u16string folded_;
  std::u16string_view view_;
};

}  // namespace glyphwright
