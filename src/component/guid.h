// Globally unique identifiers of the library, its classes and interfaces, written once in their
// registry form and parsed at compile time, so a mistyped identifier fails the build.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glyphwright {

struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};

  // "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", hexadecimal digits in either case, without braces.
  static consteval Guid Parse(std::string_view text) {
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' ||
        text[23] != '-') {
      throw "a GUID is written XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX";
    }
    std::size_t at = 0;
    const auto hex = [&](int digits) {
      uint32_t value = 0;
      for (int i = 0; i < digits; ++i, ++at) {
        if (text[at] == '-') ++at;
        const char c = text[at];
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
          digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
          digit = static_cast<uint32_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
          digit = static_cast<uint32_t>(c - 'a' + 10);
        } else {
          throw "a GUID holds hexadecimal digits only";
        }
        value = value * 16 + digit;
      }
      return value;
    };
    Guid guid;
    guid.data1 = hex(8);
    guid.data2 = static_cast<uint16_t>(hex(4));
    guid.data3 = static_cast<uint16_t>(hex(4));
    for (uint8_t& byte : guid.data4) byte = static_cast<uint8_t>(hex(2));
    return guid;
  }

  friend bool operator==(const Guid&, const Guid&) = default;
};

// The registry form: "{58CAB372-0AD8-4173-AC5F-70C81088A279}", upper-case digits.
std::u16string GuidToText(const Guid& guid);

// The interfaces every automation object answers to.
inline constexpr Guid kIidUnknown = Guid::Parse("00000000-0000-0000-C000-000000000046");
inline constexpr Guid kIidDispatch = Guid::Parse("00020400-0000-0000-C000-000000000046");

}  // namespace glyphwright
