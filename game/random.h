#pragma once
// The game's random numbers: a 32-bit linear congruential generator,
// state := state * 22695477 + 1, result (state >> 16) & 32767.
// And the one seam through which the game reads the calendar clock.

#include <cstdint>
#include <functional>

void SeedRandom(std::uint32_t seed);
std::int32_t NextRandom();  // 0..32767

// Calendar time in whole seconds. Defaults to the system clock; tests (and the
// platform layer) may install another source. An empty function restores the default.
std::int64_t CalendarSeconds();
void SetCalendarSecondsSource(std::function<std::int64_t()> source);

// Seeds the generator with CalendarSeconds(), as every shuffle does.
void SeedRandomFromClock();
