#pragma once
// The one place where the hand cycle's listeners are connected to the table's events: the
// statistics, the screen-reader voice and the sound always (the sound heard only through an
// output), the coach and the hand history when there are windows for them. The program entry and
// the tests both call it, so that a test plays through the same connections the player's game
// does.

class TMainForm;
class TCoachBox;
class THistoryBox;
class SoundOutput;

void WireTable(TMainForm* table, TCoachBox* coach = nullptr, THistoryBox* history = nullptr,
               SoundOutput* sound = nullptr);
// The coach's, the history's and the sound's shares of WireTable, for a table wired without them.
void WireCoach(TMainForm* table, TCoachBox* coach);
void WireHistory(TMainForm* table, THistoryBox* history);
void WireSound(TMainForm* table, SoundOutput* sound);
