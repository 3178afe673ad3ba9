// The program entry: builds the windows and runs the message loop.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Brindlewharf 1.0");
  QMessageBox::information(nullptr, "Brindlewharf 1.0", "The table is not built yet.");
  return 0;
}
