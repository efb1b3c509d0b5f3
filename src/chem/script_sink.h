// A script handed on a block at a time instead of answered whole, for callers that write it out
// as it is made (the command line): a long text's script is then never held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "script/builders.h"
#include "script/text_length.h"
#include "text/prepared_text.h"

namespace glyphwright {

// Collects script lines and hands them to its output whenever a block or more has gathered. A
// block always ends at the end of a unit, so it never splits a line or a surrogate pair. What is
// left over goes out at Flush, which the caller calls once the script is complete.
class ScriptSink {
 public:
  using Output = std::function<void(std::u16string_view block)>;
  // Code units a block gathers before it goes out: some tens of kilobytes, little enough to stay
  // in the cache while it is converted and written.
  static constexpr std::size_t kBlock = std::size_t{1} << 15;

  explicit ScriptSink(Output output, std::size_t block = kBlock)
      : output_(std::move(output)), block_(block) {
    // Room for a block and the unit that fills it, so the buffer never grows while it is in use.
    writer_.Reserve(block_ + 64);
  }

  // One unit, as ScriptWriter writes it.
  void Command2(std::u16string_view word, int64_t first, int64_t second) {
    writer_.Command2(word, first, second);
    if (writer_.Script().size() >= block_) Flush();
  }

  // Hands on whatever has gathered; nothing when it is empty.
  void Flush() {
    if (writer_.Empty()) return;
    output_(writer_.Script());
    writer_.Clear();
  }

 private:
  Output output_;
  std::size_t block_;
  ScriptWriter writer_;
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
