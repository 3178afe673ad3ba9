// The deck dialog: what it frames when it opens, and what it leaves in DeckBackId and RandomDeck.
#include "decks/decksdlg.h"

#include <gtest/gtest.h>

#include <QAccessible>
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
#include "platform/imagebox.h"
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
// focus:NAME; Left, Right, Up, Down, Space, Return, Enter (the keypad's), Escape and Tab,
// pressed where the focus is.
void Play(TDecks& dialog, const std::string& script) {
  const std::pair<const char*, Qt::Key> keys[] = {
      {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},   {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down},   {"Space", Qt::Key_Space},   {"Return", Qt::Key_Return},
      {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab},
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
  const char* focus = "";  // where the focus is then, if a key moved it
};

// The back whose name says it is selected; 0 when none does, -1 when more than one does.
int SaidSelected(const TDecks& dialog) {
  int said = 0;
  for (int n = 0; n < 10; ++n) {
    if (!QAccessible::queryAccessibleInterface(Back(dialog, std::to_string(n)))
             ->text(QAccessible::Name)
             .endsWith(", selected"))
      continue;
    said = said == 0 ? 60 + n : -1;
  }
  return said;
}

// Keys do what clicks do, on the back that has the focus; Enter never chooses from anywhere but a
// back or OK.
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
      {"arrows_move_frame_and_focus_along_and_between_rows", 61, 0, "Right Right Down", 68, 61, 0,
       "Deck8Pic"},
      {"arrows_read_on_past_a_row_and_round_past_the_ends", 64, 0, "Right Up Left Left", 68, 64, 0,
       "Deck8Pic"},
      {"space_frames_the_focused_back", 60, 0, "focus:Deck4Pic Space", 64, 60, 0, "Deck4Pic"},
      {"randomize_ticked_moves_the_focus_not_the_frame", 63, 1, "Right Down Return", 63, 63, 1, "Deck9Pic"},
      {"enter_on_a_back_chooses_it_as_a_double_click", 61, 0, "Right Return", 0, 62, 0},
      {"enter_on_ok_takes_the_framed_back", 61, 0, "Down focus:OKBtn Return", 0, 66, 0},
      {"enter_on_cancel_is_cancel", 61, 0, "Right Right focus:CancelBtn Return", 0, 61, 0},
      {"enter_on_the_check_box_chooses_nothing", 61, 0, "Right focus:RandDeckChk Enter", 62, 61, 0,
       "RandDeckChk"},
      {"escape_is_cancel", 61, 0, "Right Escape", 0, 61, 0},
      {"tab_goes_from_the_last_back_to_randomize", 61, 0, "focus:Deck9Pic Tab", 61, 61, 0, "RandDeckChk"},
  };
  TDecks dialog;
  for (const Visit& v : visits) {
    SCOPED_TRACE(v.rule);
    DeckBackId = v.back;
    RandomDeck = v.random;
    PendingBackId = 69 - (v.back - 60);  // left over from an earlier visit
    dialog.show();
    EXPECT_EQ(FramedBack(dialog), v.back);
    EXPECT_EQ(dialog.focusWidget(), Back(dialog, std::to_string(v.back - 60)));
    EXPECT_EQ(Named<QCheckBox>(&dialog, "RandDeckChk")->isChecked(), v.random == 1);
    Play(dialog, v.script);
    EXPECT_EQ(dialog.isVisible(), v.framedWhileOpen != 0);
    if (dialog.isVisible()) {
      EXPECT_EQ(FramedBack(dialog), v.framedWhileOpen);
      EXPECT_EQ(SaidSelected(dialog), v.framedWhileOpen) << "a screen reader hears where the frame is";
      if (*v.focus) {
        EXPECT_EQ(dialog.focusWidget()->objectName().toStdString(), v.focus);
      }
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
  // The backs are numbered in the dialog's order; the olive strips are left out.
  DeckBackId = 61;
  dialog.show();
  QAccessibleInterface* lighthouse = QAccessible::queryAccessibleInterface(Back(dialog, "1"));
  EXPECT_EQ(lighthouse->role(), QAccessible::Button);
  EXPECT_EQ(lighthouse->text(QAccessible::Name), "Card back 2 of 10: lighthouse in a storm, selected");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Named(&dialog, "Panel2"))->childCount(), 10);
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
