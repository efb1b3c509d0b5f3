// The primitive scanners and the one writer of their units. A unit is one command word on two
// numbers: (first index, length) of a run, or (index, signed code) for ReplaceChar. A scanner
// offers
//   Word()                the command word of its units
//   Scan(chars, emit)     emit(first, second) for every unit, in text order, until an emit that
//                         answers a bool answers false
// and everything else (counting, sizing the buffer, writing, the members GetCommands and
// CommandsLength) is written here once for every scanner and every list of them.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "chem/script_length.h"
#include "chem/script_sink.h"
#include "script/builders.h"
#include "text/lib.h"

namespace glyphwright {

namespace scan_units_detail {
struct AnyEmit {
  void operator()(std::size_t, int64_t) const {}
};
}  // namespace scan_units_detail

// Hands one unit to emit; false when emit asks the scan to stop there.
template <class Emit>
bool ReportUnit(Emit& emit, std::size_t first, int64_t second) {
  if constexpr (std::is_void_v<std::invoke_result_t<Emit&, std::size_t, int64_t>>) {
    emit(first, second);
    return true;
  } else {
    return emit(first, second);
  }
}

template <class S>
concept UnitScanner = requires(const S& scanner, const CodeArray& chars) {
  { scanner.Word() } -> std::convertible_to<std::u16string_view>;
  scanner.Scan(chars, scan_units_detail::AnyEmit{});
};

// The code units the units of the scanners take as script lines.
template <UnitScanner... Scanners>
std::size_t UnitsLength(const CodeArray& chars, const Scanners&... scanners) {
  [[maybe_unused]] const auto lengthOf = [&chars](const auto& scanner) {
    const std::u16string_view word = scanner.Word();
    std::size_t total = 0;
    scanner.Scan(chars, [&](std::size_t first, int64_t second) {
      total += UnitLength(word, static_cast<int64_t>(first), second);
    });
    return total;
  };
  return (std::size_t{0} + ... + lengthOf(scanners));
}

// The units of each scanner in turn, appended to out: a ScriptWriter, or a ScriptSink that hands
// them on a block at a time.
template <class Out, UnitScanner... Scanners>
void AppendUnits(const CodeArray& chars, Out& out, const Scanners&... scanners) {
  [[maybe_unused]] const auto append = [&chars, &out](const auto& scanner) {
    const std::u16string_view word = scanner.Word();
    scanner.Scan(chars, [&](std::size_t first, int64_t second) {
      out.Command2(word, static_cast<int64_t>(first), second);
    });
  };
  (append(scanners), ...);
}

// The script of the units of each scanner in turn. A short selection, the usual case, gets a
// generous guess of room: cheaper than a counting pass, and a small script that outgrows it is
// copied once or twice. A long text is counted exactly, since a long script that grows step by
// step is copied again and again.
template <UnitScanner... Scanners>
std::u16string WriteUnits(const CodeArray& chars, const Scanners&... scanners) {
  constexpr std::size_t kCountFrom = 512;
  ScriptWriter out;
  out.Reserve(chars.size() < kCountFrom ? 16 * chars.size() + 64 : UnitsLength(chars, scanners...));
  AppendUnits(chars, out, scanners...);
  return std::move(out).Script();
}

// The units WriteUnits writes, in the same order, into sink; the caller flushes it at the end.
// No counting pass: a block is written and handed on before the next one is made. A sink that
// takes units is handed a scanner's units some hundreds at a time, all of one word, and has been
// handed every one of them when this returns.
template <UnitScanner... Scanners>
void StreamUnits(const CodeArray& chars, ScriptSink& sink, const Scanners&... scanners) {
  if (!sink.TakesUnits()) return AppendUnits(chars, sink, scanners...);
  [[maybe_unused]] const auto handOn = [&chars, &sink](const auto& scanner) {
    const std::u16string_view word = scanner.Word();
    std::array<UnitIntegers, 256> units;
    std::size_t count = 0;
    scanner.Scan(chars, [&](std::size_t first, int64_t second) {
      units[count++] = {static_cast<int64_t>(first), second};
      if (count == units.size()) {
        sink.Units(word, units);
        count = 0;
      }
    });
    if (count > 0) sink.Units(word, std::span(units.data(), count));
  };
  (handOn(scanners), ...);
}

// The members a primitive scanner offers its users, from its own Word and Scan.
template <class Scanner>
class ScannerCommands {
 public:
  // One unit per match, in text order.
  std::u16string GetCommands(const CodeArray& chars) const { return WriteUnits(chars, Self()); }
  // The number of code units GetCommands writes for chars.
  std::size_t CommandsLength(const CodeArray& chars) const { return UnitsLength(chars, Self()); }

 private:
  const Scanner& Self() const { return static_cast<const Scanner&>(*this); }
};

}  // namespace glyphwright
