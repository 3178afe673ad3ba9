// Opens the coach's window on one dealt hand, for screenshots:
//   show_coach [CARD CARD CARD CARD CARD [SLOTS [draw]]]
// SLOTS are the cards turned face down, 0-based and comma-separated ("-" for none), turned as
// soon as the odds are ready; without them the player has done nothing yet. With "draw" the draw
// is made then too. Bet 10 dollars.
// e.g. xvfb-run -s '-screen 0 1024x768x24' build/tools/show_coach 13 22 7 30 40 1,2 draw
#include <QApplication>
#include <QString>
#include <cstdlib>
#include <cstring>

#include "coach/coachbox.h"
#include "coach/coachworker.h"
#include "platform/language.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallTranslators();
  Hand hand{13, 22, 7, 30, 40};
  if (argc > 5)
    for (int i = 0; i < 5; ++i) hand[i] = std::atoi(argv[i + 1]);
  SlotFlags turned{};
  const bool turns = argc > 6;
  if (turns)
    for (const QString& slot : QString::fromLatin1(argv[6]).split(',', Qt::SkipEmptyParts))
      if (slot != "-") turned[slot.toInt()] = 1;
  const bool draw = argc > 7 && std::strcmp(argv[7], "draw") == 0;

  TCoachBox coach;
  QObject::connect(coach.findChild<CoachWorker*>("Worker"), &CoachWorker::Ranked, &coach, [&] {
    if (turns) coach.CardsTurned(turned);
    if (draw) coach.DrawMade(turned);
  });
  coach.show();
  coach.DiscardBegins(hand, 10);
  return app.exec();
}
