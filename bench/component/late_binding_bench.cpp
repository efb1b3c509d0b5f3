// The cost of one GetCommands from C++: the member function itself, and the same call by
// dispatch identifier as a late-bound client makes it. bench/python compares the Python call
// with these.
#include <benchmark/benchmark.h>

#include "component/class_registry.h"
#include "journal/journal_query.h"

namespace glyphwright {
namespace {

// A 20-character selection, as a host hands it over.
constexpr std::u16string_view kSelection = u"J. Org. Chem. 1999, ";
static_assert(kSelection.size() == 20);

void BM_GetCommandsDirect(benchmark::State& state) {
  JournalQuery query;
  for (auto _ : state) {
    benchmark::DoNotOptimize(query.GetCommands(kSelection));
  }
}
BENCHMARK(BM_GetCommandsDirect);

void BM_GetCommandsByDispatchId(benchmark::State& state) {
  const DispatchRef query = CreateObject(u"Glyphwright.JournalQuery");
  const DispId id = query->GetIDsOfNames(u"GetCommands");
  for (auto _ : state) {
    Variant text(kSelection);
    Variant* args[] = {&text};
    benchmark::DoNotOptimize(query->Invoke(id, InvokeKind::Method, args));
  }
}
BENCHMARK(BM_GetCommandsByDispatchId);

}  // namespace
}  // namespace glyphwright
