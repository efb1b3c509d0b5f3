#include "component/guid.h"

namespace glyphwright {
namespace {

void AppendHex(std::u16string& out, uint32_t value, int digits) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 15];
}

}  // namespace

std::u16string GuidToText(const Guid& guid) {
  std::u16string text = u"{";
  AppendHex(text, guid.data1, 8);
  text += u'-';
  AppendHex(text, guid.data2, 4);
  text += u'-';
  AppendHex(text, guid.data3, 4);
  text += u'-';
  for (std::size_t i = 0; i < guid.data4.size(); ++i) {
    if (i == 2) text += u'-';
    AppendHex(text, guid.data4[i], 2);
  }
  return text + u"}";
}

}  // namespace glyphwright
