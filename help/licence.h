#pragma once
// Where the game's full licence text is on this machine.

#include <QString>

// The LICENSE file beside the program when it runs from its build folder; otherwise the copyright
// file the package installs.
QString LicenceFile();
