// The C functions the page's script calls in the WebAssembly module. Text crosses as UTF-16 in
// the module's memory; an answer is a result the script reads part by part and then frees.
#pragma once

#include <cstdint>

extern "C" {

struct gw_result;
// A document kept between jobs, so that a second job works on the first one's result.
struct gw_document;

// The parts of a result.
enum gw_part : int32_t {
  GW_HTML = 0,
  GW_TEXT = 1,
  GW_UNICODE = 2,
  GW_SCRIPT = 3,
  GW_DESCRIPTION = 4,  // the error's description; empty when there was none
  GW_SOURCE = 5,       // the error's source
  // The HTML as Copy puts it on the clipboard (a whole document, its tags styled as well), made
  // at its first call; empty when the job failed.
  GW_CLIPBOARD = 6,
};

// Runs one job on a new document holding the text. `settings` holds NAME NUL VALUE NUL pairs
// (settingsLength code units in all). A failure is a result whose gw_result_error is its error
// number; nothing throws. Null only when not even a result could be made (out of memory).
gw_result* gw_format(const char16_t* query, int32_t queryLength, const char16_t* text,
                     int32_t textLength, const char16_t* settings, int32_t settingsLength);

// An empty document; null when out of memory.
gw_document* gw_document_new();
// Sets the document's text, every character unformatted; 0 or an error number.
int32_t gw_document_set_text(gw_document* document, const char16_t* text, int32_t textLength);
// Runs one job on the whole document as it is. A job that fails leaves the document as it was.
gw_result* gw_document_format(gw_document* document, const char16_t* query, int32_t queryLength,
                              const char16_t* settings, int32_t settingsLength);
void gw_document_free(gw_document* document);

// The jobs, "alias TAB ClassName LF" each, as the GW_TEXT part.
gw_result* gw_queries();

// 0, or the number of the error the call raised (7 for a null result).
int32_t gw_result_error(const gw_result* result);
// A part's code units and their count; an unknown part is empty. A part kept as bytes (a script,
// the clipboard's HTML) is widened at the first call of either. When there is no memory for them
// the units are null and the count is -1.
const char16_t* gw_result_part(gw_result* result, int32_t part);
int32_t gw_result_part_length(gw_result* result, int32_t part);
// The same part as UTF-8, which a browser reads several times faster than code units: its byte
// count, the bytes made at the first call; -1 (read the code units then) when the part has a
// lone surrogate, which UTF-8 cannot carry, when most of it is beyond ASCII (its bytes would run
// longer than its units by a quarter, and are read no quicker), or when there is no memory.
int32_t gw_result_part_utf8_length(gw_result* result, int32_t part);
// Those bytes, once gw_result_part_utf8_length has counted them; else empty.
const char* gw_result_part_utf8(const gw_result* result, int32_t part);
void gw_result_free(gw_result* result);
}
