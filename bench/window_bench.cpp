// The windows, offscreen: from creating them to the temple window shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "state/english_date.h"
#include "widgets/corvane_app.h"

namespace corvane {
namespace {

void BM_StartToFirstWindow(benchmark::State& run) {
  AppServices services;
  services.today = [] { return QDate{2025, 4, 20}; };
  services.ask = [](QWidget*, const QString&, const QString&) { return false; };
  services.tell = [](QWidget*, const QString&) {};
  services.inform = [](QWidget*, const QString&, const QString&) {};
  services.startSystemInfo = [] { return false; };
  services.outputs.dataFolder = std::filesystem::temp_directory_path();
  services.outputs.longDate = englishLongDate;
  services.patronFile = std::filesystem::temp_directory_path() / "corvane-bench-inpat.txt";
  for (auto _ : run) {
    CorvaneApp app{services};
    app.start();
    QApplication::processEvents();
    benchmark::DoNotOptimize(app.templeWindow().isVisible());
  }
}
BENCHMARK(BM_StartToFirstWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
