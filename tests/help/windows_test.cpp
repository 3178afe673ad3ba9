// The about window and the splash.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <string>

#include "help/about.h"
#include "help/licence.h"
#include "help/logobox.h"
#include "tests/support/widgets.h"

namespace {

TEST(AboutWindow, AlwaysOpensOnVersionAndBothOkButtonsAndEscapeClose) {
  TAbout about;
  auto* pages = Named<QTabWidget>(&about, "PageControl1");
  for (const char* ok : {"OKBtn", "Button1", "Escape"}) {
    about.show();
    EXPECT_EQ(pages->currentWidget(), Named(&about, "VersionTab"));
    pages->setCurrentWidget(Named(&about, "LicenseTab"));
    if (ok == std::string("Escape"))
      QTest::keyClick(&about, Qt::Key_Escape);
    else
      QTest::mouseClick(Named<QPushButton>(&about, ok), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible()) << ok;
  }
  EXPECT_EQ(about.windowTitle(), "About Brindlewharf");
  const auto* licence = Named<QTextEdit>(&about, "LicenseRE");
  EXPECT_TRUE(licence->toPlainText().contains("MIT"));
  EXPECT_TRUE(licence->toPlainText().contains(LicenceFile())) << "the place of the full terms";
  EXPECT_TRUE(licence->isReadOnly());
}

TEST(Splash, VisibleFromCreationAboveTheTableWithNothingToClick) {
  QWidget table;
  table.show();
  TLogoBox splash(&table);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.size(), QSize(433, 293));
  // A window manager keeps the splash above the window it belongs to.
  EXPECT_EQ(splash.windowHandle()->transientParent(), table.windowHandle());
  EXPECT_TRUE(splash.findChildren<QAbstractButton*>().isEmpty());
  EXPECT_TRUE(splash.findChildren<QLineEdit*>().isEmpty());
  QTest::mouseClick(&splash, Qt::LeftButton);
  EXPECT_TRUE(splash.isVisible());
}

}  // namespace
