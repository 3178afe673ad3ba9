#pragma once
// The game's colours, one place for all of them. Style sheets take them as names (Css()).

#include <QColor>
#include <QString>

inline constexpr QColor kTableGreen{0, 128, 0};  // the felt, and every picture's corners
inline constexpr QColor kOlive{128, 128, 0};     // frames and dividers
inline constexpr QColor kSilver{192, 192, 192};
inline constexpr QColor kGray{128, 128, 128};
inline constexpr QColor kNavy{0, 0, 128};
inline constexpr QColor kMaroon{128, 0, 0};
inline constexpr QColor kPurple{128, 0, 128};
inline constexpr QColor kRed{255, 0, 0};
inline constexpr QColor kBlue{0, 0, 255};
inline constexpr QColor kYellow{255, 255, 0};
inline constexpr QColor kAqua{0, 255, 255};
inline constexpr QColor kCardRed{200, 16, 46};  // the red of the hearts and diamonds on the cards

// "#rrggbb", for style sheets.
inline QString Css(const QColor& colour) { return colour.name(); }
