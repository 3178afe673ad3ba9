#pragma once
// Keys that work alike in every window of the game besides the table: Enter on a focused button
// presses that button, as Space does (the dialogs' buttons are drawn without a default, so the
// toolkit would give Enter to none of them), and F1 opens the help from any of them, as it does
// from the table. Message boxes and file dialogs keep the keys as the toolkit gives them.

#include <functional>

class QObject;

// Installs the keys on the application; openHelp shows the help window. The filter lives as
// long as owner.
void InstallDialogKeys(QObject* owner, std::function<void()> openHelp);
