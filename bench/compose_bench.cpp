// Composition speed: one composition, and every date of a year for each of
// the nine service variants. Figures only; nothing here fails on timing.
#include <benchmark/benchmark.h>

#include "composer/compose.h"
#include "state/service.h"

namespace corvane {
namespace {

using namespace std::chrono;

using Variant = ServiceVariant;

// Orthros on the Sunday after the Ascension of 2025: many rules apply. The
// result, with every slot and its rule, is written into one reused record.
void BM_OneComposition(benchmark::State& run) {
  const ServiceRequest request{2025y / June / 1, Service::orthros, false};
  TempleSettings settings;
  Dismissal result;
  for (auto _ : run) {
    compose(request, settings, result);
    benchmark::DoNotOptimize(result.dismissalText.data());
  }
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_OneComposition);

// 365 dates times nine variants: items are compositions.
void BM_YearOfAllVariants(benchmark::State& run) {
  TempleSettings settings;
  Dismissal result;
  const Date first = 2025y / January / 1;
  for (auto _ : run) {
    for (const Variant& variant : kNineServiceVariants) {
      for (Date date = first; date < first + days{365}; date += days{1}) {
        compose(variant.on(date), settings, result);
        benchmark::DoNotOptimize(result.dismissalText.data());
      }
    }
  }
  run.SetItemsProcessed(run.iterations() * 365 * 9);
}
BENCHMARK(BM_YearOfAllVariants)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
