#pragma once
// The table's controls, found by the object names the layout gives them.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/support/widgets.h"

struct TableControls {
  explicit TableControls(const QWidget* form)
      : BetLabl(Named<QLabel>(form, "BetLabl")),
        MainLabl(Named<QLabel>(form, "MainLabl")),
        DlrLabl(Named<QLabel>(form, "DlrLabl")),
        PlrLabl(Named<QLabel>(form, "PlrLabl")),
        DlrNameLabl(Named<QLabel>(form, "DlrNameLabl")),
        PlrNameLabl(Named<QLabel>(form, "PlrNameLabl")),
        CaptionBar(Named<QLabel>(form, "CaptionBar")),
        LastBetLabl(Named<QLabel>(form, "LastBetLabl")),
        BankLabl(Named<QLabel>(form, "BankLabl")),
        Label5(Named<QLabel>(form, "Label5")),
        BetEdit(Named<QLineEdit>(form, "BetEdit")),
        Bet(Named<QPushButton>(form, "Bet")),
        Draw(Named<QPushButton>(form, "Draw")),
        MoneyPanl(Named<QWidget>(form, "MoneyPanl")),
        MoneyBreakPanl(Named<QWidget>(form, "MoneyBreakPanl")),
        NewGame(Named<QAction>(form, "NewGame")),
        ViewStats(Named<QAction>(form, "ViewStats")),
        Deck(Named<QAction>(form, "Deck")),
        Exit(Named<QAction>(form, "Exit")),
        Contents(Named<QAction>(form, "Contents")),
        AboutBrindlewharf1(Named<QAction>(form, "AboutBrindlewharf1")),
        Coach(Named<QAction>(form, "Coach")) {}

  QLabel *BetLabl, *MainLabl, *DlrLabl, *PlrLabl, *DlrNameLabl, *PlrNameLabl, *CaptionBar, *LastBetLabl,
      *BankLabl, *Label5;
  QLineEdit* BetEdit;
  QPushButton *Bet, *Draw;
  QWidget *MoneyPanl, *MoneyBreakPanl;
  QAction *NewGame, *ViewStats, *Deck, *Exit, *Contents, *AboutBrindlewharf1, *Coach;
};
