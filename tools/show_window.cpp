// Opens one of the game's dialogs on its own, for screenshots such as those in docs/:
//   show_window decks [back]          the deck dialog with that back in use (60..69)
//   show_window help [topic|rank N]   the help window, on topic or hand rank N (0..9)
// e.g. xvfb-run -s '-screen 0 1024x768x24' build/tools/show_window help rank 3, then
// import -window root shot.png while it runs.
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>

#include "decks/deckchoice.h"
#include "decks/decksdlg.h"
#include "help/helpbox.h"
#include "ui_helpbox.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const char* which = argc > 1 ? argv[1] : "help";
  if (std::strcmp(which, "decks") == 0) {
    if (argc > 2) DeckBackId = std::atoi(argv[2]);
    TDecks decks;
    return decks.exec();
  }
  THelpBox help;
  if (argc > 3) {
    const int n = std::atoi(argv[3]);
    const bool rank = std::strcmp(argv[2], "rank") == 0;
    // After the first activation, which resets the window.
    QTimer::singleShot(500, &help, [&help, n, rank] {
      if (rank) {
        help.ui->PageControl1->setCurrentIndex(1);
        help.HandRankClick(n);
      } else {
        help.TopicClick(n);
      }
    });
  }
  return help.exec();
}
