// Any bytes given to the statistics-file reader: it must neither crash, read out of bounds nor
// hang, and a file it accepts must still be accepted once written back by the game's own writer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "stats/statsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const StatsFileReading first = ReadStatsFile(bytes);
  // The name-length rule sees every input, not only the last line of 88.
  volatile std::uint32_t length = NameLength(bytes);
  (void)length;
  if (!first.Accepted()) return 0;

  // The window shows these for any accepted file, whatever the numbers.
  const std::string shown = StampDate(first.stamp) + " " + StampTime(first.stamp);
  if (shown.empty()) std::abort();

  const std::string written = FormatStatsFile(first.stats, first.name, first.stamp);
  const StatsFileReading again = ReadStatsFile(written);
  if (!again.Accepted()) {
    std::fprintf(stderr, "an accepted file, written back, is refused with error #%d\n", again.errors.front());
    std::abort();
  }
  if (again.name != first.name || FormatStatsFile(again.stats, again.name, again.stamp) != written) {
    std::fprintf(stderr, "an accepted file, written back, reads as other figures\n");
    std::abort();
  }
  return 0;
}
