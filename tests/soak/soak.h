#pragma once
// A long game played through the real table: random bets typed or built from bills, random
// discards (illegal ones included), New Game now and then, bankruptcies. Every timer's
// handler is called in turn, so no time passes. After every hand the statistics' invariants
// and the bank are checked, and every message box must be one the script asked for.

#include <functional>
#include <string>
#include <vector>

class TMainForm;

struct SoakResult {
  int hands = 0;
  int newGames = 0;
  int bankruptcies = 0;
  int refusedDraws = 0;
  int refusedBets = 0;
  std::vector<std::string> faults;  // the first faults found, in words
};

// Plays the given number of settled hands at form, which must be freshly built. afterHand,
// if given, runs after each settled hand with the number of hands so far.
SoakResult Soak(TMainForm& form, int hands, unsigned seed, const std::function<void(int)>& afterHand = {});
