#include "table/introdlg.h"

TIntroDlg* IntroDlg = nullptr;

TIntroDlg::TIntroDlg(QWidget* parent) : QDialog(parent) { setObjectName("IntroDlg"); }
