// The program entry: builds the windows in their fixed order and runs the message loop.
#include <QApplication>
#include <QTimer>

#include "coach/coachbox.h"
#include "decks/catalogue.h"
#include "decks/decksdlg.h"
#include "help/about.h"
#include "help/helpbox.h"
#include "help/logobox.h"
#include "history/handstore.h"
#include "history/historybox.h"
#include "platform/accessible.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "sound/modulesound.h"
#include "stats/statbox.h"
#include "table/application.h"
#include "table/dialogkeys.h"
#include "table/exitdlg.h"
#include "table/introdlg.h"
#include "table/mainform.h"
#include "table/remembered.h"
#include "table/wiring.h"

int main(int argc, char** argv) {
  IgnoreRelativeXdgFolders();
  // The desktop's volume mixer lists the game's sounds by its name and icon rather than the
  // toolkit's "QtPulseAudio:<pid>"; set before any thread starts, and never over the player's own.
  if (!qEnvironmentVariableIsSet("PULSE_PROP_OVERRIDE")) {
    qputenv("PULSE_PROP_OVERRIDE",
            "application.name='Brindlewharf' application.icon_name='" BRINDLEWHARF_APP_ID "'");
  }
  TApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(BRINDLEWHARF_APP_ID);
  InstallTranslators();
  InstallAccessibleParts();
  return RunGuarded([&] {
    // The application's own title, where a desktop names the program. Not a display name:
    // Qt would append that to every window caption.
    QApplication::setApplicationName("Brindlewharf 1.0");

    // The choices of the last run, where the player's configuration lives; not under the
    // application's name, which is the title above.
    UseSettingsFile(DefaultSettingsFile());
    RestoreDeckChoice();

    // The table is heard through the sound module, loaded when the first game begins.
    ModuleSound sound;

    // The first window is the application's main window; closing it ends the program.
    MainForm = new TMainForm;
    KeepPlayersPlace(MainForm, GameWindow::Table);
    MainForm->show();
    IntroDlg = new TIntroDlg(MainForm);
    StatBox = new TStatBox(MainForm);
    ExitDlg = new TExitDlg(MainForm);
    LogoBox = new TLogoBox(MainForm);
    Decks = new TDecks(MainForm);
    About = new TAbout(MainForm);
    HelpBox = new THelpBox(MainForm);
    // Beyond the game's eight windows: the coach and the hand history, closed until the player
    // opens them.
    auto* coach = new TCoachBox(MainForm);
    auto* history = new THistoryBox(MainForm);
    WireTable(MainForm, coach, history, &sound);
    ReopenWhenTheGameStarts(MainForm, coach, history);
    // Every hand goes to the player's hand history, opened on a thread of its own a second after
    // the table is up: loading the database's driver beside the table's own start-up slows it, and
    // the splash's six seconds come first, so the file is open before the first game begins.
    QTimer::singleShot(1000, history, [history] { history->KeepHandsIn(DefaultHandsFile()); });
    InstallDialogKeys(MainForm, [] { MainForm->ContentsClick(); });

    // Every window takes the application's icon; it is drawn once the table is on screen.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(ProgramIcon()); });
    const int result = QApplication::exec();
    delete LogoBox;
    delete MainForm;
    return result;
  });
}
