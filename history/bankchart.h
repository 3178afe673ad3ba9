#pragma once
// The bank after every hand of the game as a line over the hand numbers, the starting bank as
// a reference line and a bankruptcy as a red mark. However long the game, the line is drawn
// through at most one column of the bank's range per device pixel, so it draws in a few
// milliseconds and no spike of a single hand is lost.

#include <QWidget>

class HandHistory;
class QPainter;

class BankChart : public QWidget {
  Q_OBJECT
 public:
  explicit BankChart(const HandHistory* history, QWidget* parent = nullptr);

  // The history changed: draws it again and says its figures anew.
  void Refresh();

  QSize sizeHint() const override { return {600, 150}; }
  QSize minimumSizeHint() const override { return {200, 90}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const HandHistory* history_;
};

// Draws history's chart into area; the device's pixel ratio sets how many columns it thins to.
void PaintBankChart(QPainter& painter, const QRectF& area, const HandHistory& history);
