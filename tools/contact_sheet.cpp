// Renders every catalogue picture and every layout picture onto one labelled sheet.
//   contact_sheet OUT_1X.png [OUT_2X.png]
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "decks/catalogue.h"

namespace {

struct Entry {
  QString label;
  QImage (*render)(const QString&, int, QSize);
  QString name;
  int id;
  QSize size;
};

QImage FromCatalogue(const QString&, int id, QSize s) { return CatalogueImage(id, s); }
QImage FromLayout(const QString& name, int, QSize s) { return LayoutPicture(name, s); }

std::vector<Entry> Entries() {
  std::vector<Entry> all;
  for (int id : CatalogueIds())
    all.push_back({QString::number(id), FromCatalogue, {}, id, CatalogueSize(id)});
  const struct {
    const char* name;
    QSize size;
  } pictures[] = {{"title", {422, 281}},   {"broke", {275, 150}},   {"calculator", {100, 167}},
                  {"tool_save", {25, 25}}, {"tool_open", {25, 25}}, {"tool_current", {25, 25}},
                  {"tool_help", {25, 25}}, {"icon", {32, 32}}};
  for (const auto& p : pictures) all.push_back({p.name, FromLayout, p.name, 0, p.size});
  return all;
}

QImage Sheet(qreal ratio) {
  const auto entries = Entries();
  const int width = 1000, gap = 8, labelHeight = 14;
  // Lay out in rows, left to right, in logical pixels.
  struct Placed {
    const Entry* e;
    QPoint at;
  };
  std::vector<Placed> placed;
  int x = gap, y = gap, rowHeight = 0;
  for (const auto& e : entries) {
    if (x + e.size.width() + gap > width) {
      x = gap;
      y += rowHeight + labelHeight + gap;
      rowHeight = 0;
    }
    placed.push_back({&e, {x, y}});
    x += std::max(e.size.width(), 12 + 7 * static_cast<int>(e.label.size())) + gap;
    rowHeight = std::max(rowHeight, e.size.height());
  }
  const int height = y + rowHeight + labelHeight + gap;
  QImage sheet(QSize(width, height) * ratio, QImage::Format_ARGB32_Premultiplied);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(QColor(0, 96, 0));
  QPainter painter(&sheet);
  QFont font("DejaVu Sans");
  font.setPixelSize(10);
  painter.setFont(font);
  painter.setPen(Qt::white);
  for (const auto& p : placed) {
    const QImage image = p.e->render(p.e->name, p.e->id, p.e->size * ratio);
    if (image.isNull()) {
      painter.drawRect(QRect(p.at, p.e->size));
      painter.drawText(QRect(p.at, p.e->size), Qt::AlignCenter, "missing");
    } else {
      painter.drawImage(QRect(p.at, p.e->size), image);
    }
    painter.drawText(QPoint(p.at.x(), p.at.y() + p.e->size.height() + 11), p.e->label);
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: contact_sheet OUT_1X.png [OUT_2X.png]\n");
    return 2;
  }
  for (int i = 1; i < args.size() && i <= 2; ++i) {
    if (!Sheet(i).save(args[i])) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(args[i]));
      return 1;
    }
  }
  return 0;
}
