#include "document/html_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "automation/number_text.h"
#include "text/case_fold.h"
#include "text/char_class.h"

namespace glyphwright {
namespace {

enum class Tag : uint8_t { Sub, Sup, Italic, Bold };

struct OpenTag {
  Tag tag;
  std::size_t offset;
};

constexpr std::u16string_view TagName(Tag tag) {
  switch (tag) {
    case Tag::Sub:
      return u"sub";
    case Tag::Sup:
      return u"sup";
    case Tag::Italic:
      return u"i";
    case Tag::Bold:
      return u"b";
  }
  return u"";
}

bool FindTag(std::u16string_view name, Tag& tag) {
  for (const Tag candidate : {Tag::Sub, Tag::Sup, Tag::Italic, Tag::Bold}) {
    if (EqualsIgnoringCase(name, TagName(candidate))) {
      tag = candidate;
      return true;
    }
  }
  return false;
}

struct NamedEntity {
  std::u16string_view name;
  char16_t code;
};
constexpr NamedEntity kNamedEntities[] = {
    {u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
    {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\u00A0'},
};

// Quoted markup in messages is cut to this length.
constexpr std::size_t kMaxQuoted = 40;

[[noreturn]] void Fail(std::u16string_view problem, std::size_t offset,
                       std::u16string_view detail = {}) {
  std::u16string message(problem);
  message += u" at offset ";
  AppendInteger(message, static_cast<int64_t>(offset));
  message += detail;
  message += u'.';
  throw AutomationError(1, std::move(message));
}

std::u16string Quoted(std::u16string_view markup) {
  if (markup.size() <= kMaxQuoted) return std::u16string(markup);
  return std::u16string(markup.substr(0, kMaxQuoted)) + u"...";
}

bool IsTagBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

class HtmlReader {
 public:
  explicit HtmlReader(std::u16string_view html) : html_(html) {}

  Document Read() {
    for (std::size_t i = 0; i < html_.size();) {
      const char16_t c = html_[i];
      if (c == u'<') {
        i = ReadTag(i);
      } else if (c == u'&' && CanStartEntity(i + 1)) {
        i = ReadEntity(i);
      } else {
        pending_.push_back(c);
        ++i;
      }
    }
    Flush();
    if (!open_.empty()) {
      const OpenTag& unclosed = open_.back();
      Fail(u"Unclosed tag <" + std::u16string(TagName(unclosed.tag)) + u">", unclosed.offset);
    }
    document_.Select(0, document_.Size());
    document_.BeginQuery();
    return std::move(document_);
  }

 private:
  bool CanStartEntity(std::size_t at) const {
    return at < html_.size() && (IsAlnumChar(html_[at]) || html_[at] == u'#');
  }

  std::size_t ReadTag(std::size_t start) {
    const std::size_t close = html_.find(u'>', start);
    if (close == std::u16string_view::npos) Fail(u"Unterminated tag", start);
    const std::u16string_view markup = html_.substr(start, close + 1 - start);
    std::u16string_view name = markup.substr(1, markup.size() - 2);
    const bool closing = !name.empty() && name.front() == u'/';
    if (closing) name.remove_prefix(1);
    while (!name.empty() && IsTagBlank(name.back())) name.remove_suffix(1);

    Tag tag;
    if (!FindTag(name, tag)) Fail(u"Unsupported tag " + Quoted(markup), start);
    Flush();
    if (!closing) {
      open_.push_back({tag, start});
    } else if (open_.empty()) {
      Fail(u"Closing tag " + Quoted(markup), start, u" has no opening tag");
    } else if (open_.back().tag != tag) {
      std::u16string detail = u" does not match <";
      detail += TagName(open_.back().tag);
      detail += u"> at offset ";
      AppendInteger(detail, static_cast<int64_t>(open_.back().offset));
      Fail(u"Closing tag " + Quoted(markup), start, detail);
    } else {
      open_.pop_back();
    }
    return close + 1;
  }

  std::size_t ReadEntity(std::size_t start) {
    std::size_t end = start + 1;
    if (html_[end] == u'#') ++end;
    while (end < html_.size() && IsAlnumChar(html_[end])) ++end;
    if (end == html_.size() || html_[end] != u';') Fail(u"Unterminated character entity", start);
    const std::u16string_view entity = html_.substr(start, end + 1 - start);
    const std::u16string_view name = entity.substr(1, entity.size() - 2);
    if (name.front() == u'#') {
      AppendCodePoint(NumericEntity(name.substr(1), entity, start));
    } else {
      bool known = false;
      for (const NamedEntity& named : kNamedEntities) {
        if (named.name == name) {
          pending_.push_back(named.code);
          known = true;
          break;
        }
      }
      if (!known) Fail(u"Unknown character entity " + Quoted(entity), start);
    }
    return end + 1;
  }

  // The code point of "123" or "x1F600"; fails for anything that is not a character.
  static char32_t NumericEntity(std::u16string_view digits, std::u16string_view entity,
                                std::size_t start) {
    unsigned base = 10;
    if (!digits.empty() && (digits.front() == u'x' || digits.front() == u'X')) {
      base = 16;
      digits.remove_prefix(1);
    }
    if (digits.empty()) Fail(u"Malformed character entity " + Quoted(entity), start);
    char32_t value = 0;
    for (const char16_t c : digits) {
      unsigned digit;
      if (IsDigitChar(c)) {
        digit = c - u'0';
      } else if (base == 16 && c >= u'a' && c <= u'f') {
        digit = c - u'a' + 10;
      } else if (base == 16 && c >= u'A' && c <= u'F') {
        digit = c - u'A' + 10;
      } else {
        Fail(u"Malformed character entity " + Quoted(entity), start);
      }
      // Saturates above the last code point, so any number of digits is safe.
      value = std::min<char32_t>(value * base + digit, 0x110000);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      Fail(u"Character entity " + Quoted(entity), start, u" names no valid character");
    }
    return value;
  }

  void AppendCodePoint(char32_t code) {
    if (code < 0x10000) {
      pending_.push_back(static_cast<char16_t>(code));
    } else {
      code -= 0x10000;
      pending_.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      pending_.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
  }

  // Text read so far goes into the document with the formatting of the tags open around it.
  void Flush() {
    if (pending_.empty()) return;
    CharFormat format;
    for (const OpenTag& open : open_) {
      switch (open.tag) {
        case Tag::Sub:  // the innermost of <sub> and <sup> wins
          format.subscript = true;
          format.superscript = false;
          break;
        case Tag::Sup:
          format.superscript = true;
          format.subscript = false;
          break;
        case Tag::Italic:
          format.italic = true;
          break;
        case Tag::Bold:
          format.bold = true;
          break;
      }
    }
    document_.Append(pending_, format);
    pending_.clear();
  }

  std::u16string_view html_;
  std::vector<OpenTag> open_;
  std::u16string pending_;
  Document document_;
};

}  // namespace

Document DocumentFromHtml(std::u16string_view html) {
  return HtmlReader(html).Read();
}

Document Document::FromHtml(std::u16string_view html) {
  return DocumentFromHtml(html);
}

}  // namespace glyphwright
