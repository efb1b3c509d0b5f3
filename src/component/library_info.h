// The identity of the library as automation clients and the Windows type library see it. Chosen
// once; changing any of it breaks every registered client.
#pragma once

#include <cstdint>
#include <string_view>

#include "component/guid.h"

namespace glyphwright {

struct LibraryInfo {
  std::u16string_view name;        // the type library's name and the first part of every ProgID
  std::u16string_view helpString;  // the type library's help string
  uint16_t majorVersion;
  uint16_t minorVersion;
  uint32_t locale;  // the type library's locale identifier
  Guid libid;
  // The Windows component file and its version resource.
  std::u16string_view fileName;
  std::u16string_view fileVersion;
  uint16_t resourceLanguage;  // Japanese
  uint16_t resourceCodePage;  // UTF-16
};

inline constexpr LibraryInfo kLibrary{
    .name = u"Glyphwright",
    .helpString = u"Glyphwright 1.4",
    .majorVersion = 1,
    .minorVersion = 1,
    .locale = 1033,
    .libid = Guid::Parse("713744B1-27D2-4462-BF8E-E957376FBE6C"),
    .fileName = u"Quillet.dll",
    .fileVersion = u"1.05",
    .resourceLanguage = 0x0411,
    .resourceCodePage = 1200,
};

}  // namespace glyphwright
