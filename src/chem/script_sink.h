// A script handed on a block at a time instead of answered whole, for callers that write it out
// as it is made (the command line): a long text's script is then never held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "script/text_length.h"
#include "script/unit_integers.h"
#include "text/prepared_text.h"
#include "text/utf8.h"

namespace glyphwright {

// Takes a script's units as they are made rather than their lines, for a caller that runs the
// script as it comes (the command line's format). A unit stands for the value lines of first and
// second, then the line of word.
class ScriptUnits {
 public:
  virtual void Unit(std::u16string_view word, int64_t first, int64_t second) = 0;
  // Units of one word, in order: what Unit does for each of them, which is what this does
  // unless a taker does it in fewer steps.
  virtual void Units(std::u16string_view word, std::span<const UnitIntegers> units) {
    for (const UnitIntegers& unit : units) Unit(word, unit.first, unit.second);
  }

 protected:
  ~ScriptUnits() = default;
};

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
    SetWord(u"");
  }
  // Hands each unit to units instead, as it comes: no lines are written.
  explicit ScriptSink(ScriptUnits& units) : block_(0), units_(&units) { SetWord(u""); }
  ScriptSink(const ScriptSink&) = delete;
  ScriptSink& operator=(const ScriptSink&) = delete;

  // One unit: the value lines of first and second, then the command line of word.
  void Command2(std::u16string_view word, int64_t first, int64_t second) {
    if (units_ != nullptr) return units_->Unit(word, first, second);
    // A scan writes one word unit after unit: it is converted once, when it changes.
    if (word != word_) SetWord(word);
    // The buffer always has room for one more unit (see SetWord), so it is written through a
    // pointer without a check or a call per line.
    char* out = buffer_.get() + size_;
    out = ValueLine(out, first);
    out = ValueLine(out, second);
    std::memcpy(out, wordLine_.data(), wordLine_.size());
    size_ = static_cast<std::size_t>(out - buffer_.get()) + wordLine_.size();
    if (size_ >= block_) Flush();
  }

  // True when the sink hands units on (see ScriptUnits) rather than writing lines.
  bool TakesUnits() const { return units_ != nullptr; }
  // Units of one word, in order, as Command2 on each would hand them on; for a sink that
  // TakesUnits.
  void Units(std::u16string_view word, std::span<const UnitIntegers> units) {
    units_->Units(word, units);
  }

  // Hands on whatever has gathered; nothing when it is empty.
  void Flush() {
    if (size_ == 0) return;
    output_(std::string_view(buffer_.get(), size_));
    size_ = 0;
  }

 private:
  // "=", a sign, 19 digits, LF: the longest value line.
  static constexpr std::size_t kValueLineMax = 22;

  // Writes "=", the number in decimal ("-" for negatives, no leading zeros) and LF at out;
  // returns the end.
  static char* ValueLine(char* out, int64_t value) {
    *out++ = '=';
    if (value < 0) *out++ = '-';
    uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char* const end = out + Digits(rest);
    for (char* digit = end; digit != out;) {
      *--digit = static_cast<char>('0' + rest % 10);
      rest /= 10;
    }
    *end = '\n';
    return end + 1;
  }
  static std::size_t Digits(uint64_t value) {
    std::size_t digits = 1;
    while (value >= 10) {
      value /= 10;
      ++digits;
    }
    return digits;
  }

  // The word and its line in UTF-8, and room for a block and the longest unit of it.
  void SetWord(std::u16string_view word) {
    word_ = word;
    wordLine_ = Utf16ToUtf8(word);
    wordLine_.push_back('\n');
    const std::size_t needed = block_ + 2 * kValueLineMax + wordLine_.size();
    if (needed > capacity_) {
      auto larger = std::make_unique<char[]>(needed);
      if (size_ > 0) std::memcpy(larger.get(), buffer_.get(), size_);
      buffer_ = std::move(larger);
      capacity_ = needed;
    }
  }

  Output output_;
  std::size_t block_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
  std::u16string word_;
  std::string wordLine_;
  ScriptUnits* units_ = nullptr;
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
