#include "help/logobox.h"

#include <QScreen>

#include "decks/catalogue.h"
#include "ui_logobox.h"

TLogoBox* LogoBox = nullptr;

TLogoBox::TLogoBox(QWidget* parent) : QWidget(parent), ui(new Ui::TLogoBox) {
  ui->setupUi(this);
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(433, 293);
  ui->Panel1->setStyleSheet("#Panel1 { background: #008000; }");
  ShowLayoutPicture(ui->Image1, "title");
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  show();
}

TLogoBox::~TLogoBox() { delete ui; }
