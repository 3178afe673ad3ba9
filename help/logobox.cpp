#include "help/logobox.h"

#include <QTimer>

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
  show();
  // The picture is drawn once the loop runs, so that the table appears without waiting for it.
  QTimer::singleShot(0, this, [this] { ShowLayoutPicture(ui->Image1, "title"); });
}

TLogoBox::~TLogoBox() = default;
