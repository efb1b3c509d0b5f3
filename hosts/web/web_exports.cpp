#include "web/web_exports.h"

#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "automation/automation_error.h"
#include "document/document.h"
#include "text/utf8.h"
#include "web/clipboard_html.h"
#include "web/utf8_bytes.h"
#include "web/web_format.h"

struct gw_result {
  // A part in the form it was made in, and the other form once asked for.
  struct Part {
    enum class Bytes : int8_t { NotMade, Made, NotUtf8 };
    std::u16string units;
    std::string bytes;
    bool hasUnits = true;  // false: made as bytes alone, widened at the first call for units
    Bytes bytesState = Bytes::NotMade;
  };
  int32_t error = 0;
  bool clipboardMade = false;
  Part parts[GW_CLIPBOARD + 1];
};

struct gw_document {
  std::shared_ptr<glyphwright::Document> document = std::make_shared<glyphwright::Document>();
};

namespace {

using glyphwright::AutomationError;
using glyphwright::Document;
using glyphwright::web::Job;
using glyphwright::web::Setting;

std::u16string_view View(const char16_t* units, int32_t length) {
  return units == nullptr || length <= 0
             ? std::u16string_view()
             : std::u16string_view(units, static_cast<std::size_t>(length));
}

// NAME NUL VALUE NUL ...; a name without its value is a bad call, not a setting.
std::vector<Setting> ReadSettings(std::u16string_view packed) {
  std::vector<Setting> settings;
  while (!packed.empty()) {
    const std::size_t nameEnd = packed.find(u'\0');
    const std::size_t valueEnd =
        nameEnd == packed.npos ? packed.npos : packed.find(u'\0', nameEnd + 1);
    if (valueEnd == packed.npos) throw glyphwright::errors::InvalidProcedureCall();
    settings.push_back({std::u16string(packed.substr(0, nameEnd)),
                        std::u16string(packed.substr(nameEnd + 1, valueEnd - nameEnd - 1))});
    packed.remove_prefix(valueEnd + 1);
  }
  return settings;
}

void Fail(gw_result& result, const AutomationError& error) {
  result = gw_result{};
  result.error = error.Number();
  result.parts[GW_DESCRIPTION].units = error.Description();
  result.parts[GW_SOURCE].units = error.Source();
}

// Runs body and turns every failure into an error number, so nothing unwinds into the script.
template <class Body>
int32_t Guard(Body body, gw_result* result = nullptr) {
  gw_result scratch;
  gw_result& answer = result == nullptr ? scratch : *result;
  try {
    body();
    return 0;
  } catch (const AutomationError& error) {
    Fail(answer, error);
  } catch (const std::bad_alloc&) {
    Fail(answer, AutomationError(7, u"Out of memory"));
  } catch (...) {
    Fail(answer, glyphwright::errors::InternalError());
  }
  return answer.error;
}

void Store(gw_result& result, glyphwright::web::FormatResult formatted) {
  result.parts[GW_HTML].units = std::move(formatted.html);
  result.parts[GW_TEXT].units = std::move(formatted.text);
  result.parts[GW_UNICODE].units = std::move(formatted.unicode);
  gw_result::Part& script = result.parts[GW_SCRIPT];
  if (formatted.script.isAscii) {
    script.bytes = std::move(formatted.script.ascii);
    script.bytesState = gw_result::Part::Bytes::Made;
    script.hasUnits = false;
  } else {
    script.units = std::move(formatted.script.wide);
  }
}

bool IsPart(int32_t part) {
  return part >= GW_HTML && part <= GW_CLIPBOARD;
}

const std::string* Bytes(gw_result& result, int32_t part);

// The clipboard's HTML, made from the HTML in the HTML's quicker form: bytes when it has no lone
// surrogate. A failed job has none.
void MakeClipboard(gw_result& result) {
  if (result.clipboardMade) return;
  gw_result::Part& clipboard = result.parts[GW_CLIPBOARD];
  if (result.error == 0) {
    if (const std::string* html = Bytes(result, GW_HTML)) {
      clipboard.bytes = glyphwright::web::ClipboardHtml(*html);
      clipboard.bytesState = gw_result::Part::Bytes::Made;
      clipboard.hasUnits = false;
    } else {
      clipboard.units = glyphwright::web::ClipboardHtml(result.parts[GW_HTML].units);
    }
  }
  result.clipboardMade = true;
}

// The part's code units; null when there is no memory for them.
const std::u16string* Units(gw_result& result, int32_t part) {
  gw_result::Part& made = result.parts[part];
  try {
    if (part == GW_CLIPBOARD) MakeClipboard(result);
    if (!made.hasUnits) {
      // The bytes are this module's own UTF-8, always well formed.
      made.units.clear();
      glyphwright::AppendUtf8AsUtf16(made.units, made.bytes);
      made.hasUnits = true;
    }
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return &made.units;
}

// The part's UTF-8 bytes; null when it has a lone surrogate, when most of it is beyond ASCII (its
// code units are read quicker) or when there is no memory for them.
const std::string* Bytes(gw_result& result, int32_t part) {
  using State = gw_result::Part::Bytes;
  gw_result::Part& made = result.parts[part];
  try {
    if (part == GW_CLIPBOARD) MakeClipboard(result);
    if (made.bytesState == State::NotMade) {
      made.bytesState =
          glyphwright::web::Utf8Bytes(made.units, made.bytes, true) ? State::Made : State::NotUtf8;
    }
  } catch (const std::bad_alloc&) {
    return nullptr;  // tried again at the next call, when there may be room
  }
  return made.bytesState == State::Made ? &made.bytes : nullptr;
}

}  // namespace

extern "C" {

gw_result* gw_format(const char16_t* query, int32_t queryLength, const char16_t* text,
                     int32_t textLength, const char16_t* settings, int32_t settingsLength) {
  auto* result = new (std::nothrow) gw_result;
  if (result == nullptr) return nullptr;
  Guard(
      [&] {
        const Job job{View(query, queryLength), ReadSettings(View(settings, settingsLength))};
        Store(*result, glyphwright::web::Format(job, View(text, textLength)));
      },
      result);
  return result;
}

gw_document* gw_document_new() {
  return new (std::nothrow) gw_document;
}

int32_t gw_document_set_text(gw_document* document, const char16_t* text, int32_t textLength) {
  if (document == nullptr) return glyphwright::errors::ObjectNotSet().Number();
  return Guard([&] { document->document = std::make_shared<Document>(View(text, textLength)); });
}

gw_result* gw_document_format(gw_document* document, const char16_t* query, int32_t queryLength,
                              const char16_t* settings, int32_t settingsLength) {
  auto* result = new (std::nothrow) gw_result;
  if (result == nullptr) return nullptr;
  Guard(
      [&] {
        if (document == nullptr) throw glyphwright::errors::ObjectNotSet();
        const Job job{View(query, queryLength), ReadSettings(View(settings, settingsLength))};
        // The job edits a copy, so a script that stops half way leaves the shown result alone.
        auto edited = std::make_shared<Document>(*document->document);
        Store(*result, glyphwright::web::RunJob(job, edited));
        document->document = std::move(edited);
      },
      result);
  return result;
}

void gw_document_free(gw_document* document) {
  delete document;
}

gw_result* gw_queries() {
  auto* result = new (std::nothrow) gw_result;
  if (result == nullptr) return nullptr;
  Guard([&] { result->parts[GW_TEXT].units = glyphwright::web::QueryList(); }, result);
  return result;
}

int32_t gw_result_error(const gw_result* result) {
  return result == nullptr ? 7 : result->error;
}

const char16_t* gw_result_part(gw_result* result, int32_t part) {
  if (result == nullptr || !IsPart(part)) return u"";
  const std::u16string* units = Units(*result, part);
  return units == nullptr ? nullptr : units->c_str();
}

int32_t gw_result_part_length(gw_result* result, int32_t part) {
  if (result == nullptr || !IsPart(part)) return 0;
  const std::u16string* units = Units(*result, part);
  return units == nullptr ? -1 : static_cast<int32_t>(units->size());
}

int32_t gw_result_part_utf8_length(gw_result* result, int32_t part) {
  if (result == nullptr || !IsPart(part)) return 0;
  const std::string* bytes = Bytes(*result, part);
  return bytes == nullptr ? -1 : static_cast<int32_t>(bytes->size());
}

const char* gw_result_part_utf8(const gw_result* result, int32_t part) {
  if (result == nullptr || !IsPart(part)) return "";
  const gw_result::Part& made = result->parts[part];
  return made.bytesState == gw_result::Part::Bytes::Made ? made.bytes.c_str() : "";
}

void gw_result_free(gw_result* result) {
  delete result;
}
}
