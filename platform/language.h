#pragma once
// The player's language: the game's own translation and Qt's (the standard buttons, the file
// dialog), chosen by the desktop's language settings. English, and any language the game has no
// file for, keep the texts exactly as they are written in the code.

#include <QLocale>
#include <optional>

// Installs the translators for the locale's languages, replacing any installed before. Call it
// before the first window is built: a window takes its words when it is set up. True when the
// game has a translation for the locale.
bool InstallTranslators(const QLocale& locale = QLocale::system());

// The language of the game's installed translation, by whose rules figures are written; none in
// English, whose figures keep the game's own forms.
const std::optional<QLocale>& GameLanguage();
