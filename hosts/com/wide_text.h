// Text at the edge of the Windows API. wchar_t is UTF-16 there, the same code units as the
// library's char16_t text, so conversion is a copy; the wide-character API is used throughout, so
// a user or folder name outside the ANSI code page is text like any other.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>

#include "component/guid.h"

namespace glyphwright::com {

std::wstring ToWide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);

// A new BSTR holding text, NUL characters included. Raises std::bad_alloc.
BSTR ToBstr(std::u16string_view text);
// The text of a BSTR by its length; a null BSTR is "".
std::u16string FromBstr(BSTR text);

GUID ToGUID(const Guid& guid);
Guid FromGUID(const GUID& guid);

}  // namespace glyphwright::com
