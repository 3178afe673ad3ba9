#include "history/bankchart.h"

#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <climits>

#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/windows.h"

namespace {}  // namespace

BankChart::BankChart(const HandHistory* history, QWidget* parent) : QWidget(parent), history_(history) {
  setObjectName("BankChart");
  setFocusPolicy(Qt::TabFocus);  // so that a screen reader reaches its figures
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(PixelFont("Liberation Sans", 11));
  setAccessibleName(tr("Chart of the bank"));
  Refresh();
}

const BankFigures& BankChart::Figures() const { return line_ ? line_->figures : history_->Figures(); }

void BankChart::ShowLine(BankLine line) {
  line_ = std::move(line);
  Refresh();
}

void BankChart::ShowLive() {
  line_.reset();
  Refresh();
}

void BankChart::Refresh() {
  const BankFigures& f = Figures();
  const QString hands = tr("%1 hand(s)", nullptr, static_cast<int>(std::min<std::int64_t>(f.hands, INT_MAX)))
                            .arg(Figure(f.hands));
  setAccessibleDescription(
      tr("%1: started at %2, now %3, highest %4, lowest %5")
          .arg(hands, Dollars(f.start), Dollars(f.end), Dollars(f.highest), Dollars(f.lowest)));
  update();
}

void BankChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (line_)
    PaintBankChart(painter, rect(), line_->figures,
                   [this](int width) { return JoinColumns(line_->columns, width); });
  else
    PaintBankChart(painter, rect(), history_->Figures(),
                   [this](int width) { return history_->Columns(width); });
  if (hasFocus()) {
    painter.setPen(QPen(kYellow, 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void PaintBankChart(QPainter& painter, const QRectF& area, const BankFigures& f,
                    const std::function<std::vector<BankColumn>(int)>& columnsOf) {
  painter.fillRect(area, kTableGreen);
  const QFontMetricsF metrics(painter.font());
  const qreal labelWidth =
      std::max(metrics.horizontalAdvance(Dollars(f.highest)), metrics.horizontalAdvance(Dollars(f.lowest))) +
      10;
  const QRectF plot = area.adjusted(labelWidth, 8, -10, -metrics.height() - 6);
  if (plot.width() < 2 || plot.height() < 2) return;

  // A flat game still gets a band around its one value.
  const double low = f.lowest, high = f.highest == f.lowest ? f.lowest + 1.0 : f.highest;
  const auto y = [&](double bank) { return plot.bottom() - (bank - low) / (high - low) * plot.height(); };

  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const std::vector<BankColumn> columns = columnsOf(static_cast<int>(plot.width() * ratio));
  const qreal step = plot.width() / static_cast<qreal>(std::max<std::size_t>(columns.size() - 1, 1));
  const auto x = [&](std::size_t c) { return plot.left() + step * static_cast<qreal>(c); };

  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kSilver, 1, Qt::DashLine));
  painter.drawLine(QPointF(plot.left(), y(f.start)), QPointF(plot.right(), y(f.start)));

  // Each column is a stroke over its range, joined to the column before by where the line left
  // it and entered this one. Separate segments stroke far faster than one long polyline.
  QList<QLineF> segments;
  segments.reserve(static_cast<qsizetype>(columns.size() * 2));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const BankColumn& col = columns[c];
    if (c > 0) segments << QLineF(x(c - 1), y(columns[c - 1].last), x(c), y(col.first));
    if (col.low != col.high) segments << QLineF(x(c), y(col.low), x(c), y(col.high));
  }
  QPen pen(kYellow, 1.5);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  painter.drawLines(segments);

  painter.setPen(QPen(QColor(Qt::white), 1.5));
  painter.setBrush(kRed);
  for (std::size_t c = 0; c < columns.size(); ++c)
    if (columns[c].bankrupt) painter.drawEllipse(QPointF(x(c), y(columns[c].last)), 4, 4);

  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QColor(Qt::white));
  const qreal right = plot.left() - 5;
  const auto label = [&](double atY, const QString& text, Qt::Alignment align) {
    painter.drawText(QRectF(area.left(), atY - metrics.height() / 2, right - area.left(), metrics.height()),
                     align | Qt::AlignVCenter, text);
  };
  label(y(f.highest), Dollars(f.highest), Qt::AlignRight);
  if (f.lowest != f.highest) label(y(f.lowest), Dollars(f.lowest), Qt::AlignRight);
  if (std::min(y(f.start) - y(f.highest), y(f.lowest) - y(f.start)) >= metrics.height()) {
    painter.setPen(kSilver);
    label(y(f.start), Dollars(f.start), Qt::AlignRight);
    painter.setPen(QColor(Qt::white));
  }
  const QRectF under(plot.left(), plot.bottom() + 4, plot.width(), metrics.height());
  painter.drawText(under, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0"));
  painter.drawText(under, Qt::AlignRight | Qt::AlignTop, BankChart::tr("hand %1").arg(f.hands));
}
