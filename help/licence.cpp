#include "help/licence.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString LicenceFile() {
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("LICENSE");
  return QDir::toNativeSeparators(QFileInfo::exists(beside) ? beside
                                                            : QStringLiteral(BRINDLEWHARF_COPYRIGHT_FILE));
}
