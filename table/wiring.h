#pragma once
// The one place where the hand cycle's listeners are connected to the table's events: the
// statistics always, the coach when there is one. The program entry and the tests both call it,
// so that a test plays through the same connections the player's game does.

class TMainForm;
class TCoachBox;

void WireTable(TMainForm* table, TCoachBox* coach);
// The coach's share of WireTable, for a table wired without one.
void WireCoach(TMainForm* table, TCoachBox* coach);
