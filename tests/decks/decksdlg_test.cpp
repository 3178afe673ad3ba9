// The deck dialog: what it frames when it opens, and what it leaves in DeckBackId and RandomDeck.
#include "decks/decksdlg.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>

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

// Words: clickN and dblN on back N (0..9), tick, untick, ok, cancel, close (the title bar);
// focus:NAME; Left, Right, Up, Down, Space, Return, Enter (the keypad's) and Escape, pressed
// where the focus is.
void Play(TDecks& dialog, const std::string& script) {
  const std::pair<const char*, Qt::Key> keys[] = {
      {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},   {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down},   {"Space", Qt::Key_Space},   {"Return", Qt::Key_Return},
      {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape},
  };
  std::istringstream words(script);
  for (std::string w; words >> w;) {
    const auto key =
        std::find_if(std::begin(keys), std::end(keys), [&](const auto& k) { return w == k.first; });
    if (key != std::end(keys))
      QTest::keyClick(dialog.focusWidget(), key->second,
                      key->second == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    else if (w.starts_with("focus:"))
      Named(&dialog, QString::fromStdString(w.substr(6)))->setFocus();
    else if (w.starts_with("click"))
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

// Every key does what a click does, on the back that has the focus; Enter never chooses from
// anywhere but a back or OK.
TEST(DeckDialog, KeysMoveTheFrameAsClicksDoAndOnlyABackOrOkTakesEnter) {
  struct KeyVisit {
    const char* rule;
    std::int32_t back, random;
    const char* script;
    int framedWhileOpen;  // 0 if the dialog closed
    const char* focus;    // while open
    std::int32_t backAfter, randomAfter;
  };
  const KeyVisit visits[] = {
      {"arrows_move_frame_and_focus_along_and_between_the_rows", 61, 0, "Right Right Down", 68, "Deck8Pic",
       61, 0},
      {"arrows_read_on_past_a_row_and_round_past_either_end", 64, 0, "Right Up Left Left", 68, "Deck8Pic", 64,
       0},
      {"space_frames_the_focused_back", 60, 0, "focus:Deck4Pic Space", 64, "Deck4Pic", 60, 0},
      {"with_randomize_ticked_arrows_and_enter_do_nothing", 63, 1, "Right Down Return", 63, "Deck3Pic", 63,
       1},
      {"enter_on_a_back_chooses_it_as_a_double_click", 61, 0, "Right Return", 0, "", 62, 0},
      {"enter_on_ok_takes_the_framed_back", 61, 0, "Down focus:OKBtn Return", 0, "", 66, 0},
      {"enter_on_cancel_is_cancel", 61, 0, "Right Right focus:CancelBtn Return", 0, "", 61, 0},
      {"enter_on_the_check_box_chooses_nothing", 61, 0, "Right focus:RandDeckChk Enter", 62, "RandDeckChk",
       61, 0},
      {"escape_is_cancel", 61, 0, "Right Escape", 0, "", 61, 0},
  };
  TDecks dialog;
  for (const KeyVisit& v : visits) {
    SCOPED_TRACE(v.rule);
    DeckBackId = v.back;
    RandomDeck = v.random;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(dialog.focusWidget(), Back(dialog, std::to_string(v.back - 60))) << "opens on the framed back";
    Play(dialog, v.script);
    EXPECT_EQ(dialog.isVisible(), v.framedWhileOpen != 0);
    if (dialog.isVisible()) {
      EXPECT_EQ(FramedBack(dialog), v.framedWhileOpen);
      EXPECT_EQ(dialog.focusWidget()->objectName().toStdString(), v.focus);
    }
    dialog.hide();
    EXPECT_EQ(DeckBackId, v.backAfter);
    EXPECT_EQ(RandomDeck, v.randomAfter);
  }
  ResetDeckChoice();
}

// A screen reader hears the backs in the dialog's order, and which one is framed, as it moves;
// the olive strips are left out.
TEST(DeckDialog, BacksAreNamedInOrderAndTheFramedOneSaysSo) {
  DeckBackId = 61;
  TDecks dialog;
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  const auto heard = [&](int n) {
    QAccessibleInterface* back = QAccessible::queryAccessibleInterface(Back(dialog, std::to_string(n)));
    EXPECT_EQ(back->role(), QAccessible::Button);
    return back->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(heard(1), "Card back 2 of 10: lighthouse in a storm, selected");
  EXPECT_EQ(heard(9), "Card back 10 of 10: snowy cottage under a full moon");
  Play(dialog, "Right");
  EXPECT_EQ(heard(1), "Card back 2 of 10: lighthouse in a storm");
  EXPECT_EQ(heard(2), "Card back 3 of 10: rider on a bucking horse, selected");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Named(&dialog, "Panel2"))->childCount(), 10);
  // Tab runs from the last back to the check box and the two buttons.
  Back(dialog, "9")->setFocus();
  for (const char* next : {"RandDeckChk", "OKBtn", "CancelBtn"}) {
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget()->objectName().toStdString(), next);
  }
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
