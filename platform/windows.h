#pragma once
// Small things every window of the game does alike.

class QWidget;

// Places the window in the middle of its screen.
void CentreOnScreen(QWidget* window);

// The game's base font: an 11-pixel sans serif.
void UseBaseFont(QWidget* window);
