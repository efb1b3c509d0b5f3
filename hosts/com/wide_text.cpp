#include "wide_text.h"

#include <algorithm>
#include <iterator>
#include <new>

namespace glyphwright::com {

std::wstring ToWide(std::u16string_view text) {
  std::wstring wide(text.size(), L'\0');
  std::transform(text.begin(), text.end(), wide.begin(),
                 [](char16_t code) { return static_cast<wchar_t>(code); });
  return wide;
}

std::u16string FromWide(std::wstring_view text) {
  std::u16string result(text.size(), u'\0');
  std::transform(text.begin(), text.end(), result.begin(),
                 [](wchar_t code) { return static_cast<char16_t>(code); });
  return result;
}

BSTR ToBstr(std::u16string_view text) {
  BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(text.size()));
  if (result == nullptr) throw std::bad_alloc();
  std::transform(text.begin(), text.end(), result,
                 [](char16_t code) { return static_cast<wchar_t>(code); });
  return result;
}

std::u16string FromBstr(BSTR text) {
  if (text == nullptr) return {};
  return FromWide(std::wstring_view(text, SysStringLen(text)));
}

GUID ToGUID(const Guid& guid) {
  GUID result{};
  result.Data1 = guid.data1;
  result.Data2 = guid.data2;
  result.Data3 = guid.data3;
  std::copy(guid.data4.begin(), guid.data4.end(), result.Data4);
  return result;
}

Guid FromGUID(const GUID& guid) {
  Guid result;
  result.data1 = guid.Data1;
  result.data2 = guid.Data2;
  result.data3 = guid.Data3;
  std::copy(std::begin(guid.Data4), std::end(guid.Data4), result.data4.begin());
  return result;
}

}  // namespace glyphwright::com
