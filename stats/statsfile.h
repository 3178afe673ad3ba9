#pragma once
// The saved statistics file: 88 lines, one number a line and the player's name last, with
// check values (sums of pairs, sums of groups, figures split into quotient and remainder) so
// that a file changed by hand is refused with a numbered error. Plain C++: the window reads
// and writes the bytes, these functions make and judge them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/statistics.h"

// The local date and time of saving.
struct SaveStamp {
  std::uint32_t hour = 12;  // on the 12-hour clock, 1..12
  std::uint32_t minute = 0;
  std::uint32_t second = 0;
  std::uint32_t pm = 0;  // 1 from noon to midnight
  std::uint32_t month = 1;
  std::uint32_t day = 1;
  std::uint32_t year = 0;  // last two digits
};

// The stamp of a 24-hour clock reading.
SaveStamp MakeSaveStamp(int year, int month, int day, int hour24, int minute, int second);
// "12/31/99" and "3:07:05 PM", without leading zeros on month, day, year and hour.
std::string StampDate(const SaveStamp& stamp);
std::string StampTime(const SaveStamp& stamp);

// The 88 lines, each ended by CR LF. The name is written as UTF-8.
std::string FormatStatsFile(const GameStatistics& stats, std::string_view nameUtf8, const SaveStamp& stamp);

// No valid file is longer than this (87 lines of 80 characters and a name of 80 characters of up
// to 4 bytes each, all ended by CR LF); a longer one is refused without reading further.
constexpr std::size_t kMaxStatsFileBytes = 87 * 82 + 80 * 4 + 2;

struct StatsFileReading {
  // The "File Open Error #n" numbers to report, in order: none when the file was accepted.
  std::vector<int> errors;
  GameStatistics stats;  // the figures read (valid only when accepted)
  std::string name;      // the name, as UTF-8 (a line that is not UTF-8 is read as Latin-1)
  SaveStamp stamp;
  bool Accepted() const { return errors.empty(); }
};

// Judges the bytes of a file (at most the first kMaxStatsFileBytes + 1 of them) by the three
// readings and the checks, in their order.
StatsFileReading ReadStatsFile(std::string_view bytes);

// The number of characters of a name line: of its UTF-8 code points, or of its bytes read as
// Latin-1 when it is not UTF-8.
std::uint32_t NameLength(std::string_view line);
