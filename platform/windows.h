#pragma once
// Small things every window of the game does alike.

class QDialog;
class QWidget;

// Places the window in the middle of its screen.
void CentreOnScreen(QWidget* window);

// The game's base font: an 11-pixel sans serif.
void UseBaseFont(QWidget* window);

// What every dialog of the game is: modal, the size its layout gives it and no other, a title
// bar with only the close button, and the base font.
void SetUpDialog(QDialog* dialog);
