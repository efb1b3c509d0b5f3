#include "cli/text_io.h"

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

std::string ReadAll(std::istream& in) {
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadFile(const std::string& path) {
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
  }
  // A directory opens but cannot be read.
  const int error = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (error != 0) fail(error);
  return bytes;
}

std::u16string DecodeUtf8(std::string_view bytes, std::string_view what) {
  if (const std::optional<std::size_t> bad = FindInvalidUtf8(bytes)) {
    throw InputError(std::string(what) + " is not valid UTF-8 (byte " + std::to_string(*bad) + ")");
  }
  return *Utf8ToUtf16(bytes);
}

std::u16string ReadText(const std::string* word, std::istream& in) {
  if (word == nullptr || *word == "-") return DecodeUtf8(ReadAll(in), "standard input");
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

std::string Render(const Document& document, OutputForm form) {
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
  return Utf16ToUtf8(rendered);
}

}  // namespace glyphwright::cli
