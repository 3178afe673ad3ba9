// Renders the program icon to PNG files for the desktop's icon theme.
//   render_icon SIZE OUT.png [SIZE OUT.png ...]
// Each SIZE is the edge in pixels; the picture is drawn from the same SVG the windows use.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>

#include "decks/catalogue.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3 || args.size() % 2 == 0) {
    std::fprintf(stderr, "usage: render_icon SIZE OUT.png [SIZE OUT.png ...]\n");
    return 2;
  }
  for (int i = 1; i + 1 < args.size(); i += 2) {
    bool ok = false;
    const int size = args[i].toInt(&ok);
    if (!ok || size < 1 || size > 4096) {
      std::fprintf(stderr, "render_icon: bad size '%s'\n", qPrintable(args[i]));
      return 2;
    }
    const QImage image = LayoutPicture("icon", QSize(size, size));
    const QString out = args[i + 1];
    if (image.isNull() || !QDir().mkpath(QFileInfo(out).absolutePath()) || !image.save(out, "PNG")) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(out));
      return 1;
    }
  }
  return 0;
}
