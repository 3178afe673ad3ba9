#pragma once
// The program entry's share of what the game remembers between runs (platform/settings.h).

class TMainForm;
class TCoachBox;
class THistoryBox;

// Before the windows are built: the card back the welcome dialog shows first and steps on from.
void RestoreDeckChoice();
// The coach and the history window open again beside the table once the first game starts, if
// they were open when the player last left them.
void ReopenWhenTheGameStarts(TMainForm* table, TCoachBox* coach, THistoryBox* history);
