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

// Text written as UTF-8 a piece at a time through one buffer, made once: a rendering's many
// pieces then cost neither an allocation nor a fill each.
class Utf8Out {
 public:
  explicit Utf8Out(std::ostream& out) : out_(out) {}

  void Write(std::u16string_view text) {
    while (!text.empty()) {
      std::size_t length = std::min(kPiece, text.size());
      // A surrogate pair stays in one piece: apart, each half would become U+FFFD.
      if (length < text.size() && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
        --length;
      }
      if (bytes_.empty()) bytes_.resize(kPiece * kMaxUtf8PerUnit);
      const std::size_t written = EncodeUtf8(text.substr(0, length), bytes_.data());
      out_.write(bytes_.data(), static_cast<std::streamsize>(written));
      text.remove_prefix(length);
    }
  }

 private:
  static constexpr std::size_t kPiece = 1 << 15;
  std::ostream& out_;
  std::string bytes_;
};

[[noreturn]] void TooLong(std::string_view what, std::size_t maxBytes) {
  throw InputError(std::string(what) + " is longer than " + std::to_string(maxBytes) + " bytes");
}

[[noreturn]] void NotUtf8(std::string_view what, std::size_t bad) {
  throw InputError(std::string(what) + " is not valid UTF-8 (byte " + std::to_string(bad) + ")");
}

// The bytes left in a stream that can seek (a file given as standard input), or 0 when it
// cannot (a pipe, a terminal); the stream is left where it was.
std::size_t BytesLeft(std::istream& in) {
  std::streambuf* const buffer = in.rdbuf();
  if (buffer == nullptr) return 0;
  const std::streamoff here = buffer->pubseekoff(0, std::ios::cur, std::ios::in);
  if (here < 0) return 0;
  const std::streamoff end = buffer->pubseekoff(0, std::ios::end, std::ios::in);
  if (buffer->pubseekpos(here, std::ios::in) != here || end < here) return 0;
  return static_cast<std::size_t>(end - here);
}

// Where the bytes can be cut so that no sequence is split: before a lead byte near the end
// whose sequence has not all arrived. Anything else, well formed or not, is decoded as it is.
std::size_t CompleteSequencesEnd(std::string_view bytes) {
  for (std::size_t back = 1; back <= 4 && back <= bytes.size(); ++back) {
    const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const std::size_t length = byte >= 0xF0 && byte <= 0xF4   ? 4
                               : byte >= 0xE0 && byte <= 0xEF ? 3
                               : byte >= 0xC2 && byte <= 0xDF ? 2
                                                              : 1;
    return length > back ? bytes.size() - back : bytes.size();
  }
  return bytes.size();
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
  NotUtf8(what, FindInvalidUtf8(bytes).value_or(0));
}

std::u16string ReadUtf8(std::istream& in, std::string_view what, std::size_t maxBytes) {
  constexpr std::size_t kPiece = 65536;
  std::u16string text;
  // A file's size is known, so the text is made once at its full size rather than grown; one
  // more code unit is the blank a query appends.
  if (const std::size_t size = BytesLeft(in); size > 0) text.reserve(std::min(size, maxBytes) + 1);
  // A sequence split between two pieces waits at the front of the buffer for its other bytes.
  std::array<char, kPiece + 4> buffer;
  std::size_t waiting = 0;
  std::size_t offset = 0;  // of buffer[0] in the input
  std::size_t total = 0;
  for (bool atEnd = false; !atEnd;) {
    in.read(buffer.data() + waiting, static_cast<std::streamsize>(kPiece));
    const auto count = static_cast<std::size_t>(in.gcount());
    atEnd = !in;
    total += count;
    if (total > maxBytes) TooLong(what, maxBytes);
    const std::string_view bytes(buffer.data(), waiting + count);
    const std::size_t cut = atEnd ? bytes.size() : CompleteSequencesEnd(bytes);
    if (!AppendUtf8AsUtf16(text, bytes.substr(0, cut))) {
      NotUtf8(what, offset + FindInvalidUtf8(bytes.substr(0, cut)).value_or(0));
    }
    waiting = bytes.size() - cut;
    std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(cut), bytes.end(), buffer.begin());
    offset += cut;
  }
  if (text.capacity() == text.size()) text.reserve(text.size() + 1);
  return text;
}

std::u16string ReadText(const std::string* word, std::istream& in) {
  if (word == nullptr || *word == "-") return ReadUtf8(in);
  if (word->size() > kMaxInputBytes) TooLong("the TEXT argument", kMaxInputBytes);
  std::u16string text;
  text.reserve(word->size() + 1);
  if (!AppendUtf8AsUtf16(text, *word)) {
    NotUtf8("the TEXT argument", FindInvalidUtf8(*word).value_or(0));
  }
  return text;
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
  // The renderers write UTF-8 themselves, and each piece is written as it comes: the rendering
  // is never held whole, and never converted.
  char last = 0;
  const Utf8RenderSink sink = [&](std::string_view piece) {
    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    last = piece.back();
  };
  switch (form) {
    case OutputForm::Html:
      RenderHtmlUtf8(document, sink);
      break;
    case OutputForm::Text:
      RenderTextUtf8(document, sink);
      break;
    case OutputForm::Unicode:
      RenderUnicodeUtf8(document, sink);
      break;
    case OutputForm::Json:
      RenderJsonUtf8(document, sink);
      break;
  }
  if (last != '\n') out.put('\n');
}

void WriteUtf8(std::ostream& out, std::u16string_view text) {
  Utf8Out(out).Write(text);
}

}  // namespace glyphwright::cli
