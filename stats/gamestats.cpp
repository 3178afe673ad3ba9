#include "stats/gamestats.h"

GameStatistics GameStats;
