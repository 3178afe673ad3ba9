#pragma once
// Figures in the player's language. In English they keep the game's own forms ("$1055", "66%",
// "12/31/99", "3:07:05 PM": no separators, a 12-hour clock); in a translated language they
// follow that language's rules ("1.055 $", "66 %", "31.12.99", "15:07:05").

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

QString Figure(std::int64_t n);
QString Decimal(double x, int decimals);
QString Dollars(std::int64_t n);
QString DollarsAndCents(double dollars);
// Dollars to so many decimals, as a figure rounded to what is known of it is shown.
QString DollarsTo(double dollars, int decimals);
// x in percent, "53.0%".
QString Percent(double x, int decimals = 0);
QString ShortDate(const QDate& date);
QString ClockTime(const QTime& time);
