// The command's edges: bytes in (arguments, files, standard input), UTF-8 checked and turned
// into the library's text; documents made from the input and rendered back to UTF-8.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>

#include "document/document.h"

namespace glyphwright::cli {

// All bytes of a stream, verbatim.
std::string ReadAll(std::istream& in);
// All bytes of a file; InputError when it cannot be read.
std::string ReadFile(const std::string& path);

// The TEXT argument: the word itself, or all of `in` when it is absent (nullptr) or "-".
std::u16string ReadText(const std::string* word, std::istream& in);

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
std::string Render(const Document& document, OutputForm form);

}  // namespace glyphwright::cli
