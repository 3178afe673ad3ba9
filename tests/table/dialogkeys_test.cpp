// The keys every dialog shares: Enter presses the focused button as Space does, and F1 opens the
// help from any window but the help itself.
#include "table/dialogkeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "decks/decksdlg.h"
#include "help/about.h"
#include "help/helpbox.h"
#include "table/introdlg.h"
#include "table/tablestate.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/widgets.h"

namespace {

enum class Window { Welcome, About, Decks, Help };

struct DialogKeyCase {
  const char* rule;
  Window window;
  const char* focus;  // the object given the focus first
  Qt::Key key;
  bool closes;    // the key closed the dialog through its button
  int terminate;  // times the program was asked to end
  int helps;      // times the help was asked for
};

std::unique_ptr<QDialog> Open(Window w) {
  switch (w) {
    case Window::Welcome:
      return std::make_unique<TIntroDlg>();
    case Window::About:
      return std::make_unique<TAbout>();
    case Window::Decks:
      return std::make_unique<TDecks>();
    case Window::Help:
      break;
  }
  return std::make_unique<THelpBox>();
}

TEST(DialogKeys, EnterPressesTheFocusedButtonAndF1OpensTheHelp) {
  const DialogKeyCase cases[] = {
      {"enter_on_quit_quits_the_welcome", Window::Welcome, "Quit", Qt::Key_Return, true, 1, 0},
      {"enter_on_deal_em_up_deals", Window::Welcome, "OK", Qt::Key_Enter, true, 0, 0},
      {"enter_on_the_abouts_ok_closes_it", Window::About, "OKBtn", Qt::Key_Return, true, 0, 0},
      {"enter_on_cancel_cancels_the_backs", Window::Decks, "CancelBtn", Qt::Key_Return, true, 0, 0},
      {"f1_in_the_welcome_opens_the_help", Window::Welcome, "PlrNameEdit", Qt::Key_F1, false, 0, 1},
      {"f1_in_the_card_backs_opens_the_help", Window::Decks, "OKBtn", Qt::Key_F1, false, 0, 1},
      {"f1_in_the_help_opens_no_second_help", Window::Help, "", Qt::Key_F1, false, 0, 0},
  };
  QObject owner;
  int helps = 0;
  InstallDialogKeys(&owner, [&] { ++helps; });
  for (const DialogKeyCase& c : cases) {
    SCOPED_TRACE(c.rule);
    ResetTableState();
    helps = 0;
    FakePlatform platform;
    std::unique_ptr<QDialog> dialog = Open(c.window);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    if (c.window == Window::Welcome) Named<QLineEdit>(dialog.get(), "BoxBetEdit")->setText("50");
    QWidget* focus = *c.focus ? Named<QWidget>(dialog.get(), c.focus) : dialog.get();
    focus->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get(), c.key);
    EXPECT_EQ(!dialog->isVisible(), c.closes);
    EXPECT_EQ(platform.TerminateCount(), c.terminate);
    EXPECT_EQ(helps, c.helps);
  }
}

}  // namespace
