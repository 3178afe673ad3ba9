#include "game/random.h"

#include <ctime>

namespace {
std::uint32_t state = 0;
std::function<std::int64_t()> clockSource;
}  // namespace

void SeedRandom(std::uint32_t seed) { state = seed; }

std::int32_t NextRandom() {
  state = state * 22695477u + 1u;
  return static_cast<std::int32_t>((state >> 16) & 32767u);
}

std::int64_t CalendarSeconds() {
  return clockSource ? clockSource() : static_cast<std::int64_t>(std::time(nullptr));
}

void SetCalendarSecondsSource(std::function<std::int64_t()> source) { clockSource = std::move(source); }

void SeedRandomFromClock() { SeedRandom(static_cast<std::uint32_t>(CalendarSeconds())); }
