// Opening statistics files from disk: a valid file, and a 1 GiB file that must be refused at
// once without its bytes ever reaching memory.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/rss.h"
#include "stats/statsio.h"

namespace {

const std::filesystem::path kKnownFile =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "tests/stats/data/known.bwf";

void BM_OpenValidFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("known.bwf"));
  if (!QFile::copy(QString::fromStdString(kKnownFile.string()), path)) {
    state.SkipWithError("known.bwf could not be copied");
    return;
  }
  for (auto _ : state) {
    const StatsFileOpen open = OpenStatsFile(path);
    if (!open.reading.Accepted()) {
      state.SkipWithError("the valid file was refused");
      break;
    }
    benchmark::DoNotOptimize(open.reading.stats.BankSum);
  }
}
BENCHMARK(BM_OpenValidFile)->Unit(benchmark::kMicrosecond);

void BM_RefuseOneGibibyteFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("huge.bwf"));
  {
    // Sparse: a gibibyte of zero bytes that takes no room on the disk.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64{1} << 30)) {
      state.SkipWithError("the 1 GiB file could not be made");
      return;
    }
  }
  struct stat st {};
  stat(QFile::encodeName(path).constData(), &st);
  const double before = ResidentKiB();
  for (auto _ : state) {
    const StatsFileOpen open = OpenStatsFile(path);
    if (open.problem != FileProblem::None || open.reading.errors != std::vector<int>{1}) {
      state.SkipWithError("the 1 GiB file was not refused with error #1");
      break;
    }
  }
  const double after = ResidentKiB();
  state.counters["file_MiB"] = static_cast<double>(st.st_size) / (1 << 20);
  state.counters["on_disk_KiB"] = static_cast<double>(st.st_blocks) * 512 / 1024;
  state.counters["rss_before_KiB"] = before;
  state.counters["rss_after_KiB"] = after;
  state.counters["rss_growth_KiB"] = after - before;
}
BENCHMARK(BM_RefuseOneGibibyteFile)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
