#pragma once
// Reading and writing statistics files on disk.

#include <QString>

#include "stats/statsfile.h"

// NotAFile: a folder, a device, a pipe: nothing a statistics file can be, and a pipe would hold
// the game until something wrote to it, so it is never opened.
enum class FileProblem { None, Missing, NotAFile, Unreadable };

struct StatsFileOpen {
  FileProblem problem = FileProblem::None;
  StatsFileReading reading;  // judged only when the file could be read
};

// Reads at most the bytes a valid file can hold, so that a huge file costs no more than a
// small one, and judges them.
StatsFileOpen OpenStatsFile(const QString& path);
