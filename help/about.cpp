#include "help/about.h"

TAbout* About = nullptr;

TAbout::TAbout(QWidget* parent) : QDialog(parent) { setObjectName("About"); }
