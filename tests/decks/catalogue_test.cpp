// The picture catalogue: which ids exist, their sizes, the card frame, the winking King, caching.
#include "decks/catalogue.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QSvgRenderer>
#include <cstdlib>
#include <set>
#include <vector>

#include "platform/language.h"

namespace {

// Every id the catalogue answers to, found by asking it about each number.
std::vector<int> ScannedIds() {
  std::vector<int> ids;
  for (int id = 0; id <= 10000; ++id)
    if (IsCatalogueId(id)) ids.push_back(id);
  return ids;
}

TEST(Catalogue, ExactlyTheDocumentedIdsAtTheirSizes) {
  const std::vector<int> ids = ScannedIds();
  EXPECT_EQ(ids.size(), 53u + 10u + 4u + 8u + 6u);
  EXPECT_EQ(::CatalogueIds(), ids);
  for (int id : ids) {
    QSize size = CatalogueSize(id);
    const QImage image = CatalogueImage(id, size);
    ASSERT_FALSE(image.isNull()) << "id " << id;
    EXPECT_EQ(image.size(), size) << "id " << id;
  }
  EXPECT_EQ(CatalogueSize(12), QSize(71, 96));
  EXPECT_EQ(CatalogueSize(65), QSize(71, 96));
  EXPECT_EQ(CatalogueSize(90), QSize(12, 15));
  EXPECT_EQ(CatalogueSize(93), QSize(16, 16));
  EXPECT_EQ(CatalogueSize(1500), QSize(117, 50));
  EXPECT_EQ(CatalogueSize(6000), QSize(119, 51));
  for (int id : {0, -1, 54, 57, 59, 70, 80, 89, 94, 99, 101, 999, 1002, 1999, 2001, 5999, 6001})
    EXPECT_FALSE(IsCatalogueId(id)) << id;
}

TEST(Catalogue, UnknownIdLeavesTheBoxAsItWas) {
  QLabel box;
  box.resize(71, 96);
  ShowImage(&box, 5);
  const qint64 before = box.pixmap().cacheKey();
  for (int id : {0, 54, 59, 70, 89, 94, 123456}) {
    ShowImage(&box, id);
    EXPECT_EQ(box.pixmap().cacheKey(), before) << id;
    EXPECT_TRUE(CatalogueImage(id, QSize(71, 96)).isNull()) << id;
  }
  ShowImage(nullptr, 5);  // no box, no crash
}

TEST(Catalogue, BillIdsFollowTheirValues) {
  const struct {
    const char* rule;
    int value, id;
  } bills[] = {
      {"bundle_of_five_hundreds", 500000, 5000},
      {"bundle_of_hundreds", 100000, 1000},
      {"bundle_of_fifties", 50000, 500},
      {"bundle_of_twenties", 20000, 200},
      {"bundle_of_tens", 10000, 100},
      {"bundle_of_fives_is_not_50", 5000, 6000},
      {"thousand_bill", 1000, 2000},
      {"five_hundred_bill", 500, 1500},
      {"hundred_bill", 100, 1100},
      {"fifty_bill", 50, 1050},
      {"twenty_bill", 20, 1020},
      {"ten_bill", 10, 1010},
      {"five_bill", 5, 1005},
      {"one_bill", 1, 1001},
  };
  for (const auto& b : bills) {
    EXPECT_EQ(BillImageId(b.value), b.id) << b.rule;
    EXPECT_TRUE(IsCatalogueId(b.id)) << b.rule;
  }
}

TEST(Cards, FacesAllDifferAndEveryCardHasGreenCorners) {
  std::set<QByteArray> faces;
  for (int id = 1; id <= 69; ++id) {
    if (!IsCatalogueId(id)) continue;
    const QImage image = CatalogueImage(id, QSize(71, 96)).convertToFormat(QImage::Format_RGB32);
    for (QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
      EXPECT_EQ(image.pixelColor(corner), QColor(0, 128, 0))
          << "id " << id << " corner " << corner.x() << "," << corner.y();
    if (id <= 52)
      faces.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  EXPECT_EQ(faces.size(), 52u);
}

TEST(Cards, WinkingKingDiffersOnlyInTheFace) {
  const QImage king = CatalogueImage(12, QSize(71, 96)).convertToFormat(QImage::Format_RGB32);
  const QImage wink = CatalogueImage(53, QSize(71, 96)).convertToFormat(QImage::Format_RGB32);
  QRect changed;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 71; ++x)
      if (king.pixel(x, y) != wink.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  ASSERT_FALSE(changed.isEmpty()) << "the two pictures are the same";
  EXPECT_LE(changed.width(), 16);
  EXPECT_LE(changed.height(), 16);
  // The face sits in the upper half of the card, inside the court panel.
  EXPECT_TRUE(QRect(13, 10, 45, 38).contains(changed))
      << changed.x() << "," << changed.y() << " " << changed.width() << "x" << changed.height();
}

// CTest runs this once more on a screen of ratio 2 (QT_SCALE_FACTOR=2), and tells it so.
TEST(Rendering, CrispAtTheScreensPixelsAndCached) {
  QLabel box;
  box.resize(71, 96);
  box.setScaledContents(true);
  const qreal ratio = box.devicePixelRatioF();
  if (const char* expected = std::getenv("BRINDLEWHARF_EXPECT_RATIO")) {
    EXPECT_EQ(ratio, std::atof(expected));
  }
  ShowImage(&box, 40);
  // Drawn at the device's pixels, not scaled up from the logical size.
  const QSize device = (QSizeF(71, 96) * ratio).toSize();
  EXPECT_EQ(box.pixmap().size(), device);
  EXPECT_EQ(box.pixmap().devicePixelRatio(), ratio);
  EXPECT_EQ(box.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            CatalogueImage(40, device).convertToFormat(QImage::Format_ARGB32_Premultiplied));

  const QImage first = CatalogueImage(41, QSize(71, 96));
  const int cached = ImageCacheSize();
  const QImage again = CatalogueImage(41, QSize(71, 96));
  EXPECT_EQ(first.cacheKey(), again.cacheKey());
  EXPECT_EQ(ImageCacheSize(), cached);
  ClearImageCache();
  EXPECT_EQ(ImageCacheSize(), 0);
}

TEST(Pictures, LayoutPicturesAndIconLoad) {
  const struct {
    const char* name;
    QSize size;
  } pictures[] = {{"title", {422, 281}},   {"broke", {275, 150}},   {"calculator", {100, 167}},
                  {"tool_save", {25, 25}}, {"tool_open", {25, 25}}, {"tool_current", {25, 25}},
                  {"tool_help", {25, 25}}, {"icon", {32, 32}}};
  for (const auto& p : pictures) EXPECT_FALSE(LayoutPicture(p.name, p.size).isNull()) << p.name;
  EXPECT_FALSE(ProgramIcon().isNull());
  EXPECT_FALSE(ProgramIcon().pixmap(16, 16).isNull());
}

}  // namespace

// The words drawn in the bankruptcy and title pictures follow the language; the rest of each
// picture, and the English picture as a whole, stay as drawn.
TEST(Pictures, WordsInThePlayersLanguage) {
  struct Row {
    const char* name;
    QSize size;
    QRect words;    // where words are drawn
    QRect noWords;  // where none are
  };
  const Row rows[] = {
      {"broke", {275, 150}, {20, 10, 200, 45}, {8, 60, 45, 75}},
      {"title", {422, 281}, {20, 110, 230, 16}, {0, 180, 120, 100}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_FALSE(InstallTranslators(QLocale::c()));
    const QImage english = LayoutPicture(row.name, row.size);
    QSvgRenderer asDrawn(QStringLiteral(":/art/pictures/%1.svg").arg(row.name));
    QImage drawn(row.size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    asDrawn.render(&painter, QRectF(QPointF(0, 0), QSizeF(row.size)));
    painter.end();
    EXPECT_EQ(english, drawn) << "English is the picture as drawn";
    ASSERT_TRUE(InstallTranslators(QLocale(QStringLiteral("de_DE"))));
    const QImage german = LayoutPicture(row.name, row.size);
    EXPECT_NE(german.copy(row.words), english.copy(row.words));
    EXPECT_EQ(german.copy(row.noWords), english.copy(row.noWords));
  }
  InstallTranslators(QLocale::c());
}
