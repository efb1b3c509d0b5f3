// The names of a document's character and paragraph styles, by id. Id 0 is "no style", the
// empty name: it is answered without being stored, so a document that never names a style holds
// no table at all, and a host that makes a fresh document for every selection pays nothing for it.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "automation/automation_error.h"

namespace glyphwright {

class StyleNames {
 public:
  using Id = uint16_t;

  const std::u16string& operator[](Id id) const { return id == 0 ? none_ : named_[id - 1]; }

  // The id of the name, which is added when it is new; raises error 1 when every id is taken.
  Id Intern(std::u16string_view name) {
    if (name.empty()) return 0;
    for (std::size_t i = 0; i < named_.size(); ++i) {
      if (named_[i] == name) return static_cast<Id>(i + 1);
    }
    if (named_.size() >= std::numeric_limits<Id>::max()) {
      throw AutomationError(1, u"The document holds too many styles.");
    }
    named_.emplace_back(name);
    return static_cast<Id>(named_.size());
  }

 private:
  std::u16string none_;
  std::vector<std::u16string> named_;
};

}  // namespace glyphwright
