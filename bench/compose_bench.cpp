// Composition speed: one composition, and every date of a year for each of
// the nine service variants. Figures only; nothing here fails on timing.
#include <benchmark/benchmark.h>

#include "composer/create_dismissal.h"
#include "composer/explain.h"
#include "composer/service.h"

namespace corvane {
namespace {

using namespace std::chrono;

using Variant = ServiceVariant;

// Orthros on the Sunday after the Ascension of 2025: many rules apply.
// With `explained`, the trace is read back as --explain does.
void composeOneDay(benchmark::State& run, bool explained) {
  DismissalState state;
  TempleSettings settings;
  selectService(state, Service::orthros, false);
  state.serviceDate = 2025y / June / 1;
  for (auto _ : run) {
    CreateDismissal(state, settings);
    benchmark::DoNotOptimize(settings.dismissalText.data());
    if (explained) {
      const Explanation explanation = explain(state);
      benchmark::DoNotOptimize(explanation.slots.data());
    }
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_OneComposition(benchmark::State& run) { composeOneDay(run, false); }
BENCHMARK(BM_OneComposition);

void BM_OneCompositionExplained(benchmark::State& run) { composeOneDay(run, true); }
BENCHMARK(BM_OneCompositionExplained);

// 365 dates times nine variants: items are compositions.
void BM_YearOfAllVariants(benchmark::State& run) {
  DismissalState state;
  TempleSettings settings;
  const Date first = 2025y / January / 1;
  for (auto _ : run) {
    for (const Variant& variant : kNineServiceVariants) {
      selectService(state, variant.service, variant.evening);
      for (Date date = first; date < first + days{365}; date += days{1}) {
        state.serviceDate = date;
        CreateDismissal(state, settings);
        benchmark::DoNotOptimize(settings.dismissalText.data());
      }
    }
  }
  run.SetItemsProcessed(run.iterations() * 365 * 9);
}
BENCHMARK(BM_YearOfAllVariants)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
