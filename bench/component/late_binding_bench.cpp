// The cost of one call from C++: the member function itself, and the same call by dispatch
// identifier as a late-bound client makes it. bench/python compares the Python call with these.
#include <benchmark/benchmark.h>

#include "component/class_registry.h"
#include "script/command_runner.h"

namespace glyphwright {
namespace {

// A 20-character selection, as a host hands it over.
constexpr std::u16string_view kSelection = u"[Fe(CN)6]4- + SO42- ";

void BM_RunDirect(benchmark::State& state) {
  CommandRunner runner;
  for (auto _ : state) {
    runner.Run(kSelection);
  }
}
BENCHMARK(BM_RunDirect);

void BM_RunByDispatchId(benchmark::State& state) {
  const DispatchRef runner = CreateObject(u"Glyphwright.CommandRunner");
  const DispId id = runner->GetIDsOfNames(u"Run");
  for (auto _ : state) {
    Variant text(kSelection);
    Variant* args[] = {&text};
    benchmark::DoNotOptimize(runner->Invoke(id, InvokeKind::Method, args));
  }
}
BENCHMARK(BM_RunByDispatchId);

}  // namespace
}  // namespace glyphwright
