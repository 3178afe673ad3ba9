#include "decks/catalogue.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
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

// The words drawn in the pictures, as the pictures hold them in English, and the width each has
// there in logical pixels. A translation is drawn in their place, pressed narrower where it would
// not fit; in English the picture is the file as it stands.
struct PictureWords {
  const char* english;
  double room;
};
constexpr PictureWords kPictureWords[] = {
    {QT_TRANSLATE_NOOP("Pictures", "You're Broke!"), 200},
    {QT_TRANSLATE_NOOP("Pictures", "Game Over"), 200},
    {QT_TRANSLATE_NOOP("Pictures", "Credit Extension"), 116},
    {QT_TRANSLATE_NOOP("Pictures", "Approved!"), 116},
    {QT_TRANSLATE_NOOP("Pictures", "Five-card draw against the House"), 236},
    {QT_TRANSLATE_NOOP("Pictures", "© 2026 the"), 78},
    {QT_TRANSLATE_NOOP("Pictures", "Brindlewharf developers"), 78},
};

QString Attribute(const QString& element, const char* name) {
  const QRegularExpression find(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(QLatin1String(name)));
  return find.match(element).captured(1);
}

// How wide text is drawn by the SVG text element whose attributes are given.
double TextWidth(const QString& attributes, const QString& text) {
  // Measured at ten times the size, since the smallest words are 6.4 pixels high.
  QFont font(Attribute(attributes, "font-family"));
  font.setPixelSize(qRound(Attribute(attributes, "font-size").toDouble() * 10));
  font.setBold(Attribute(attributes, "font-weight") == QLatin1String("bold"));
  font.setItalic(Attribute(attributes, "font-style") == QLatin1String("italic"));
  return QFontMetricsF(font).horizontalAdvance(text) / 10;
}

// The picture's SVG in the player's language, and a key that tells its words apart: empty, with
// the file's own bytes untouched, when nothing in it is translated.
QByteArray TranslatedSvg(const QString& path, QString& wordsKey) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString svg = QString::fromUtf8(file.readAll());
  for (const PictureWords& words : kPictureWords) {
    const QString english = QString::fromUtf8(words.english);
    const QString said = QCoreApplication::translate("Pictures", words.english);
    if (said == english) continue;
    const QRegularExpression element(
        QStringLiteral("<text([^>]*)>%1</text>").arg(QRegularExpression::escape(english)));
    const QRegularExpressionMatch found = element.match(svg);
    if (!found.hasMatch()) continue;
    QString attributes = found.captured(1);
    const double width = TextWidth(attributes, said);
    if (width > words.room) {
      const QString x = Attribute(attributes, "x");
      attributes += QStringLiteral(" transform=\"translate(%1,0) scale(%2,1) translate(-%1,0)\"")
                        .arg(x)
                        .arg(words.room / width, 0, 'f', 3);
    }
    svg.replace(found.capturedStart(), found.capturedLength(),
                QStringLiteral("<text%1>%2</text>").arg(attributes, said.toHtmlEscaped()));
    wordsKey += said + QChar(0);
  }
  return wordsKey.isEmpty() ? QByteArray() : svg.toUtf8();
}

QImage Render(const QString& path, QSize deviceSize, bool withWords = false) {
  if (deviceSize.isEmpty()) return {};
  QString wordsKey;
  const QByteArray translated = withWords ? TranslatedSvg(path, wordsKey) : QByteArray();
  const CacheKey key{path + wordsKey, deviceSize.width(), deviceSize.height()};
  auto& cache = Cache();
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;

  QSvgRenderer renderer;
  if (translated.isEmpty()) {
    renderer.load(path);
  } else {
    renderer.load(translated);
  }
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

void ShowRendered(QLabel* box, const QString& path, bool withWords = false) {
  const qreal ratio = box->devicePixelRatioF();
  const QSize deviceSize = (QSizeF(box->size()) * ratio).toSize();
  // A picture with words is drawn anew for each language (tests switch between them).
  QString language;
  if (withWords)
    for (const PictureWords& words : kPictureWords)
      language += QCoreApplication::translate("Pictures", words.english);
  const CacheKey key{path + language, deviceSize.width(), deviceSize.height()};
  auto& pixmaps = PixmapCache();
  auto it = pixmaps.constFind(key);
  if (it == pixmaps.constEnd()) {
    const QImage image = Render(path, deviceSize, withWords);
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

QImage LayoutPicture(const QString& name, QSize deviceSize) {
  return Render(PicturePath(name), deviceSize, true);
}

void ShowLayoutPicture(QLabel* box, const QString& name) {
  if (box) ShowRendered(box, PicturePath(name), true);
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
