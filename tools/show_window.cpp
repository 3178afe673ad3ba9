// Opens one of the game's dialogs on its own, for screenshots such as those in docs/:
//   show_window decks [back]          the deck dialog with that back in use (60..69)
//   show_window help [topic|rank N]   the help window, on topic N (0..10) or hand rank N (0..9)
//   show_window stats [FILE.bwf]      the statistics window, on a saved file if one is named
//   show_window broke                 the bankruptcy dialog
//   show_window about                 the about window
// e.g. xvfb-run -s '-screen 0 1024x768x24' build/tools/show_window help rank 3, then
// import -window root shot.png while it runs.
#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <cstdlib>
#include <cstring>

#include "decks/deckchoice.h"
#include "decks/decksdlg.h"
#include "help/about.h"
#include "help/helpbox.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "stats/statbox.h"
#include "table/exitdlg.h"

namespace {

// Answers the open dialog with the file named on the command line.
class NamedFile : public QtPlatform {
 public:
  explicit NamedFile(QString path) : path_(std::move(path)) {}
  QString OpenFileName(const QString&, const QString&, const QString&) override { return path_; }

 private:
  QString path_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallTranslators();
  const char* which = argc > 1 ? argv[1] : "help";
  if (std::strcmp(which, "decks") == 0) {
    if (argc > 2) DeckBackId = std::atoi(argv[2]);
    TDecks decks;
    return decks.exec();
  }
  if (std::strcmp(which, "stats") == 0) {
    TStatBox stats;
    NamedFile file(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    InstallPlatform(&file);
    if (argc > 2) QTimer::singleShot(500, &stats, [&stats] { stats.OpenSpBtnClick(); });
    return stats.exec();
  }
  if (std::strcmp(which, "about") == 0) {
    TAbout about;
    return about.exec();
  }
  if (std::strcmp(which, "broke") == 0) {
    TExitDlg broke;
    return broke.exec();
  }
  THelpBox help;
  if (argc > 3) {
    const int n = std::atoi(argv[3]);
    const bool rank = std::strcmp(argv[2], "rank") == 0;
    // After the first activation, which resets the window.
    QTimer::singleShot(500, &help, [&help, n, rank] {
      if (rank) {
        help.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
        help.HandRankClick(n);
      } else {
        help.TopicClick(n);
      }
    });
  }
  return help.exec();
}
