// Composition speed: one composition, and every date of a year for each of
// the nine service variants, without and with the parish's own
// commemorations. Figures only; nothing here fails on timing.
#include <benchmark/benchmark.h>

#include <string>

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

// The same for a parish that keeps twenty commemorations of its own, fixed
// and movable: what each composition pays to look for those of its day.
void BM_YearWithOurOwnCommemorations(benchmark::State& run) {
  std::string list;
  for (int month = 1; month <= 12; ++month) {
    list.append(month < 10 ? "0" : "").append(std::to_string(month));
    list.append("-13 of the holy martyrs of our land\n");
  }
  for (int week = 0; week < 8; ++week) {
    list.append("P+").append(std::to_string(7 * week + 63));
    list.append(" of all the saints of our diocese\n");
  }
  TempleSettings settings;
  settings.commemorations = commemorationsOf(readCommemorationsText(list), "commemorations.txt");
  Dismissal result;
  const Date first = 2025y / January / 1;
  for (auto _ : run) {
    for (const Variant& variant : kNineServiceVariants) {
      for (Date date = first; date < first + days{365}; date += days{1}) {
        compose({date, variant.service, variant.evening}, settings, result);
        benchmark::DoNotOptimize(result.dismissalText.data());
      }
    }
  }
  run.SetItemsProcessed(run.iterations() * 365 * 9);
}
BENCHMARK(BM_YearWithOurOwnCommemorations)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
