#include "cli/text_io.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "automation/automation_error.h"
#include "cli/cli_errors.h"
#include "cli/options.h"
#include "document/renderers.h"
#include "text/utf8.h"

namespace glyphwright::cli {

namespace {

[[noreturn]] void TooLong(std::string_view what, std::size_t maxBytes) {
  throw InputError(std::string(what) + " is longer than " + std::to_string(maxBytes) + " bytes");
}

}  // namespace

std::string ReadAll(std::istream& in, std::string_view what, std::size_t maxBytes) {
  std::string bytes;
  std::array<char, 65536> buffer;
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > maxBytes) TooLong(what, maxBytes);
  }
  return bytes;
}

std::string ReadFile(const std::string& path, std::size_t maxBytes) {
  const auto fail = [&](int error) {
    throw InputError("cannot read '" + path + "': " + std::strerror(error));
  };
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) fail(errno);
  std::string bytes;
  std::array<char, 65536> buffer;
  std::size_t count;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
    bytes.append(buffer.data(), count);
    if (bytes.size() > maxBytes) {
      std::fclose(file);
      TooLong("'" + path + "'", maxBytes);
    }
  }
  // A directory opens but cannot be read.
  const int error = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (error != 0) fail(error);
  return bytes;
}

std::u16string DecodeUtf8(std::string_view bytes, std::string_view what) {
  if (std::optional<std::u16string> text = Utf8ToUtf16(bytes)) return std::move(*text);
  const std::size_t bad = FindInvalidUtf8(bytes).value_or(0);
  throw InputError(std::string(what) + " is not valid UTF-8 (byte " + std::to_string(bad) + ")");
}

std::u16string ReadText(const std::string* word, std::istream& in) {
  if (word == nullptr || *word == "-") return DecodeUtf8(ReadAll(in), "standard input");
  if (word->size() > kMaxInputBytes) TooLong("the TEXT argument", kMaxInputBytes);
  return DecodeUtf8(*word, "the TEXT argument");
}

InputForm ParseInputForm(const std::string& value, const std::string& command) {
  constexpr std::string_view kForms[] = {"text", "html"};
  return Choose("--from", value, kForms, command) == "html" ? InputForm::Html : InputForm::Text;
}

OutputForm ParseOutputForm(const std::string& value, const std::string& command) {
  constexpr std::string_view kForms[] = {"html", "text", "unicode", "json"};
  const std::string_view form = Choose("--to", value, kForms, command);
  if (form == "text") return OutputForm::Text;
  if (form == "unicode") return OutputForm::Unicode;
  if (form == "json") return OutputForm::Json;
  return OutputForm::Html;
}

std::shared_ptr<Document> MakeDocument(std::u16string_view input, InputForm form) {
  if (form == InputForm::Text) return std::make_shared<Document>(input);
  try {
    return std::make_shared<Document>(Document::FromHtml(input));
  } catch (const AutomationError& error) {
    throw InputError("cannot read the HTML input: " + std::string(error.what()));
  }
}

void WriteRendering(std::ostream& out, const Document& document, OutputForm form) {
  std::u16string rendered;
  switch (form) {
    case OutputForm::Html:
      rendered = RenderHtml(document);
      break;
    case OutputForm::Text:
      rendered = RenderText(document);
      break;
    case OutputForm::Unicode:
      rendered = RenderUnicode(document);
      break;
    case OutputForm::Json:
      rendered = RenderJson(document);
      break;
  }
  if (rendered.empty() || rendered.back() != u'\n') rendered.push_back(u'\n');
  WriteUtf8(out, rendered);
}

void WriteUtf8(std::ostream& out, std::u16string_view text) {
  constexpr std::size_t kPiece = 1 << 15;
  std::string bytes;
  while (!text.empty()) {
    std::size_t length = std::min(kPiece, text.size());
    // A surrogate pair stays in one piece: apart, each half would become U+FFFD.
    if (length < text.size() && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
      --length;
    }
    bytes.clear();
    AppendUtf8(bytes, text.substr(0, length));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    text.remove_prefix(length);
  }
}

}  // namespace glyphwright::cli
