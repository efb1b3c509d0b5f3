// The command's edges: bytes in (arguments, files, standard input), UTF-8 checked and turned
// into the library's text; documents made from the input and rendered back to UTF-8.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "document/document.h"

namespace glyphwright::cli {

// The most bytes the command reads from one input (TEXT or SCRIPT): 128 MiB, as many characters
// as the reference document holds. Reading stops there, so a larger input costs no more memory
// than that before it is refused.
inline constexpr std::size_t kMaxInputBytes = std::size_t{1} << 27;

// All bytes of a stream, verbatim; InputError naming `what` when there are more than maxBytes.
std::string ReadAll(std::istream& in, std::string_view what = "standard input",
                    std::size_t maxBytes = kMaxInputBytes);
// All bytes of a file; InputError when it cannot be read or is longer than maxBytes.
std::string ReadFile(const std::string& path, std::size_t maxBytes = kMaxInputBytes);

// The TEXT argument: the word itself, or all of `in` when it is absent (nullptr) or "-". The text
// has room for one more code unit, so a query can append its blank without copying it.
std::u16string ReadText(const std::string* word, std::istream& in);

// All of a stream as strict UTF-8, converted as it is read, so its bytes are never held whole;
// InputError naming `what` with the offset of the first bad byte, or when there are more than
// maxBytes.
std::u16string ReadUtf8(std::istream& in, std::string_view what = "standard input",
                        std::size_t maxBytes = kMaxInputBytes);

// Strict UTF-8; InputError naming what was read ("standard input") and the first bad byte.
std::u16string DecodeUtf8(std::string_view bytes, std::string_view what);

enum class InputForm { Text, Html };
enum class OutputForm { Html, Text, Unicode, Json };

InputForm ParseInputForm(const std::string& value, const std::string& command);
OutputForm ParseOutputForm(const std::string& value, const std::string& command);

// The whole input selected, origin 0. Text is taken verbatim (CR is a paragraph mark); HTML
// that cannot be read is an InputError.
std::shared_ptr<Document> MakeDocument(std::u16string_view input, InputForm form);

// The rendering in UTF-8, ended by LF (one is added when the rendering lacks it).
void WriteRendering(std::ostream& out, const Document& document, OutputForm form);

// Text written as UTF-8 a piece at a time, so that its UTF-8 form is never held whole.
void WriteUtf8(std::ostream& out, std::u16string_view text);

}  // namespace glyphwright::cli
