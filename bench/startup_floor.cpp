// The floor for any Qt 6 Widgets program here: an empty main window, built like the game.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Floor");
  window.setFixedSize(634, 437);
  window.show();
  return app.exec();
}
