#include "tests/support/widgets.h"

#include <QPixmap>

#include "decks/catalogue.h"

bool Shows(const QLabel* box, int id) {
  if (!box) return false;
  const QPixmap pixmap = box->pixmap();
  if (pixmap.isNull()) return false;
  const QImage expected =
      CatalogueImage(id, pixmap.size()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == expected;
}
