// The real message box, under the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>

#include "platform/platform.h"

namespace {

TEST(MessageBox, HasRoomForItsWholeCaptionBesideTheTitleBarButtons) {
  QtPlatform qt;
  QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  title.setBold(true);
  for (const char* caption : {"File Open Error #17", "Overwrite Existing Stat File", "Bet Error"}) {
    SCOPED_TRACE(caption);
    int width = 0;
    QTimer::singleShot(0, [&width] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      width = box->width();
      box->done(QMessageBox::Ok);
    });
    qt.ShowMessage("Invalid data file!", caption, StopOk);
    EXPECT_GE(width, QFontMetrics(title).horizontalAdvance(caption) + 100);
  }
}

}  // namespace
