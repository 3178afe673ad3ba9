// Any bytes opened as a statistics file in the statistics window itself, offscreen: the reading,
// the refusals, and for an accepted file every label, card corner and accessible name filled from
// it, painted. Nothing may crash or hang, and every text the file brings must be shown as text.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"
#include "stats/gamestats.h"
#include "stats/statbox.h"

namespace {

// A player who names the file to open and clicks OK on every message.
class Player : public QtPlatform {
 public:
  MessageAnswer ShowMessage(const QString&, const QString&, int) override { return MessageAnswer::Ok; }
  QString OpenFileName(const QString&, const QString&, const QString&) override { return path; }
  QString path;
};

struct Window {
  Window() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "statbox_fuzz";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    InstallPlatform(&player);
    player.path = folder.filePath("opened.bwf");
    ResetGameStats();
    PlayerName = "Player";
    box = new TStatBox;
    box->show();
  }
  QApplication* app;
  QTemporaryDir folder;
  Player player;
  TStatBox* box;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Window* window = new Window;
  {
    QFile file(window->player.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  window->box->OpenSpBtnClick();
  for (const QLabel* label : window->box->findChildren<QLabel*>()) {
    if (label->textFormat() != Qt::PlainText && !label->text().isEmpty()) {
      std::fprintf(stderr, "%s may show its text as markup\n", qPrintable(label->objectName()));
      std::abort();
    }
  }
  if (window->box->windowTitle() != QLatin1String("Current Game Statistics")) window->box->grab();  // opened
  window->box->UpdateClick();  // the next file is opened from the current view, as a player would
  return 0;
}
