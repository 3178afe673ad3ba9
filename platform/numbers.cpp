#include "platform/numbers.h"

#include <QCoreApplication>
#include <QLocale>

#include "platform/language.h"

namespace {

// Where the sign goes, and the blank before it, is the language's: its translation says.
QString Money(const QString& amount) { return QCoreApplication::translate("Numbers", "$%1").arg(amount); }

}  // namespace

QString Figure(std::int64_t n) {
  return GameLanguage() ? GameLanguage()->toString(static_cast<qlonglong>(n)) : QString::number(n);
}

QString Decimal(double x, int decimals) {
  return GameLanguage() ? GameLanguage()->toString(x, 'f', decimals) : QString::number(x, 'f', decimals);
}

QString Dollars(std::int64_t n) { return Money(Figure(n)); }

QString DollarsAndCents(double dollars) { return Money(Decimal(dollars, 2)); }

QString DollarsTo(double dollars, int decimals) { return Money(Decimal(dollars, decimals)); }

QString Percent(double x, int decimals) {
  return QCoreApplication::translate("Numbers", "%1%").arg(Decimal(x, decimals));
}

QString ShortDate(const QDate& date) {
  if (GameLanguage()) return GameLanguage()->toString(date, QLocale::ShortFormat);
  return QStringLiteral("%1/%2/%3")
      .arg(date.month())
      .arg(date.day())
      .arg(date.year() % 100, 2, 10, QChar('0'));
}

QString ClockTime(const QTime& time) {
  if (GameLanguage()) return GameLanguage()->toString(time, QStringLiteral("HH:mm:ss"));
  const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
  return QStringLiteral("%1:%2:%3 %4")
      .arg(hour)
      .arg(time.minute(), 2, 10, QChar('0'))
      .arg(time.second(), 2, 10, QChar('0'))
      .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}
