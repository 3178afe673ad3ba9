#include "platform/imagebox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/accessible.h"
#include "platform/palette.h"

namespace {

// The focus's colours, on the felt and on paper alike: yellow edged in black.
void PaintFocusBand(QPainter& p, const QRect& band) {
  p.fillRect(band, Qt::black);
  p.fillRect(band.adjusted(1, 1, -1, -1), kYellow);
}

}  // namespace

// The keyboard focus of a picture box: a ring in the gap around it, drawn by a sibling laid
// over the box's surroundings, so that it covers nothing of the picture.
class FocusMark : public QWidget {
 public:
  static constexpr int kGap = 1;    // between the picture and the ring
  static constexpr int kWidth = 4;  // black, two of yellow, black: clear on the felt and on paper

  explicit FocusMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    HideFromAssistiveTech(this);
    hide();
  }

  void Around(const QRect& box) {
    const int out = kGap + kWidth;
    const QRect ring = box.adjusted(-out, -out, out, out);
    setGeometry(ring);
    // Only the ring is this widget's: the picture inside stays the box's own.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    raise();
    show();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    PaintFocusBand(p, rect());
    p.fillRect(rect().adjusted(3, 3, -3, -3), Qt::black);
  }
};

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) { setScaledContents(true); }

ImageBox::~ImageBox() { delete mark_; }

void ImageBox::activate() {
  if (isEnabled()) emit clicked();
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) {
    emit clicked();
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click still counts as a click, as it always has for the table.
  mousePressEvent(event);
  if (event->button() == Qt::LeftButton && isEnabled()) emit doubleClicked();
}

void ImageBox::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool press = event->key() == Qt::Key_Space || (enter && activatesOnEnter_);
  if (press && event->modifiers() == Qt::NoModifier && focusPolicy() != Qt::NoFocus && isEnabled()) {
    activate();
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

QRect ImageBox::MarkedRect() const {
  return markedFrame_ ? markedFrame_->geometry() : geometry() - markMargins_;
}

void ImageBox::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  if (markInside_) return update();
  QWidget* host = markedFrame_ ? markedFrame_->parentWidget() : parentWidget();
  if (!host) return;
  if (!mark_) mark_ = new FocusMark(host);
  mark_->Around(MarkedRect());
}

void ImageBox::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  if (markInside_) update();
  if (mark_) mark_->hide();
}

void ImageBox::paintEvent(QPaintEvent* event) {
  if (markInside_ && hasFocus()) {
    // Black edged yellow, as the ring is, behind the text and a little past its end. The label
    // paints its text with a painter of its own, once this one has ended.
    constexpr int kPast = 3;
    QRect band = rect();
    band.setWidth(std::min(band.width(), fontMetrics().horizontalAdvance(text()) + kPast));
    QPainter p(this);
    PaintFocusBand(p, band);
    p.end();
  }
  QLabel::paintEvent(event);
}

void ImageBox::moveEvent(QMoveEvent* event) {
  QLabel::moveEvent(event);
  if (mark_ && mark_->isVisible()) mark_->Around(MarkedRect());
}

void ImageBox::hideEvent(QHideEvent* event) {
  QLabel::hideEvent(event);
  if (mark_) mark_->hide();
}
