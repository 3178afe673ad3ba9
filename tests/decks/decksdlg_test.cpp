// The deck dialog: what it frames when it opens, and what it leaves in DeckBackId and RandomDeck.
#include "decks/decksdlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <sstream>
#include <string>

#include "decks/catalogue.h"
#include "decks/deckchoice.h"
#include "decks/imagebox.h"
#include "ui_decks.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

bool Shows(const QLabel* box, int id) {
  const QPixmap pixmap = box->pixmap();
  if (pixmap.isNull()) return false;
  const QImage expected =
      CatalogueImage(id, pixmap.size()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == expected;
}

class DeckDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetDeckChoice(); }

  // The back whose frame is red; 0 when none is, -1 when a frame is neither red nor green
  // or more than one is red.
  int FramedBack() const {
    int framed = 0;
    for (int n = 0; n < 10; ++n) {
      const QColor colour = dialog.deckPanels[n]->palette().color(QPalette::Window);
      if (colour == kRed) {
        if (framed != 0) return -1;
        framed = 60 + n;
      } else if (colour != kGreen) {
        return -1;
      }
    }
    return framed;
  }

  // Words: clickN, dblN (N a back index 0..9), tick, untick, ok, cancel, close. All by mouse
  // where a player would use the mouse.
  void Play(const std::string& script) {
    std::istringstream words(script);
    for (std::string w; words >> w;) {
      if (w.rfind("click", 0) == 0) {
        QTest::mouseClick(dialog.deckPics[std::stoi(w.substr(5))], Qt::LeftButton);
      } else if (w.rfind("dbl", 0) == 0) {
        QTest::mouseDClick(dialog.deckPics[std::stoi(w.substr(3))], Qt::LeftButton);
      } else if (w == "tick" || w == "untick") {
        if (dialog.ui->RandDeckChk->isChecked() != (w == "tick"))
          QTest::mouseClick(dialog.ui->RandDeckChk, Qt::LeftButton);
      } else if (w == "ok") {
        QTest::mouseClick(dialog.ui->OKBtn, Qt::LeftButton);
      } else if (w == "cancel") {
        QTest::mouseClick(dialog.ui->CancelBtn, Qt::LeftButton);
      } else if (w == "close") {
        dialog.close();
      } else {
        FAIL() << "unknown word " << w;
      }
    }
  }

  TDecks dialog;
};

TEST_F(DeckDialogTest, OpeningFramesTheBackInUseAndMirrorsRandomDeck) {
  struct Row {
    std::int32_t back, random;
  };
  for (Row row : {Row{60, 0}, Row{67, 0}, Row{63, 1}, Row{69, 1}, Row{60, 1}}) {
    DeckBackId = row.back;
    RandomDeck = row.random;
    PendingBackId = 65;  // left over from an earlier visit
    dialog.show();
    EXPECT_EQ(FramedBack(), row.back) << row.back << "/" << row.random;
    EXPECT_EQ(PendingBackId, row.back);
    EXPECT_EQ(dialog.ui->RandDeckChk->isChecked(), row.random == 1);
    dialog.hide();
  }
  for (int n = 0; n < 10; ++n) EXPECT_TRUE(Shows(dialog.deckPics[n], 60 + n)) << "back " << n;
}

struct Visit {
  const char* rule;
  std::int32_t back, random;  // before the dialog opens
  const char* script;
  int framedWhileOpen;  // after the script, if the dialog is still open
  bool closes;
  std::int32_t backAfter, randomAfter;
};

TEST_F(DeckDialogTest, OnlyOkAndDoubleClicksChangeTheChoice) {
  const Visit visits[] = {
      {"click_moves_the_frame", 60, 0, "click3 click8", 68, false, 60, 0},
      {"cancel_after_a_click_changes_nothing", 62, 0, "click3 cancel", 0, true, 62, 0},
      {"title_bar_close_is_cancel", 62, 1, "untick click5 close", 0, true, 62, 1},
      {"ok_takes_the_framed_back", 60, 0, "click9 click4 ok", 0, true, 64, 0},
      {"double_click_chooses_clears_random_and_closes", 61, 1, "untick dbl7", 0, true, 67, 0},
      {"randomize_ticked_ignores_clicks", 64, 0, "tick click2 dbl5", 64, false, 64, 0},
      {"ok_with_randomize_keeps_the_back_in_use", 64, 0, "click1 tick click2 ok", 0, true, 64, 1},
      {"ok_unticked_without_a_click_keeps_the_framed_back", 66, 1, "untick ok", 0, true, 66, 0},
  };
  for (const Visit& v : visits) {
    SCOPED_TRACE(v.rule);
    DeckBackId = v.back;
    RandomDeck = v.random;
    dialog.show();
    Play(v.script);
    EXPECT_EQ(dialog.isVisible(), !v.closes);
    if (!v.closes) {
      EXPECT_EQ(FramedBack(), v.framedWhileOpen);
      dialog.hide();
    }
    EXPECT_EQ(DeckBackId, v.backAfter);
    EXPECT_EQ(RandomDeck, v.randomAfter);
    // Whatever happened on this visit, the next one starts from the choice in force.
    dialog.show();
    EXPECT_EQ(FramedBack(), v.backAfter);
    EXPECT_EQ(dialog.ui->RandDeckChk->isChecked(), v.randomAfter == 1);
    dialog.hide();
  }
}

}  // namespace
