#include "coach/coachworker.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

CoachWorker::CoachWorker(QObject* parent) : QObject(parent) {}

void CoachWorker::Start(const Hand& hand) {
  const std::uint64_t job = ++generation_;
  busy_ = true;
  // The job holds nothing of this object, so a window closed or destroyed meanwhile is safe; its
  // watcher goes with this object and the result with it.
  auto* watcher = new QFutureWatcher<std::vector<HoldOdds>>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, job] {
    watcher->deleteLater();
    if (job != generation_) return;
    busy_ = false;
    emit Ranked(watcher->result());
  });
  watcher->setFuture(QtConcurrent::run([hand] { return RankHolds(hand); }));
}

void CoachWorker::Drop() {
  ++generation_;
  busy_ = false;
}
