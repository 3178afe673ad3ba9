#include "tests/support/widgets.h"

#include <QPixmap>

#include "decks/catalogue.h"

std::vector<std::string> ClippedLabels(const QWidget* root) {
  std::vector<std::string> clipped;
  QList<QLabel*> labels = root->findChildren<QLabel*>();
  if (auto* self = qobject_cast<QLabel*>(const_cast<QWidget*>(root))) labels.prepend(self);
  for (QLabel* label : labels) {
    if (label->text().isEmpty() || !label->isVisibleTo(root->window()) || Qt::mightBeRichText(label->text()))
      continue;
    label->ensurePolished();
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect room = label->contentsRect();
    if (!room.contains(label->fontMetrics().boundingRect(room, flags, label->text()).adjusted(0, 0, -1, -1)))
      clipped.push_back(label->objectName().toStdString());
  }
  return clipped;
}

bool Shows(const QLabel* box, int id) {
  if (!box) return false;
  const QPixmap pixmap = box->pixmap();
  if (pixmap.isNull()) return false;
  const QImage expected =
      CatalogueImage(id, pixmap.size()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == expected;
}
