#include "table/remembered.h"

#include "coach/coachbox.h"
#include "decks/deckchoice.h"
#include "history/historybox.h"
#include "platform/settings.h"
#include "table/handevents.h"
#include "table/mainform.h"
#include "table/tablestate.h"

void RestoreDeckChoice() {
  DeckBackId = RememberedBack(kFirstBackId, IsBackId);
  WelcomeDeckIndex = DeckBackId - kFirstBackId;
}

void ReopenWhenTheGameStarts(TMainForm* table, TCoachBox* coach, THistoryBox* history) {
  const bool coachOpen = RememberedOpen(GameWindow::Coach), historyOpen = RememberedOpen(GameWindow::History);
  if (!coachOpen && !historyOpen) return;
  QObject::connect(
      table->Events, &HandEvents::GameStarted, table,
      [=] {
        if (coachOpen) coach->show();
        if (historyOpen) history->show();
        // The first hand is the table's: the bet box keeps the keyboard.
        table->activateWindow();
      },
      Qt::SingleShotConnection);
}
