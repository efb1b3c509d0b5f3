// CommandRunner.Run on a 10,000-word script against an Executer that does nothing: the cost of
// the runner itself (line splitting, value stack, number conversion, calls by name).
#include <benchmark/benchmark.h>

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

void BM_RunTenThousandWords(benchmark::State& state) {
  const std::u16string script = TenThousandWords();
  std::int64_t lines = 0;
  for (char16_t c : script) lines += c == u'\n';
  CommandRunner runner;
  runner.SetExecuter(std::make_shared<NoOpExecuter>());
  for (auto _ : state) runner.Run(script);
  state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines * state.iterations()),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RunTenThousandWords)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphwright
