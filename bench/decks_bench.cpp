// The picture catalogue: rendering every picture the first time, at 1x and 2x, and a cached load.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <vector>

#include "decks/catalogue.h"

namespace {

void BM_RenderWholeCatalogue(benchmark::State& state) {
  const int ratio = static_cast<int>(state.range(0));
  const auto ids = CatalogueIds();
  for (auto _ : state) {
    ClearImageCache();
    for (int id : ids) benchmark::DoNotOptimize(CatalogueImage(id, CatalogueSize(id) * ratio));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ids.size()));
}
BENCHMARK(BM_RenderWholeCatalogue)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_CachedLoad(benchmark::State& state) {
  const QSize size(71, 96);
  CatalogueImage(12, size);
  for (auto _ : state) benchmark::DoNotOptimize(CatalogueImage(12, size));
}
BENCHMARK(BM_CachedLoad);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
