#include "platform/windows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>

void CentreOnScreen(QWidget* window) {
  if (QScreen* screen = window->screen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

void UseBaseFont(QWidget* window) { window->setFont(PixelFont("Liberation Sans", 11)); }

QFont PixelFont(const char* family, int pixels, bool bold, bool italic, bool underline) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(role, colour);
  w->setPalette(palette);
  if (role == QPalette::Window) w->setAutoFillBackground(true);
}

void ShowTextsPlain(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->textFormat() == Qt::AutoText) label->setTextFormat(Qt::PlainText);
}

void SetUpDialog(QDialog* dialog) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  dialog->setFixedSize(dialog->size());
  dialog->setModal(true);
  UseBaseFont(dialog);
  ShowTextsPlain(dialog);
  KeepTextsWhole(dialog);
}

namespace {

class AltKeysOut : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Shortcuts are matched before a key reaches the box, so an Alt key that gets here is none.
    if (event->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier))
      return true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void KeepAltKeysOut(QLineEdit* edit) {
  static AltKeysOut filter;
  edit->installEventFilter(&filter);
}

namespace {

class SelectAfterFocus : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn) return QObject::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;
    auto* edit = static_cast<QLineEdit*>(watched);
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(edit, &plain);
    QTimer::singleShot(0, edit, [edit] {
      if (edit->hasFocus()) edit->selectAll();
    });
    return true;
  }
};

}  // namespace

void HeardWhenTabbedInto(QLineEdit* edit) {
  static SelectAfterFocus filter;
  edit->installEventFilter(&filter);
}

namespace {

constexpr const char* kGivenFont = "brindlewharfGivenFont";
constexpr const char* kFittedFont = "brindlewharfFittedFont";
constexpr const char* kFittedFor = "brindlewharfFittedFor";

bool Plain(const QLabel* label) {
  return label->textFormat() == Qt::PlainText ||
         (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

bool Fits(const QLabel* label, const QFont& font) {
  const QRect room = label->contentsRect();
  const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect need = QFontMetrics(font, label).boundingRect(room, flags, label->text());
  return need.width() <= room.width() && need.height() <= room.height();
}

// The text and the box a label was last fitted for.
QString FitKey(const QLabel* label) {
  return label->text() + QLatin1Char('\n') + QString::number(label->width()) + QLatin1Char('x') +
         QString::number(label->height());
}

// Watches the window, to take in the labels it holds each time it is shown (a window may add
// labels after it is built), and each of those labels.
class FitBeforePaint : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::Show) {
      for (QLabel* label : static_cast<QWidget*>(watched)->findChildren<QLabel*>())
        label->installEventFilter(this);
    } else if (event->type() == QEvent::Paint && watched != parent()) {
      auto* label = static_cast<QLabel*>(watched);
      if (label->property(kFittedFor).toString() != FitKey(label)) NarrowToFit(label);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

bool TextFits(const QLabel* label) { return !Plain(label) || Fits(label, label->font()); }

void NarrowToFit(QLabel* label) {
  label->ensurePolished();
  label->setProperty(kFittedFor, FitKey(label));
  if (!Plain(label) || label->text().isEmpty()) return;
  // The face the code gave the label, unless the code has given it another since the last fit.
  QFont font = label->font();
  const QVariant fitted = label->property(kFittedFont);
  if (fitted.isValid() && fitted.value<QFont>() == font) font = label->property(kGivenFont).value<QFont>();
  label->setProperty(kGivenFont, font);
  font.setStretch(QFont::Unstretched);

  int stretch = QFont::Unstretched;
  while (stretch > 75 && !Fits(label, font)) font.setStretch(--stretch);
  const int pixels = font.pixelSize();
  for (int p = pixels; p > pixels * 3 / 4 && !Fits(label, font);) font.setPixelSize(--p);
  while (stretch > 1 && !Fits(label, font)) font.setStretch(--stretch);
  label->setFont(font);
  // A size a style sheet names outweighs the widget's own font; the label's own sheet outweighs it.
  if (label->font().pixelSize() != font.pixelSize() && font.pixelSize() > 0)
    label->setStyleSheet(QStringLiteral("font-size: %1px").arg(font.pixelSize()));
  label->setProperty(kFittedFont, label->font());
}

void KeepTextsWhole(QWidget* window) { window->installEventFilter(new FitBeforePaint(window)); }
