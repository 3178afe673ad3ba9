#include "platform/windows.h"

#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
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

void SetUpDialog(QDialog* dialog) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  dialog->setFixedSize(dialog->size());
  dialog->setModal(true);
  UseBaseFont(dialog);
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

void NarrowToFit(QLabel* label) {
  label->ensurePolished();
  QFont font = label->font();
  const QRect room = label->contentsRect();
  const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const auto fits = [&] {
    const QRect need = QFontMetrics(font, label).boundingRect(room, flags, label->text());
    return need.width() <= room.width() && need.height() <= room.height();
  };
  int stretch = QFont::Unstretched;
  font.setStretch(stretch);
  while (stretch > 1 && !fits()) font.setStretch(--stretch);
  label->setFont(font);
}
