// CommandRunner on a 10,000-word script against Executers that do nothing: the cost of the runner
// itself (line splitting, value stack, number conversion, calls by name or typed), and the same
// words handed over as units of integers, as the format command hands them, also to the
// reference document.
#include <benchmark/benchmark.h>

#include <vector>

#include "automation/host_editing.h"
#include "document/document.h"
#include "script/builders.h"
#include "script/command_runner.h"

namespace glyphwright {
namespace {

class NoOpExecuter : public Dispatch {
 public:
  DispId GetIDsOfNames(std::u16string_view name) override { return name == u"QueryValue" ? 0 : 1; }
  Variant Invoke(DispId id, InvokeKind, Arguments args) override {
    return id == 0 ? *args[0] : Variant();
  }
};

// Typed calls that do nothing; QueryValue answers every value unchanged, and says so or not.
class NoOpEditor : public Dispatch, public HostEditing {
 public:
  explicit NoOpEditor(bool saysItKeepsIntegers) : keepsIntegers_(saysItKeepsIntegers) {}
  DispId GetIDsOfNames(std::u16string_view) override { return kUnknownDispId; }
  Variant Invoke(DispId, InvokeKind, Arguments) override { return {}; }
  HostEditing* Editing() override { return this; }

  void QueryValueText(std::u16string_view value, std::u16string& answer) const override {
    answer.assign(value);
  }
  bool QueryValueKeepsIntegers() const override { return keepsIntegers_; }
  void SetSubscript(int32_t, int32_t, bool) override {}
  void SetSuperscript(int32_t, int32_t, bool) override {}
  void SetSmall(int32_t, int32_t) override {}
  void SetStyle(int32_t, int32_t, std::u16string_view) override {}
  void ApplyStyle(std::u16string_view) override {}
  void ReplaceChar(int32_t, std::u16string_view) override {}
  void TypeBackspace() override {}
  void TypeParagraph() override {}
  void TypeText(std::u16string_view, std::u16string_view) override {}
  void MoveCursor(std::u16string_view) override {}
  void CopyText(int32_t, int32_t) override {}
  void CutText(int32_t, int32_t) override {}
  void PasteText() override {}
  void DeleteText(int32_t, int32_t) override {}
  void SelectRange(int32_t, int32_t) override {}

 private:
  bool keepsIntegers_;
};

// The mix the queries write: formatting words on positions, and typed text.
std::u16string TenThousandWords() {
  ScriptWriter script;
  for (int i = 0; i < 2500; ++i) {
    script.Command2(u"Subscript", i * 7 + 1, 2)
        .Command2(u"Italic", i * 7 + 3, 4)
        .Command1(u"TypeText", u"7.26")
        .Command2(u"Superscript", i * 7 + 5, 1);
  }
  return std::move(script).Script();
}

std::int64_t LinesOf(std::u16string_view script) {
  std::int64_t lines = 0;
  for (char16_t c : script) lines += c == u'\n';
  return lines;
}

void RunTenThousandWords(benchmark::State& state, DispatchRef executer) {
  const std::u16string script = TenThousandWords();
  const std::int64_t lines = LinesOf(script);
  CommandRunner runner;
  runner.SetExecuter(std::move(executer));
  for (auto _ : state) runner.Run(script);
  state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines * state.iterations()),
                                                 benchmark::Counter::kIsRate);
}

void BM_RunTenThousandWords(benchmark::State& state) {
  RunTenThousandWords(state, std::make_shared<NoOpExecuter>());
}
BENCHMARK(BM_RunTenThousandWords)->Unit(benchmark::kMicrosecond);

void BM_RunTenThousandWordsTyped(benchmark::State& state) {
  RunTenThousandWords(state, std::make_shared<NoOpEditor>(true));
}
BENCHMARK(BM_RunTenThousandWordsTyped)->Unit(benchmark::kMicrosecond);

// A formula's units: mostly Subscript, now and then another word.
struct IntegerUnit {
  int64_t first;
  int64_t second;
  std::u16string_view word;
};

std::vector<IntegerUnit> TenThousandUnits() {
  std::vector<IntegerUnit> units;
  for (int64_t i = 0; i < 2500; ++i) {
    units.push_back({i * 7 + 1, 2, u"Subscript"});
    units.push_back({i * 7 + 3, 1, u"Subscript"});
    units.push_back({i * 7 + 4, 1, i % 2 == 0 ? u"Subscript" : u"Superscript"});
    units.push_back({i * 7 + 5, 2, u"Subscript"});
  }
  return units;
}

// Units of integers on a host that keeps them (registers set at once, state.range(0) == 1) or
// one that must be asked for every value (their text pushed and read back).
void BM_RunTenThousandUnits(benchmark::State& state) {
  const std::vector<IntegerUnit> units = TenThousandUnits();
  CommandRunner runner;
  runner.SetExecuter(std::make_shared<NoOpEditor>(state.range(0) == 1));
  for (auto _ : state) {
    runner.BeginUnits();
    for (const IntegerUnit& unit : units) runner.RunUnit(unit.first, unit.second, unit.word);
  }
  state.counters["units/s"] = benchmark::Counter(
      static_cast<double>(units.size() * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunTenThousandUnits)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// A document of another class, which hears every call of a script word, one by one.
class DerivedDocument : public Document {
 public:
  using Document::Document;
};

// The same units on the reference document (state.range(0) == 1), which takes a script word's
// three calls in one pass, and on a derived one, which is made them one after another. The
// words leave the same states each time, so one document serves every iteration.
void BM_RunTenThousandUnitsOnDocument(benchmark::State& state) {
  const std::vector<IntegerUnit> units = TenThousandUnits();
  const std::u16string text(2500 * 7 + 8, u'C');
  CommandRunner runner;
  if (state.range(0) == 1) {
    runner.SetExecuter(std::make_shared<Document>(text));
  } else {
    runner.SetExecuter(std::make_shared<DerivedDocument>(text));
  }
  for (auto _ : state) {
    runner.BeginUnits();
    for (const IntegerUnit& unit : units) runner.RunUnit(unit.first, unit.second, unit.word);
  }
  state.counters["units/s"] = benchmark::Counter(
      static_cast<double>(units.size() * state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunTenThousandUnitsOnDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphwright
