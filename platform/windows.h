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

// Every label in the window shows its text as it stands, never as markup: a name typed by the
// player or read from a file may hold "<" or "&". A label the code fills with markup on purpose
// says so itself, after this.
void ShowTextsPlain(QWidget* window);

// What every dialog of the game is: modal, the size its layout gives it and no other, a title
// bar with only the close button, the base font, and its texts kept whole and plain.
void SetUpDialog(QDialog* dialog);

// A font of the given pixel height (the layouts give heights in pixels, not points).
QFont PixelFont(const char* family, int pixels, bool bold = false, bool italic = false,
                bool underline = false);

// Sets one colour role of a widget; a window colour also makes the widget fill its background.
void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour);

// Alt with a key that is no shortcut types nothing into the box (the toolkit would type the
// letter, and a bet box would refuse it).
void KeepAltKeysOut(QLineEdit* edit);

// Tab into a box selects its text before the toolkit tells assistive technology that the box
// has the focus, and Orca, having heard of the selection first, then says nothing of the box:
// this selects it just after, so that the box is heard as it takes the focus.
void HeardWhenTabbedInto(QLineEdit* edit);

// Makes the label's whole text fit its box (on one line, or on the lines a word-wrapped label has
// room for), changing its face no more than it must: first sideways, down to three quarters of
// the width; then, in that narrow face, smaller by a pixel at a time, down to three quarters of
// the height; only then narrower still. Each call starts again from the face the label was given,
// so a shorter text gets it back. Rich text is left alone.
void NarrowToFit(QLabel* label);

// True when the label's whole text fits its box in the face it shows it in.
bool TextFits(const QLabel* label);

// Keeps the text of every label in the window whole, whatever language it is in and whatever the
// code puts in it later: a label is fitted before it is painted whenever its text or its size has
// changed since it was last fitted.
void KeepTextsWhole(QWidget* window);
