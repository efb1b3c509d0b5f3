#include "web/web_exports.h"

#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "automation/automation_error.h"
#include "document/document.h"
#include "web/ascii_bytes.h"
#include "web/web_format.h"

struct gw_result {
  enum class Ascii : int8_t { NotMade, Made, NotAscii };
  int32_t error = 0;
  // A script that came as ASCII bytes is widened only when its UTF-16 units are asked for.
  mutable std::u16string parts[6];
  std::string ascii[6];
  Ascii asciiState[6] = {};
  mutable bool toWiden[6] = {};
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
  result.parts[GW_DESCRIPTION] = error.Description();
  result.parts[GW_SOURCE] = error.Source();
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
  result.parts[GW_HTML] = std::move(formatted.html);
  result.parts[GW_TEXT] = std::move(formatted.text);
  result.parts[GW_UNICODE] = std::move(formatted.unicode);
  if (formatted.script.isAscii) {
    result.ascii[GW_SCRIPT] = std::move(formatted.script.ascii);
    result.asciiState[GW_SCRIPT] = gw_result::Ascii::Made;
    result.toWiden[GW_SCRIPT] = true;
  } else {
    result.parts[GW_SCRIPT] = std::move(formatted.script.wide);
  }
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
  Guard([&] { result->parts[GW_TEXT] = glyphwright::web::QueryList(); }, result);
  return result;
}

int32_t gw_result_error(const gw_result* result) {
  return result == nullptr ? 7 : result->error;
}

const char16_t* gw_result_part(const gw_result* result, int32_t part) {
  if (result == nullptr || part < GW_HTML || part > GW_SOURCE) return u"";
  if (result->toWiden[part]) {
    const std::string& bytes = result->ascii[part];
    try {
      result->parts[part].assign(bytes.begin(), bytes.end());
    } catch (const std::bad_alloc&) {
      return nullptr;  // the page reads no units from a null pointer: it is out of memory
    }
    result->toWiden[part] = false;
  }
  return result->parts[part].c_str();
}

int32_t gw_result_part_length(const gw_result* result, int32_t part) {
  if (result == nullptr || part < GW_HTML || part > GW_SOURCE) return 0;
  return static_cast<int32_t>(result->toWiden[part] ? result->ascii[part].size()
                                                    : result->parts[part].size());
}

int32_t gw_result_part_ascii_length(gw_result* result, int32_t part) {
  if (result == nullptr || part < GW_HTML || part > GW_SOURCE) return 0;
  gw_result::Ascii& state = result->asciiState[part];
  if (state == gw_result::Ascii::NotMade) {
    try {
      state = glyphwright::web::AsciiBytes(result->parts[part], result->ascii[part])
                  ? gw_result::Ascii::Made
                  : gw_result::Ascii::NotAscii;
    } catch (const std::bad_alloc&) {
      state = gw_result::Ascii::NotAscii;
    }
  }
  return state == gw_result::Ascii::Made ? static_cast<int32_t>(result->ascii[part].size()) : -1;
}

const char* gw_result_part_ascii(const gw_result* result, int32_t part) {
  if (result == nullptr || part < GW_HTML || part > GW_SOURCE) return "";
  return result->ascii[part].c_str();
}

void gw_result_free(gw_result* result) {
  delete result;
}
}
