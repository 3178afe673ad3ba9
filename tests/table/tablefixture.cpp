#include "tests/table/tablefixture.h"

#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "decks/catalogue.h"
#include "game/handrank.h"
#include "game/random.h"
#include "stats/gamestats.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/wiring.h"

void TableFixture::SetUp() {
  ResetCardData();
  ResetRankData();
  ResetTableState();
  ResetGameStats();
  platform = std::make_unique<FakePlatform>();
  form = new TMainForm;
  MainForm = form;
  form->SplashTime->stop();
  WireTable(form, nullptr);
  ui = std::make_unique<TableControls>(form);
}

void TableFixture::TearDown() {
  ui.reset();
  delete form;
  MainForm = nullptr;
  platform.reset();
}

void TableFixture::OpenTable() { form->WelcomeTable(); }

void TableFixture::RigNextDeal(const Hand& plr, const Hand& dlr, const std::vector<CardCode>& then) {
  std::vector<CardCode> wanted;
  for (int i = 0; i < 5; ++i) {
    wanted.push_back(plr[i]);
    wanted.push_back(dlr[i]);
  }
  wanted.insert(wanted.end(), then.begin(), then.end());
  for (CardCode c = 1; c <= 52; ++c)
    if (std::find(wanted.begin(), wanted.end(), c) == wanted.end()) wanted.push_back(c);
  ASSERT_EQ(wanted.size(), 52u) << "a card was named twice";
  // The shuffle at this second moves the card of cell p to cell i; find p for every i.
  DeckGrid moved, unused;
  FillDeckGrids(moved, unused);
  ShuffleDeck(moved);
  for (int i = 0; i < 52; ++i) {
    const int from = moved[i / 13][i % 13] - 1;
    DeckCards[from / 13][from % 13] = wanted[i];
  }
}

void TableFixture::RunDeal() {
  for (int tick = 0; tick < 10; ++tick) {
    ASSERT_TRUE(form->DealDelay->isActive()) << "tick " << tick;
    form->DealDelayTimer();
  }
  ASSERT_FALSE(form->DealDelay->isActive());
}

void TableFixture::DrawAndSettle() {
  form->DrawClick();
  ASSERT_TRUE(form->DlrDraw->isActive());
  form->DlrDrawTimer();
  ASSERT_TRUE(form->DlrReplATimer->isActive());
  form->DlrReplATimerTimer();
  ASSERT_TRUE(form->pickAwinner->isActive());
  form->pickAwinnerTimer();
}

void TableFixture::PlayHand(const QString& bet, const SlotFlags& discard) {
  ui->BetEdit->setText(bet);
  form->BetClick();
  RunDeal();
  for (int slot = 0; slot < 5; ++slot)
    if (discard[slot]) emit form->PlrCard[slot]->clicked();
  DrawAndSettle();
}

std::vector<std::string> TableFixture::RunningTimers() const {
  std::vector<std::string> names;
  for (QTimer* t : {form->SplashTime, form->DealDelay, form->DlrDraw, form->DlrReplATimer, form->pickAwinner,
                    form->kingOhearts})
    if (t->isActive()) names.push_back(t->objectName().toStdString());
  return names;
}
