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
#include "tests/support/widgets.h"

namespace {

// The back whose frame is red; 0 when none is, -1 when a frame is neither red nor table green or
// more than one is red.
int FramedBack(const TDecks& dialog) {
  int framed = 0;
  for (int n = 0; n < 10; ++n) {
    const QColor colour =
        Named<QFrame>(&dialog, QStringLiteral("Deck%1Pnl").arg(n))->palette().color(QPalette::Window);
    if (colour == QColor(255, 0, 0) && framed == 0)
      framed = 60 + n;
    else if (colour != QColor(0, 128, 0))
      return -1;
  }
  return framed;
}

ImageBox* Back(const TDecks& dialog, const std::string& n) {
  return Named<ImageBox>(&dialog, QString::fromStdString("Deck" + n + "Pic"));
}

// Words: clickN and dblN on back N (0..9), tick, untick, ok, cancel, close (the title bar).
void Play(TDecks& dialog, const std::string& script) {
  std::istringstream words(script);
  for (std::string w; words >> w;) {
    if (w.starts_with("click"))
      QTest::mouseClick(Back(dialog, w.substr(5)), Qt::LeftButton);
    else if (w.starts_with("dbl"))
      QTest::mouseDClick(Back(dialog, w.substr(3)), Qt::LeftButton);
    else if (w == "tick" || w == "untick")
      QTest::mouseClick(Named<QCheckBox>(&dialog, "RandDeckChk"), Qt::LeftButton);  // never ticked twice
    else if (w == "ok")
      QTest::mouseClick(Named<QPushButton>(&dialog, "OKBtn"), Qt::LeftButton);
    else if (w == "cancel")
      QTest::mouseClick(Named<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
    else if (w == "close")
      dialog.close();
  }
}

struct Visit {
  const char* rule;
  std::int32_t back, random;  // when the dialog opens
  const char* script;
  int framedWhileOpen;  // after the script, if the dialog is still open; 0 if it closed
  std::int32_t backAfter, randomAfter;
};

TEST(DeckDialog, OpensOnTheChoiceInForceAndOnlyOkOrADoubleClickChangesIt) {
  const Visit visits[] = {
      {"click_moves_the_frame", 60, 0, "click3 click8", 68, 60, 0},
      {"cancel_after_a_click_changes_nothing", 62, 0, "click3 cancel", 0, 62, 0},
      {"title_bar_close_is_cancel", 62, 1, "untick click5 close", 0, 62, 1},
      {"ok_takes_the_framed_back", 60, 0, "click9 click4 ok", 0, 64, 0},
      {"double_click_chooses_clears_random_and_closes", 61, 1, "untick dbl7", 0, 67, 0},
      {"randomize_ticked_ignores_clicks", 64, 0, "tick click2 dbl5", 64, 64, 0},
      {"ok_with_randomize_keeps_the_back_in_use", 64, 0, "click1 tick click2 ok", 0, 64, 1},
      {"ok_unticked_without_a_click_keeps_the_framed_back", 66, 1, "untick ok", 0, 66, 0},
  };
  TDecks dialog;
  for (const Visit& v : visits) {
    SCOPED_TRACE(v.rule);
    DeckBackId = v.back;
    RandomDeck = v.random;
    PendingBackId = 69 - (v.back - 60);  // left over from an earlier visit
    dialog.show();
    EXPECT_EQ(FramedBack(dialog), v.back);
    EXPECT_EQ(Named<QCheckBox>(&dialog, "RandDeckChk")->isChecked(), v.random == 1);
    Play(dialog, v.script);
    EXPECT_EQ(dialog.isVisible(), v.framedWhileOpen != 0);
    if (dialog.isVisible()) {
      EXPECT_EQ(FramedBack(dialog), v.framedWhileOpen);
    }
    dialog.hide();
    EXPECT_EQ(DeckBackId, v.backAfter);
    EXPECT_EQ(RandomDeck, v.randomAfter);
    // Whatever happened on this visit, the next one starts from the choice in force.
    dialog.show();
    EXPECT_EQ(FramedBack(dialog), v.backAfter);
    EXPECT_EQ(Named<QCheckBox>(&dialog, "RandDeckChk")->isChecked(), v.randomAfter == 1);
    dialog.hide();
  }
  for (int n = 0; n < 10; ++n) EXPECT_TRUE(Shows(Back(dialog, std::to_string(n)), 60 + n)) << "back " << n;
  ResetDeckChoice();
}

TEST(DeckDialog, BothPanelsShowTheirWholeBevels) {
  TDecks dialog;
  for (const char* name : {"Panel1", "Panel2"}) {
    SCOPED_TRACE(name);
    const QFrame* panel = Named<QFrame>(&dialog, name);
    // A sunken box: a lowered outer line around a raised inner one. Nothing inside may cover them.
    EXPECT_EQ(panel->frameShape(), QFrame::Box);
    EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(panel->frameWidth(), 2);
    for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      EXPECT_TRUE(panel->contentsRect().contains(child->geometry())) << child->objectName().toStdString();
  }
}

}  // namespace
