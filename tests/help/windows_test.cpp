// The about window and the splash.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "help/about.h"
#include "help/logobox.h"
#include "ui_about.h"

namespace {

TEST(AboutWindow, AlwaysOpensOnVersionAndBothOkButtonsClose) {
  TAbout about;
  about.show();
  EXPECT_EQ(about.ui->PageControl1->currentWidget(), about.ui->VersionTab);
  about.ui->PageControl1->setCurrentWidget(about.ui->LicenseTab);
  QTest::mouseClick(about.ui->OKBtn, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());

  about.show();
  EXPECT_EQ(about.ui->PageControl1->currentWidget(), about.ui->VersionTab);
  QTest::mouseClick(about.ui->Button1, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.windowTitle(), "About Brindlewharf");
  EXPECT_TRUE(about.ui->LicenseRE->toPlainText().contains("MIT"));
  EXPECT_TRUE(about.ui->LicenseRE->isReadOnly());
}

TEST(Splash, VisibleFromCreationWithNothingToClick) {
  TLogoBox splash;
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.size(), QSize(433, 293));
  EXPECT_TRUE(splash.findChildren<QAbstractButton*>().isEmpty());
  EXPECT_TRUE(splash.findChildren<QLineEdit*>().isEmpty());
  QTest::mouseClick(&splash, Qt::LeftButton);
  EXPECT_TRUE(splash.isVisible());
}

}  // namespace
