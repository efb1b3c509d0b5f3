#include "text/utf8.h"

namespace glyphwright {
namespace {

// Length of the well-formed sequence at bytes[at], and its code point; 0 when ill-formed.
std::size_t DecodeOne(std::string_view bytes, std::size_t at, char32_t& out) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[at + k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    out = lead;
    return 1;
  }
  std::size_t length;
  char32_t min;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, out = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, out = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, out = lead & 0x07;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return 0;
    out = (out << 6) | (byte(k) & 0x3F);
  }
  if (out < min || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) return 0;
  return length;
}

void AppendUtf16(std::u16string& text, char32_t code) {
  if (code < 0x10000) {
    text.push_back(static_cast<char16_t>(code));
  } else {
    code -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  }
}

}  // namespace

std::optional<std::size_t> FindInvalidUtf8(std::string_view bytes) {
  char32_t code;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = DecodeOne(bytes, at, code);
    if (length == 0) return at;
    at += length;
  }
  return std::nullopt;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes) {
  std::u16string text;
  if (!AppendUtf8AsUtf16(text, bytes)) return std::nullopt;
  return text;
}

bool AppendUtf8AsUtf16(std::u16string& text, std::string_view bytes) {
  // No sequence gives more code units than it has bytes, so the room is made once and written
  // through a pointer, then cut to what was written.
  const std::size_t start = text.size();
  text.resize(start + bytes.size());
  char16_t* const first = text.data() + start;
  char16_t* out = first;
  char32_t code;
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      *out++ = static_cast<char16_t>(bytes[at++]);
      continue;
    }
    const std::size_t length = DecodeOne(bytes, at, code);
    if (length == 0) {
      text.resize(start);
      return false;
    }
    if (code < 0x10000) {
      *out++ = static_cast<char16_t>(code);
    } else {
      code -= 0x10000;
      *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
      *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
    at += length;
  }
  text.resize(start + static_cast<std::size_t>(out - first));
  return true;
}

std::u16string Utf8OrLatin1ToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  char32_t code;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t length = DecodeOne(bytes, at, code);
    if (length == 0) {
      code = static_cast<unsigned char>(bytes[at]);
      length = 1;
    }
    AppendUtf16(text, code);
    at += length;
  }
  return text;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string bytes;
  AppendUtf8(bytes, text);
  return bytes;
}

void AppendUtf8(std::string& bytes, std::u16string_view text) {
  // Scripts and formulas are nearly all ASCII: a run of it is copied without further tests.
  std::size_t i = 0;
  while (i < text.size() && text[i] < 0x80) ++i;
  const std::size_t at = bytes.size();
  bytes.resize(at + i);
  for (std::size_t k = 0; k < i; ++k) bytes[at + k] = static_cast<char>(text[k]);
  if (i == text.size()) return;
  // The rest is made room for at its largest, then cut to what was written.
  const std::size_t rest = bytes.size();
  bytes.resize(rest + (text.size() - i) * kMaxUtf8PerUnit);
  bytes.resize(rest + EncodeUtf8(text.substr(i), bytes.data() + rest));
}

std::size_t EncodeUtf8(std::u16string_view text, char* const first) {
  char* out = first;
  const char16_t* in = text.data();
  const char16_t* const end = in + text.size();
  while (in != end) {
    // Eight ASCII units at a time when all eight are, so the copy needs one test for them.
    while (end - in >= 8) {
      char16_t any = 0;
      for (int k = 0; k < 8; ++k) any |= in[k];
      if (any >= 0x80) break;
      for (int k = 0; k < 8; ++k) out[k] = static_cast<char>(in[k]);
      in += 8;
      out += 8;
    }
    if (in == end) break;
    char32_t code = *in++;
    if (code < 0x80) {
      *out++ = static_cast<char>(code);
      continue;
    }
    if (code >= 0xD800 && code <= 0xDBFF && in != end && *in >= 0xDC00 && *in <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (*in++ - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    if (code < 0x800) {
      *out++ = static_cast<char>(0xC0 | (code >> 6));
      *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      *out++ = static_cast<char>(0xE0 | (code >> 12));
      *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else {
      *out++ = static_cast<char>(0xF0 | (code >> 18));
      *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return static_cast<std::size_t>(out - first);
}

}  // namespace glyphwright
