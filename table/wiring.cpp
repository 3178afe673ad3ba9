#include "table/wiring.h"

#include <QAction>

#include "coach/coachbox.h"
#include "game/drawrule.h"
#include "stats/gamestats.h"
#include "table/handevents.h"
#include "table/mainform.h"

void WireTable(TMainForm* table, TCoachBox* coach) {
  HandEvents* events = table->Events;

  // The statistics count every settled hand and the draws that led to it; a hand abandoned by
  // New Game takes its draws back before the new game's question.
  QObject::connect(events, &HandEvents::DrawMade, table,
                   [](const SlotFlags& discards) { RecordPlayerDraw(DiscardCount(discards)); });
  QObject::connect(events, &HandEvents::DealerDrew, table, [](std::int32_t n) { RecordDealerDraw(n); });
  QObject::connect(events, &HandEvents::ShowdownSettled, table,
                   [](const ShowdownRecord& r) { RecordHandResult(r.outcome, r.bank, r.bet); });
  QObject::connect(events, &HandEvents::NewGameStarted, table, [](std::int32_t bank) {
    ForgetPendingDraws();
    StartNewGameStats(bank);
  });

  if (coach) WireCoach(table, coach);
}

void WireCoach(TMainForm* table, TCoachBox* coach) {
  HandEvents* events = table->Events;
  QObject::connect(
      events, &HandEvents::HandDealt, coach,
      [coach](const Hand& player, const Hand&, std::int32_t bet) { coach->DiscardBegins(player, bet); });
  QObject::connect(events, &HandEvents::CardTurned, coach,
                   [coach](int, bool, const SlotFlags& discards) { coach->CardsTurned(discards); });
  QObject::connect(events, &HandEvents::DrawMade, coach,
                   [coach](const SlotFlags& discards) { coach->DrawMade(discards); });
  QObject::connect(events, &HandEvents::NewGameStarted, coach, [coach] { coach->NewGame(); });
  QObject::connect(table->CoachItem(), &QAction::triggered, coach, &TCoachBox::Toggle);
  QObject::connect(coach, &TCoachBox::OpenChanged, table->CoachItem(), &QAction::setChecked);
}
