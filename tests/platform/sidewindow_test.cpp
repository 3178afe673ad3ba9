// Where a side window goes: clear of the table and the other side windows the first time, and
// where the player put it after that, whole on the screen.
#include "platform/sidewindow.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <ostream>

// Readable rectangles in failures.
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << "," << r.y() << " " << r.width() << "x" << r.height() << ")";
}

namespace {

struct Placement {
  const char* rule;
  QSize wanted, least;
  QRect room;
  std::vector<QRect> taken;
  std::optional<QRect> place;
};

TEST(SideWindow, PlacedClearOfTheTableAndTheOtherWindows) {
  const QRect hd(0, 0, 1920, 1040), sxga(0, 0, 1280, 994), xga(0, 0, 1024, 738);
  const QRect table1080(643, 280, 634, 480), coach1080(1279, 280, 310, 480);
  const Placement rows[] = {
      {"coach_right_of_the_table_level_with_it",
       {310, 480},
       {310, 480},
       sxga,
       {{323, 257, 634, 480}},
       QRect(959, 257, 310, 480)},
      {"history_left_of_table_and_coach_narrower",
       {1000, 660},
       {480, 360},
       hd,
       {table1080, coach1080},
       QRect(0, 280, 641, 660)},
      {"history_below_when_no_side_has_room",
       {1000, 660},
       {480, 200},
       xga,
       {{195, 0, 634, 480}, {831, 0, 190, 480}},
       QRect(24, 482, 1000, 256)},
      {"no_room_anywhere", {310, 480}, {310, 480}, xga, {{195, 129, 634, 480}}, std::nullopt},
  };
  for (const Placement& row : rows) {
    SCOPED_TRACE(row.rule);
    EXPECT_EQ(PlaceClear(row.wanted, row.least, row.room, row.taken, 2), row.place);
  }
}

// A window comes back where the player left it, never creeping, and whole on the screen it has.
TEST(SideWindow, ComesBackWholeWhereThePlayerPutIt) {
  QTemporaryDir home;
  UseSettingsFile(home.filePath("brindlewharf.conf"));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  struct Row {
    const char* rule;
    QRect left;
    QSize back;
  };
  const Row rows[] = {
      {"at_the_top_it_stays_there", QRect(screen.left(), screen.top(), 300, 200), {300, 200}},
      {"half_off_the_screen_it_comes_back_whole",
       QRect(screen.right() - 100, screen.bottom() - 50, 300, 200),
       {300, 200}},
      {"larger_than_the_screen_it_shrinks",
       QRect(screen.left(), screen.top(), screen.width() + 400, 200),
       {screen.width(), 200}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    QDialog before;
    before.setGeometry(row.left);
    RememberGeometry(GameWindow::History, before.saveGeometry());
    std::optional<QRect> first;
    for (int run = 0; run < 3; ++run) {
      QDialog after;
      ASSERT_TRUE(MoveToPlayersPlace(&after, GameWindow::History));
      const QRect frame = after.frameGeometry();
      EXPECT_TRUE(screen.contains(frame)) << "run " << run;
      EXPECT_EQ(frame.size(), row.back) << "run " << run;
      if (first) {
        EXPECT_EQ(frame.topLeft(), first->topLeft()) << "run " << run << " crept";
      }
      first = frame;
      RememberGeometry(GameWindow::History, after.saveGeometry());
    }
  }
  UseSettingsFile({});
}

}  // namespace
