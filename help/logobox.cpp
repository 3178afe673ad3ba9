#include "help/logobox.h"

TLogoBox* LogoBox = nullptr;

TLogoBox::TLogoBox(QWidget* parent) : QWidget(parent) { setObjectName("LogoBox"); }
