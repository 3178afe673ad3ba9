#include "decks/catalogue.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 8> kBillIds{1001, 1005, 1010, 1020, 1050, 1100, 1500, 2000};
constexpr std::array<int, 6> kBundleIds{6000, 100, 200, 500, 1000, 5000};

struct CacheKey {
  QString source;
  int width;
  int height;
  bool operator==(const CacheKey& o) const {
    return width == o.width && height == o.height && source == o.source;
  }
};

size_t qHash(const CacheKey& k, size_t seed = 0) {
  return ::qHash(k.source, seed) ^ (k.width * 73856093u) ^ (k.height * 19349663u);
}

QHash<CacheKey, QImage>& Cache() {
  static QHash<CacheKey, QImage> cache;
  return cache;
}

QString CataloguePath(int id) { return QStringLiteral(":/art/catalogue/%1.svg").arg(id); }
QString PicturePath(const QString& name) { return QStringLiteral(":/art/pictures/%1.svg").arg(name); }

QImage Render(const QString& path, QSize deviceSize) {
  if (deviceSize.isEmpty()) return {};
  const CacheKey key{path, deviceSize.width(), deviceSize.height()};
  auto& cache = Cache();
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;

  QSvgRenderer renderer(path);
  if (!renderer.isValid()) {
    qWarning("picture %s is missing or unreadable", qPrintable(path));
    return {};
  }
  QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
  painter.end();
  cache.insert(key, image);
  return image;
}

// The pixmaps the boxes show, kept beside the images: turning an image into a pixmap copies
// and scans every pixel, which a table that redraws its cards and bills each hand need not
// do twice.
QHash<CacheKey, QPixmap>& PixmapCache() {
  static QHash<CacheKey, QPixmap> cache;
  return cache;
}

void ShowRendered(QLabel* box, const QString& path) {
  const qreal ratio = box->devicePixelRatioF();
  const QSize deviceSize = (QSizeF(box->size()) * ratio).toSize();
  const CacheKey key{path, deviceSize.width(), deviceSize.height()};
  auto& pixmaps = PixmapCache();
  auto it = pixmaps.constFind(key);
  if (it == pixmaps.constEnd()) {
    const QImage image = Render(path, deviceSize);
    if (image.isNull()) return;
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    it = pixmaps.insert(key, pixmap);
  }
  if (box->pixmap().cacheKey() != it->cacheKey()) box->setPixmap(*it);
}

}  // namespace

bool IsCatalogueId(int id) {
  if (id >= 1 && id <= 53) return true;
  if (id >= 60 && id <= 69) return true;
  if (id >= 90 && id <= 93) return true;
  return std::find(kBillIds.begin(), kBillIds.end(), id) != kBillIds.end() ||
         std::find(kBundleIds.begin(), kBundleIds.end(), id) != kBundleIds.end();
}

std::vector<int> CatalogueIds() {
  std::vector<int> ids;
  for (int id = 1; id <= 93; ++id)
    if (IsCatalogueId(id)) ids.push_back(id);
  ids.insert(ids.end(), kBundleIds.begin() + 1, kBundleIds.end());  // 100 .. 5000
  ids.insert(ids.end(), kBillIds.begin(), kBillIds.end());          // 1001 .. 2000
  ids.push_back(kBundleIds.front());                                // 6000
  std::sort(ids.begin(), ids.end());
  return ids;
}

QSize CatalogueSize(int id) {
  if (!IsCatalogueId(id)) return {};
  if (id <= 69) return {71, 96};
  if (id <= 91) return {12, 15};
  if (id <= 93) return {16, 16};
  if (std::find(kBillIds.begin(), kBillIds.end(), id) != kBillIds.end()) return {117, 50};
  return {119, 51};
}

int BillImageId(int value) { return value >= 10000 ? value / 100 : value + 1000; }

QImage CatalogueImage(int id, QSize deviceSize) {
  if (!IsCatalogueId(id)) {
    qWarning("picture id %d is not in the catalogue", id);
    return {};
  }
  return Render(CataloguePath(id), deviceSize);
}

void ShowImage(QLabel* box, int id) {
  if (!box) return;
  if (!IsCatalogueId(id)) {
    qWarning("picture id %d is not in the catalogue", id);
    return;
  }
  ShowRendered(box, CataloguePath(id));
}

void ClearImage(QLabel* box) {
  if (box && !box->pixmap().isNull()) box->clear();
}

QImage LayoutPicture(const QString& name, QSize deviceSize) { return Render(PicturePath(name), deviceSize); }

void ShowLayoutPicture(QLabel* box, const QString& name) {
  if (box) ShowRendered(box, PicturePath(name));
}

QIcon ProgramIcon() {
  // Qt's SVG icon engine renders the icon lazily, at whatever size a window asks for.
  return QIcon(PicturePath("icon"));
}

void ClearImageCache() {
  Cache().clear();
  PixmapCache().clear();
}

int ImageCacheSize() { return static_cast<int>(Cache().size()); }
