#include "help/logobox.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include "decks/catalogue.h"
#include "platform/palette.h"
#include "platform/windows.h"
#include "ui_logobox.h"

TLogoBox* LogoBox = nullptr;

TLogoBox::TLogoBox(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TLogoBox>()) {
  ui->setupUi(this);
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(size());  // as the layout gives it
  Paint(ui->Panel1, QPalette::Window, kTableGreen);
  CentreOnScreen(this);
  // A window manager keeps a window above the one it belongs to. Belonging to the table, the one
  // window up when the splash is made, the splash stays above it while other windows open and
  // close, until it closes itself.
  winId();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != this && w->isVisible() && w->windowHandle()) {
      windowHandle()->setTransientParent(w->windowHandle());
      break;
    }
  }
  show();
  // The picture is drawn once the loop runs, so that the table appears without waiting for it.
  QTimer::singleShot(0, this, [this] { ShowLayoutPicture(ui->Image1, "title"); });
}

TLogoBox::~TLogoBox() = default;
