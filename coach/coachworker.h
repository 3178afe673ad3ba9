#pragma once
// Ranks a hand's holds on a thread of Qt's pool and hands the result back on the user-interface
// thread. Each Start() or Drop() makes the job before it stale, and a stale result is never
// delivered: a result that arrives after the draw or a new game is simply dropped.

#include <QObject>
#include <cstdint>
#include <vector>

#include "game/cards.h"
#include "game/coach.h"

class CoachWorker : public QObject {
  Q_OBJECT
 public:
  explicit CoachWorker(QObject* parent = nullptr);

  void Start(const Hand& hand);
  void Drop();
  bool Busy() const { return busy_; }

 signals:
  // The holds of the hand of the last Start(), best first.
  void Ranked(const std::vector<HoldOdds>& holds);

 private:
  std::uint64_t generation_ = 0;
  bool busy_ = false;
};
