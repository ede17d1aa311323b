// The outputs: one document and one text file, composed and written; a
// booklet of 1,000 dismissals composed and written as one document.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "composer/booklet.h"
#include "composer/compose.h"
#include "output_files/text_file.h"
#include "output_files/word_document.h"
#include "state/english_date.h"
#include "state/service.h"

namespace corvane {
namespace {

using namespace std::chrono;

enum class Kind { document, textFile };

void composeAndWrite(benchmark::State& run, const char* name, Kind kind) {
  const ServiceRequest pascha{2025y / April / 20, Service::orthros, false};  // the longest document
  const TempleSettings settings;
  const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
  for (auto _ : run) {
    const Dismissal dismissal = compose(pascha, settings);
    const Done written = kind == Kind::document
                             ? writeWordDocument(file, dismissal, englishLongDate)
                             : writeTextFile(file, dismissal, englishLongDate);
    if (!written) run.SkipWithError("write");
  }
  std::filesystem::remove(file);
}

void BM_WriteOneDocument(benchmark::State& run) {
  composeAndWrite(run, "corvane-bench.docx", Kind::document);
}
BENCHMARK(BM_WriteOneDocument)->Unit(benchmark::kMicrosecond);

void BM_WriteOneTextFile(benchmark::State& run) {
  composeAndWrite(run, "corvane-bench.txt", Kind::textFile);
}
BENCHMARK(BM_WriteOneTextFile)->Unit(benchmark::kMicrosecond);

// 1,000 dismissals, every service of 112 days from the first Sunday of the
// Triodion of 2026, composed and written as one booklet on A4.
void BM_BookletOfAThousand(benchmark::State& run) {
  std::vector<ServiceRequest> entries;
  for (Date day = 2026y / February / 1; entries.size() < 1000; day += days{1}) {
    for (const ServiceVariant& variant : kNineServiceVariants) {
      if (entries.size() < 1000) entries.push_back(variant.on(day));
    }
  }
  TempleSettings settings;
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "corvane-bench-booklet.docx";
  for (auto _ : run) {
    const std::vector<Dismissal> dismissals = composeBooklet(entries, settings);
    if (!writeWordDocument(file, dismissals, englishLongDate, Paper::a4))
      run.SkipWithError("write");
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_BookletOfAThousand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
