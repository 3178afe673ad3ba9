#pragma once
// Reading and writing statistics files on disk.

#include <QString>

#include "stats/statsfile.h"

enum class FileProblem { None, Missing, Unreadable };

struct StatsFileOpen {
  FileProblem problem = FileProblem::None;
  StatsFileReading reading;  // judged only when the file could be read
};

// Reads at most the bytes a valid file can hold, so that a huge file costs no more than a
// small one, and judges them.
StatsFileOpen OpenStatsFile(const QString& path);

// Writes bytes beside path and puts them in its place only once every byte is written, so that
// a failed save leaves an earlier file as it was. False when the file could not be saved.
bool SaveStatsFile(const QString& path, const std::string& bytes);
