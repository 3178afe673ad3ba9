#include "stats/statsio.h"

#include <QFile>
#include <QFileInfo>

StatsFileOpen OpenStatsFile(const QString& path) {
  StatsFileOpen result;
  const QFileInfo info(path);
  if (!info.exists()) {
    result.problem = FileProblem::Missing;
    return result;
  }
  if (!info.isFile()) {
    result.problem = FileProblem::NotAFile;
    return result;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    result.problem = FileProblem::Unreadable;
    return result;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxStatsFileBytes) + 1);
  result.reading = ReadStatsFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return result;
}
