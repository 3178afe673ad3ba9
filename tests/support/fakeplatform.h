#pragma once
// A scripted Platform for widget tests: every message box must have been announced with
// Expect(); each one is recorded with its text, caption and style and answered from the
// script. A message box nobody expected fails the running test.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include "platform/platform.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct ShownMessage {
  QString text;
  QString caption;
  int style = 0;
};

class FakePlatform : public Platform {
 public:
  FakePlatform();            // installs itself
  ~FakePlatform() override;  // restores the Qt platform; fails if expected boxes never came

  // Announces the next message box and the button the "player" presses.
  // An empty text or caption matches anything; the recorded values are still checked later.
  FakePlatform& Expect(const QString& text, const QString& caption, int style,
                       MessageAnswer answer = MessageAnswer::Ok);
  // Sets the answers of file dialogs (an empty name is a cancel).
  void SetOpenFileName(const QString& name) { openName_ = name; }
  void SetSaveFileName(const QString& name) { saveName_ = name; }
  void SetCalendarSeconds(std::int64_t s) { seconds_ = s; }
  // Moves the calendar clock on by step seconds at every reading (0: the clock stands still).
  void SetClockStep(std::int64_t step) { clockStep_ = step; }
  // Forgets the message boxes recorded so far (a long game would keep them all).
  void ForgetShown() { shown_.clear(); }
  void SetLocalDateTime(const QDateTime& t) { now_ = t; }

  const std::vector<ShownMessage>& Shown() const { return shown_; }
  int PendingExpectations() const { return static_cast<int>(expected_.size()); }
  int TerminateCount() const { return terminates_; }
  int TotalPauseMs() const { return pausedMs_; }
  // Runs a function the next time a message box opens (before it is answered),
  // e.g. to look at the window state while the box is "up".
  void OnNextMessage(std::function<void()> f) { onMessage_ = std::move(f); }

  MessageAnswer ShowMessage(const QString& text, const QString& caption, int style) override;
  QString OpenFileName(const QString& title, const QString& filter, const QString& defaultExt) override;
  QString SaveFileName(const QString& title, const QString& filter, const QString& defaultExt) override;
  std::int64_t CalendarSeconds() override { return seconds_ += clockStep_; }
  QDateTime LocalDateTime() override { return now_; }
  void Pause(int ms) override { pausedMs_ += ms; }
  void Terminate() override { ++terminates_; }

 private:
  struct Expected {
    ShownMessage message;
    MessageAnswer answer;
  };
  std::deque<Expected> expected_;
  std::vector<ShownMessage> shown_;
  QString openName_, saveName_;
  std::int64_t seconds_ = 1'000'000'000;
  std::int64_t clockStep_ = 0;
  QDateTime now_ = QDateTime(QDate(2026, 12, 8), QTime(9, 30, 0));
  int terminates_ = 0;
  int pausedMs_ = 0;
  std::function<void()> onMessage_;
};
