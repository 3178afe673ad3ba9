#include "platform/windows.h"

#include <QDialog>
#include <QFont>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget* window) {
  if (QScreen* screen = window->screen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

void UseBaseFont(QWidget* window) {
  QFont base("Liberation Sans");
  base.setPixelSize(11);
  window->setFont(base);
}

void SetUpDialog(QDialog* dialog) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  dialog->setFixedSize(dialog->size());
  dialog->setModal(true);
  UseBaseFont(dialog);
}
