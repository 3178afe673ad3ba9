#pragma once
// Small things every window of the game does alike.

#include <QColor>
#include <QFont>
#include <QPalette>

class QDialog;
class QLineEdit;
class QLabel;
class QWidget;

// Places the window in the middle of its screen.
void CentreOnScreen(QWidget* window);

// The game's base font: an 11-pixel sans serif.
void UseBaseFont(QWidget* window);

// What every dialog of the game is: modal, the size its layout gives it and no other, a title
// bar with only the close button, and the base font.
void SetUpDialog(QDialog* dialog);

// A font of the given pixel height (the layouts give heights in pixels, not points).
QFont PixelFont(const char* family, int pixels, bool bold = false, bool italic = false,
                bool underline = false);

// Sets one colour role of a widget; a window colour also makes the widget fill its background.
void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour);

// Alt with a key that is no shortcut types nothing into the box (the toolkit would type the
// letter, and a bet box would refuse it).
void KeepAltKeysOut(QLineEdit* edit);

// Narrows the label's face sideways, never shrinking its height, just enough for its whole text
// to fit the label (on one line, or on the lines a word-wrapped label has room for).
void NarrowToFit(QLabel* label);
