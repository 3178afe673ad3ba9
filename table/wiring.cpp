#include "table/wiring.h"

#include <QAction>

#include "coach/coachbox.h"
#include "game/drawrule.h"
#include "history/historybox.h"
#include "history/recorder.h"
#include "platform/settings.h"
#include "sound/soundboard.h"
#include "stats/gamestats.h"
#include "table/handevents.h"
#include "table/mainform.h"
#include "table/voice.h"

void WireTable(TMainForm* table, TCoachBox* coach, THistoryBox* history, SoundOutput* sound) {
  HandEvents* events = table->Events;

  // The statistics count every settled hand and the draws that led to it; a hand abandoned by
  // New Game takes its draws back before the new game's question.
  QObject::connect(events, &HandEvents::DrawMade, table,
                   [](const SlotFlags& discards) { RecordPlayerDraw(DiscardCount(discards)); });
  QObject::connect(events, &HandEvents::DealerDrew, table, [](std::int32_t n) { RecordDealerDraw(n); });
  QObject::connect(events, &HandEvents::ShowdownSettled, table,
                   [](const ShowdownRecord& r) { RecordHandResult(r.outcome, r.bank, r.bet); });
  QObject::connect(events, &HandEvents::NewGameStarted, table, [](std::int32_t bank, bool keep) {
    ForgetPendingDraws();
    StartNewGameStats(bank, keep);
  });

  auto* voice = new TableVoice(table);
  voice->setObjectName("TableVoice");
  QObject::connect(events, &HandEvents::GameStarted, voice, &TableVoice::GameStarted);
  QObject::connect(events, &HandEvents::HandDealt, voice, &TableVoice::HandDealt);
  QObject::connect(events, &HandEvents::CardTurned, voice, &TableVoice::CardTurned);
  QObject::connect(events, &HandEvents::DrawMade, voice, &TableVoice::DrawMade);
  QObject::connect(events, &HandEvents::DealerDrew, voice, &TableVoice::DealerDrew);
  QObject::connect(events, &HandEvents::ShowdownSettled, voice, &TableVoice::ShowdownSettled);
  QObject::connect(events, &HandEvents::BankShown, voice, &TableVoice::BankShown);
  QObject::connect(events, &HandEvents::BillAdded, voice, &TableVoice::BillAdded);
  QObject::connect(events, &HandEvents::NewGameStarted, voice, &TableVoice::NewGameStarted);

  WireSound(table, sound);
  QObject::connect(table->SoundItem(), &QAction::toggled, voice, &TableVoice::SoundSwitched);
  if (coach) {
    WireCoach(table, coach);
    QObject::connect(coach, &TCoachBox::Verdict, voice, &TableVoice::Say);
    QObject::connect(coach, &TCoachBox::Said, voice, &TableVoice::Say);
  }
  if (history) WireHistory(table, history);
  if (coach && history)
    QObject::connect(coach, &TCoachBox::DrawJudged, history->Recorder(), &HandRecorder::CoachVerdict);
}

void WireCoach(TMainForm* table, TCoachBox* coach) {
  HandEvents* events = table->Events;
  QObject::connect(
      events, &HandEvents::HandDealt, coach,
      [coach](const Hand& player, const HandRank&, std::int32_t bet) { coach->DiscardBegins(player, bet); });
  QObject::connect(events, &HandEvents::CardTurned, coach,
                   [coach](int, CardCode, bool, const SlotFlags& discards) { coach->CardsTurned(discards); });
  QObject::connect(events, &HandEvents::DrawMade, coach,
                   [coach](const SlotFlags& discards) { coach->DrawMade(discards); });
  QObject::connect(events, &HandEvents::ShowdownSettled, coach,
                   [coach](const ShowdownRecord& r) { coach->HandSettled(r.outcome); });
  QObject::connect(events, &HandEvents::NewGameStarted, coach, [coach] { coach->NewGame(); });
  QObject::connect(table, &TMainForm::HintAsked, coach, &TCoachBox::Hint);
  QObject::connect(coach, &TCoachBox::HintGiven, table, &TMainForm::TurnCardsTo);
  QObject::connect(table->CoachItem(), &QAction::triggered, coach, &TCoachBox::Toggle);
  QObject::connect(coach, &TCoachBox::OpenChanged, table->CoachItem(), &QAction::setChecked);
}

void WireHistory(TMainForm* table, THistoryBox* history) {
  HandEvents* events = table->Events;
  HandRecorder* recorder = history->Recorder();
  QObject::connect(events, &HandEvents::GameStarted, recorder, &HandRecorder::GameStarted);
  QObject::connect(events, &HandEvents::HandDealt, recorder, &HandRecorder::HandDealt);
  QObject::connect(events, &HandEvents::DrawMade, recorder, &HandRecorder::DrawMade);
  QObject::connect(events, &HandEvents::ShowdownSettled, recorder, &HandRecorder::ShowdownSettled);
  QObject::connect(events, &HandEvents::NewGameStarted, recorder, &HandRecorder::NewGameStarted);
  QObject::connect(events, &HandEvents::WentBankrupt, recorder, &HandRecorder::WentBankrupt);
  QObject::connect(table->HistoryItem(), &QAction::triggered, history, &THistoryBox::Toggle);
  QObject::connect(history, &THistoryBox::OpenChanged, table->HistoryItem(), &QAction::setChecked);
}

void WireSound(TMainForm* table, SoundOutput* sound) {
  HandEvents* events = table->Events;
  auto* board = new SoundBoard(sound, table);
  board->setObjectName("SoundBoard");
  QAction* item = table->SoundItem();
  item->setChecked(RememberedSoundOn(DesktopHasSoundServer()));
  board->SetOn(item->isChecked());
  QObject::connect(item, &QAction::toggled, board, &SoundBoard::SetOn);
  QObject::connect(item, &QAction::toggled, board, [](bool on) { RememberSoundOn(on); });
  QObject::connect(events, &HandEvents::GameStarted, board, &SoundBoard::GameStarted);
  QObject::connect(events, &HandEvents::HandDealt, board, &SoundBoard::HandDealt);
  QObject::connect(events, &HandEvents::CardTurned, board, &SoundBoard::CardTurned);
  QObject::connect(events, &HandEvents::DrawMade, board, &SoundBoard::DrawMade);
  QObject::connect(events, &HandEvents::DealerDrew, board, &SoundBoard::DealerDrew);
  QObject::connect(events, &HandEvents::ShowdownSettled, board, &SoundBoard::ShowdownSettled);
  QObject::connect(events, &HandEvents::BillAdded, board, &SoundBoard::BillAdded);
  QObject::connect(events, &HandEvents::WentBankrupt, board, &SoundBoard::WentBankrupt);
}
