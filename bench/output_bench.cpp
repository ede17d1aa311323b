// The outputs: one document and one text file, composed and written.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "composer/create_dismissal.h"
#include "output/english_date.h"
#include "output/text_file.h"
#include "output/word_document.h"
#include "state/service.h"

namespace corvane {
namespace {

using namespace std::chrono;

template <typename Write>
void composeAndWrite(benchmark::State& run, const char* name, Write write) {
  DismissalState state;
  TempleSettings settings;
  selectService(state, Service::orthros, false);
  state.serviceDate = 2025y / April / 20;  // Pascha: the longest document
  const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
  for (auto _ : run) {
    if (write(file, CreateDismissal(state, settings), englishLongDate)) run.SkipWithError("write");
  }
  std::filesystem::remove(file);
}

void BM_WriteOneDocument(benchmark::State& run) {
  composeAndWrite(run, "corvane-bench.docx", writeWordDocument);
}
BENCHMARK(BM_WriteOneDocument)->Unit(benchmark::kMicrosecond);

void BM_WriteOneTextFile(benchmark::State& run) {
  composeAndWrite(run, "corvane-bench.txt", writeTextFile);
}
BENCHMARK(BM_WriteOneTextFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
