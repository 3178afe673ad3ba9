#pragma once
// The bank after every hand of the game as a line over the hand numbers, the starting bank as
// a reference line and a bankruptcy as a red mark. However long the game, the line is drawn
// through at most one column of the bank's range per device pixel, so it draws in a few
// milliseconds and no spike of a single hand is lost.

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "history/handhistory.h"

class QPainter;

class BankChart : public QWidget {
  Q_OBJECT
 public:
  explicit BankChart(const HandHistory* history, QWidget* parent = nullptr);

  // The history changed: draws it again and says its figures anew.
  void Refresh();
  // Draws a game read back from the database instead, until ShowLive.
  void ShowLine(BankLine line);
  void ShowLive();

  QSize sizeHint() const override { return {600, 150}; }
  QSize minimumSizeHint() const override { return {200, 90}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const BankFigures& Figures() const;

  const HandHistory* history_;
  std::optional<BankLine> line_;
};

// Draws a chart of figures into area; columns(width) gives the line in at most width columns,
// and the device's pixel ratio sets how many it asks for.
void PaintBankChart(QPainter& painter, const QRectF& area, const BankFigures& figures,
                    const std::function<std::vector<BankColumn>(int)>& columns);
