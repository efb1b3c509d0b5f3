// Field-order descriptors the NMR targets choose from: the default, accepted orders, one that
// names a field twice, and ones that fall back to the default.
#pragma once

#include <array>
#include <string_view>

namespace glyphwright::fuzz {

inline constexpr std::array<std::u16string_view, 9> kDescriptors = {
    u"",       u"1H, d, J",  u"J, d, 1H", u"d, 1H, J", u"1H, J, d",
    u"J,1H,D", u"1H, 1H, J", u"d, d, d",  u"1H; d; J"};

}  // namespace glyphwright::fuzz
