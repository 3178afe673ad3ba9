#pragma once
// Two pages of the history window that look over every game of the database: the lifetime
// figures, for every player together and for each name; and the leaks, what the draws the coach
// found below the best cost, by the kind of mistake, the three costliest with an example each.

#include <QWidget>
#include <vector>

#include "history/handstore.h"

class QLabel;
class QTableWidget;

// A kind of mistake in a few words ("Broke a pair"), and what it means to a casual player.
QString LeakName(DrawLeak leak);
QString LeakMeaning(DrawLeak leak);

class LifetimePage : public QWidget {
  Q_OBJECT
 public:
  explicit LifetimePage(QWidget* parent = nullptr);
  // figures as HandStore::Lifetime gives them; with one name only, its column alone.
  void Show(const std::vector<LifetimeFigures>& figures);

 private:
  QTableWidget* table_;
};

class LeakPage : public QWidget {
  Q_OBJECT
 public:
  explicit LeakPage(QWidget* parent = nullptr);
  void Show(const LeakReport& report);

 private:
  QLabel* summary_;
  QTableWidget* table_;
  QLabel* examples_;
};
