#pragma once
// What assistive technology (a screen reader, through AT-SPI) is told about the game's windows:
// pictures that only decorate are left out of the tree, picture boxes that act like buttons or
// links say so and can be pressed, and changes a player must hear are announced.

#include <QAccessible>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

// Makes the game's own accessible interfaces; call before the first window is built, so that
// every window's tree is ours from the start.
void InstallAccessibleParts();

// Leaves w out of the accessibility tree: a frame, strip or picture that only decorates.
void HideFromAssistiveTech(QWidget* w);

// Leaves w out of the tree while it is hidden (a bill slot with no bill is no control at all).
void AbsentWhileHidden(QWidget* w);

// Presents w in the given role (a picture box that is pressed like a button, or followed like a
// link). Pressing it through assistive technology runs its "activate" slot.
void PresentAs(QWidget* w, QAccessible::Role role);

// Gives w the role in the tree and nothing more (PresentAs makes it pressable too).
void ShownAs(QWidget* w, QAccessible::Role role);

// Names w (and, while it has no description of its own, describes it) by asking words each time
// assistive technology asks, rather than at every change: for the card places, which change
// twenty times a hand. Call SayChanged(w) when what words says of a focused w may have changed.
struct Wording {
  std::function<QString()> name;
  std::function<QString()> description;
};
void WordedBy(QWidget* w, Wording words);
// Tells assistive technology that w's name changed, if w has the focus: nobody else listens.
void SayChanged(QWidget* w);

// Sets the label's text and tells assistive technology that it changed, so that a screen reader
// speaks the new text even though the focus is elsewhere.
void Announce(QLabel* label, const QString& text);

// Shows text as a notification in window, which Orca speaks wherever the focus is: for news that
// comes while the focus stays where it was.
void Notify(QWidget* window, const QString& text);
