// A script handed on a block at a time instead of answered whole, for callers that write it out
// as it is made (the command line): a long text's script is then never held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "script/text_length.h"
#include "text/prepared_text.h"
#include "text/utf8.h"

namespace glyphwright {

// Collects script lines as UTF-8 and hands them to its output whenever a block or more has
// gathered: the script's bytes are made directly, never held whole and never converted from a
// UTF-16 copy. A block always ends at the end of a unit, so it never splits a line or a
// character. What is left over goes out at Flush, which the caller calls once the script is
// complete. The bytes are those of the UTF-16 script converted as Utf16ToUtf8 converts it.
class ScriptSink {
 public:
  using Output = std::function<void(std::string_view block)>;
  // Bytes a block gathers before it goes out: some tens of kilobytes, little enough to stay in
  // the cache while it is written.
  static constexpr std::size_t kBlock = std::size_t{1} << 15;

  explicit ScriptSink(Output output, std::size_t block = kBlock)
      : output_(std::move(output)), block_(block) {
    // Room for a block and the unit that fills it, so the buffer rarely grows while in use.
    bytes_.reserve(block_ + 64);
  }

  // One unit: the value lines of first and second, then the command line of word.
  void Command2(std::u16string_view word, int64_t first, int64_t second) {
    // "=", a sign, 19 digits and LF, twice.
    char lines[44];
    char* const end = lines + sizeof lines;
    const char* const start = ValueLine(ValueLine(end, second), first);
    bytes_.append(start, static_cast<std::size_t>(end - start));
    // A scan writes one word unit after unit: it is converted once, when it changes.
    if (word != word_) {
      word_ = word;
      wordLine_ = Utf16ToUtf8(word);
      wordLine_.push_back('\n');
    }
    bytes_.append(wordLine_);
    if (bytes_.size() >= block_) Flush();
  }

  // Hands on whatever has gathered; nothing when it is empty.
  void Flush() {
    if (bytes_.empty()) return;
    output_(bytes_);
    bytes_.clear();
  }

 private:
  // Writes "=", the number in decimal ("-" for negatives, no leading zeros) and LF backwards,
  // ending just before end; returns its start.
  static char* ValueLine(char* end, int64_t value) {
    *--end = '\n';
    uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
      *--end = static_cast<char>('0' + rest % 10);
      rest /= 10;
    } while (rest != 0);
    if (value < 0) *--end = '-';
    *--end = '=';
    return end;
  }

  Output output_;
  std::size_t block_;
  std::string bytes_;
  std::u16string word_;
  std::string wordLine_;
};

// The code array a query scans, made in the memory of a text its caller gives up (ScanChars
// makes it in a copy).
inline CodeArray ScanOwnedChars(std::u16string Text) {
  CheckTextLength(Text);
  PrepareCharsInPlace(Text);
  return Text;
}

// A query that can write its script into a ScriptSink: the same lines in the same order as its
// GetCommands answers, for the same text and properties. Reached from C++ only, by a cast from
// the query's Dispatch.
class StreamedCommands {
 public:
  // Text is taken over, so the query can prepare its scan in the same memory rather than in a
  // copy. Raises what GetCommands raises, before anything reaches the sink.
  virtual void StreamCommands(std::u16string Text, ScriptSink& sink) = 0;

 protected:
  ~StreamedCommands() = default;
};

}  // namespace glyphwright
