#include "stats/statsio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

StatsFileOpen OpenStatsFile(const QString& path) {
  StatsFileOpen result;
  const QFileInfo info(path);
  if (!info.exists()) {
    result.problem = FileProblem::Missing;
    return result;
  }
  QFile file(path);
  if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
    result.problem = FileProblem::Unreadable;
    return result;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxStatsFileBytes) + 1);
  result.reading = ReadStatsFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return result;
}

bool SaveStatsFile(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
