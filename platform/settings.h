#pragma once
// What the game remembers from one run to the next, in one INI file in the user's configuration
// folder. Every getter checks what it reads and answers the first run's value for anything
// missing, damaged, of the wrong type or out of range; every setter writes the file at once, so
// a program that is killed loses nothing. Nothing is read or written until a file is chosen: the
// program entry chooses the player's, a test one of its own.

#include <QByteArray>
#include <QMargins>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

// <configuration folder>/brindlewharf/brindlewharf.conf
QString DefaultSettingsFile();
// An empty path remembers nothing. A file that is not the game's INI text (binary junk, lines
// that are neither sections nor key=value pairs) is ignored whole and written afresh at the
// first change; keys the game does not know are dropped whenever the file is written.
void UseSettingsFile(const QString& path);

// The desktop's folders may only be absolute paths: one given as a relative path is ignored, as
// if it were not set, so that nothing is written under whatever folder the game was started in.
// Call before anything asks for a standard folder.
void IgnoreRelativeXdgFolders();

// The name last typed in the welcome dialog: at most 10 characters and no control characters,
// else empty.
QString RememberedName();
void RememberName(const QString& name);

// The card back last chosen, when isBack accepts it, else fallback; and whether Randomize was on.
std::int32_t RememberedBack(std::int32_t fallback, bool (*isBack)(std::int32_t));
bool RememberedRandomDeck();
void RememberDeckChoice(std::int32_t back, bool random);

enum class GameWindow { Table, Coach, History };

// Whether the window was open when the player last opened or closed it.
bool RememberedOpen(GameWindow window);
void RememberOpen(GameWindow window, bool open);

// Where the player last put the window, and how large, as the toolkit saves a window's geometry;
// empty if the player never moved it.
QByteArray RememberedGeometry(GameWindow window);
void RememberGeometry(GameWindow window, const QByteArray& geometry);

// The folder of the statistics file last saved or opened, if it still exists; else empty.
QString RememberedStatsFolder();
void RememberStatsFile(const QString& path);

// Whether the player last had the sound on; fallback if the player never chose.
bool RememberedSoundOn(bool fallback);
void RememberSoundOn(bool on);

// From now on, remembers where the player moves the window (moves the program makes are not
// the player's).
void KeepPlayersPlace(QWidget* window, GameWindow which);
// Puts the window where the player last put it, its frame whole on a screen however the screens
// have changed; false if the player never moved it.
bool MoveToPlayersPlace(QWidget* window, GameWindow which);
// What the window manager's frame adds around the window on each side; none before it is framed.
QMargins FrameMargins(const QWidget* window);
// Moves the window, and shrinks it if it can be resized, until its whole frame is on its screen.
void KeepWhollyOnScreen(QWidget* window);
