#pragma once
// The one place where the hand cycle's listeners are connected to the table's events: the
// statistics and the screen-reader voice always, the coach and the hand history when there are
// windows for them. The program entry and the tests both call it, so that a test plays through
// the same connections the player's game does.

class TMainForm;
class TCoachBox;
class THistoryBox;

void WireTable(TMainForm* table, TCoachBox* coach = nullptr, THistoryBox* history = nullptr);
// The coach's and the history's shares of WireTable, for a table wired without them.
void WireCoach(TMainForm* table, TCoachBox* coach);
void WireHistory(TMainForm* table, THistoryBox* history);
