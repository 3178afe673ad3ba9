#pragma once
// The history as text: cards in short signs ("K♥", "10♠") and the whole game as a CSV file.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "history/handhistory.h"

// The five cards as signs separated by spaces; the slots whose bit is set in marked are put in
// brackets ("A♥ [10♦] [8♥] 5♣ 2♠").
QString CardSigns(const HandEntry::Cards& cards, std::uint8_t marked = 0);

// The game as comma-separated values (RFC 4180: a header row, CRLF line ends, a field with a
// comma, quote or line break quoted and its quotes doubled), in UTF-8 with a byte-order mark.
// A field that a spreadsheet would run as a formula (one that starts with "=", "+", "-", "@", a
// tab or a carriage return) is quoted with an apostrophe before it. A saved file never
// depends on the player's language, so its words are English.
QByteArray HistoryCsv(const HandHistory& history, const QString& player);
