// Every window in a made-up language whose every text comes back from the translator as
// "[[text~~~]]", a third longer: a text shown without the brackets escaped the translation, and a
// label that cannot show its longer text whole would clip a real translation too.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QThread>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "coach/coachbox.h"
#include "coach/coachworker.h"
#include "decks/decksdlg.h"
#include "help/about.h"
#include "help/helpbox.h"
#include "help/helptopics.h"
#include "history/archive.h"
#include "history/historybox.h"
#include "history/recorder.h"
#include "platform/language.h"
#include "stats/statbox.h"
#include "table/exitdlg.h"
#include "table/handevents.h"
#include "table/introdlg.h"
#include "table/mainform.h"
#include "table/tablestate.h"
#include "table/voice.h"
#include "table/wiring.h"
#include "tests/support/cardnames.h"
#include "tests/table/tablefixture.h"

namespace {

using namespace cardnames;

class Pseudo : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (!source || !*source) return {};
    const QString text = QString::fromUtf8(source);
    asked.insert({QString::fromUtf8(context), text});
    return QStringLiteral("[[") + text + QString(text.size() / 3, QLatin1Char('~')) + QStringLiteral("]]");
  }

  // Every text the game asked for, by context: each must be in the translation files, or the
  // translation tools never saw it where it stands.
  mutable std::set<std::pair<QString, QString>> asked;
};

// The texts of a translation file, by context.
std::set<std::pair<QString, QString>> TextsOfTranslationFile(const QString& path) {
  std::set<std::pair<QString, QString>> texts;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString context;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"source") texts.insert({context, xml.readElementText()});
  }
  return texts;
}

// What may show without the translator: the player's name, and what needs no words (digits,
// amounts, card signs, punctuation, and the clock's AM and PM, which the statistics file's stamp
// writes so in every language); rich text is judged by what it shows, not by its markup.
bool CameThroughTranslator(QString text) {
  if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
  if (!PlayerName.isEmpty()) text.remove(PlayerName);
  text.remove(QRegularExpression(QStringLiteral(R"(\d [AP]M\b)")));
  static const QRegularExpression innermost(QStringLiteral(R"(\[\[(?!\[)(?:(?!\[\[|\]\]).)*\]\])"),
                                            QRegularExpression::DotMatchesEverythingOption);
  for (qsizetype before = -1; before != text.size();) {
    before = text.size();
    text.remove(innermost);
  }
  static const QRegularExpression wordless(QStringLiteral(u"^[\\s\\d$%.,:;/#()+\\-\\[\\]♥♦♣♠JQKA]*$"));
  return wordless.match(text).hasMatch();
}

// Every text of the window a player can see or hear, each with where it was found.
std::vector<std::pair<QString, QString>> TextsOf(QWidget* window) {
  std::vector<std::pair<QString, QString>> texts;
  const auto add = [&](const QObject* where, const char* what, const QString& text) {
    if (!text.trimmed().isEmpty()) texts.emplace_back(where->objectName() + QLatin1Char('.') + what, text);
  };
  add(window, "windowTitle", window->windowTitle());
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(window) && w != window) continue;
    add(w, "toolTip", w->toolTip());
    if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
      add(w, "accessibleName", a->text(QAccessible::Name));
      add(w, "accessibleDescription", a->text(QAccessible::Description));
    }
    if (auto* label = qobject_cast<QLabel*>(w)) add(w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, "text", button->text());
    if (auto* edit = qobject_cast<QTextEdit*>(w)) add(w, "text", edit->toPlainText());
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) add(w, "tab", tabs->tabText(i));
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
      const QAbstractItemModel* model = view->model();
      for (int c = 0; c < model->columnCount(); ++c) {
        add(w, "header", model->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < model->rowCount(); ++r)
          for (int role : {int(Qt::DisplayRole), int(Qt::AccessibleTextRole), int(Qt::ToolTipRole)})
            add(w, "cell", model->index(r, c).data(role).toString());
      }
    }
  }
  for (QAction* action : window->findChildren<QAction*>()) {
    if (action->isSeparator()) continue;
    add(action, "text", action->text());
    add(action, "toolTip", action->toolTip());
  }
  return texts;
}

class PseudoTest : public TableFixture {
 protected:
  void SetUp() override {
    QCoreApplication::installTranslator(&pseudo);
    TableFixture::SetUp();
    PlayerName = QStringLiteral("Ann");
  }
  void TearDown() override {
    TableFixture::TearDown();
    QCoreApplication::removeTranslator(&pseudo);
  }

  // Every text of the window, and every message box shown since the last look, came through the
  // translator, and every label shows its whole text, after the window has been painted as the
  // screen would paint it.
  void Look(QWidget* window) {
    window->grab();
    for (const auto& [where, text] : TextsOf(window))
      EXPECT_TRUE(CameThroughTranslator(text)) << where.toStdString() << ": " << text.toStdString();
    for (const ShownMessage& m : platform->Shown()) {
      EXPECT_TRUE(CameThroughTranslator(m.text)) << "message box: " << m.text.toStdString();
      EXPECT_TRUE(CameThroughTranslator(m.caption)) << "message box caption: " << m.caption.toStdString();
    }
    platform->ForgetShown();
    EXPECT_EQ(ClippedLabels(window), std::vector<std::string>{});
  }

  Pseudo pseudo;
};

TEST_F(PseudoTest, EveryTextTranslatedAndWhole) {
  StatBox = new TStatBox(form);
  HelpBox = new THelpBox(form);
  auto* history = new THistoryBox(form);
  WireHistory(form, history);
  QTemporaryDir folder;
  history->KeepHandsIn(folder.filePath("history.sqlite"));
  int kept = 0, written = 0;
  QObject::connect(history->Recorder(), &HandRecorder::HandKept, history, [&] { ++kept; });
  QObject::connect(history->Archive()->Writer(), &ArchiveWriter::HandWritten, history, [&] { ++written; });
  // The history's pages over the database, once every hand kept so far is written.
  const auto page = [&](THistoryBox::Tab tab) {
    return [&, tab] {
      QElapsedTimer waited;
      waited.start();
      while (written < kept && waited.elapsed() < 20'000) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
      }
      history->show();
      Named<QTabWidget>(history, "HistoryTabs")->setCurrentIndex(tab);
      return history;
    };
  };
  const auto help = [&](const char* tab, const std::function<void()>& page) {
    return [&, tab, page] {
      HelpBox->show();
      Named<QTabWidget>(HelpBox, "PageControl1")->setCurrentWidget(Named(HelpBox, tab));
      page();
      return HelpBox;
    };
  };
  struct Row {
    std::string window;
    std::function<QWidget*()> open;
  };
  std::vector<Row> rows = {
      {"table, welcome",
       [&] {
         OpenTable();
         form->show();
         return form;
       }},
      {"table, a bet refused",
       [&] {
         platform->Expect({}, {}, StopOk).Expect({}, {}, StopOk);  // as typed, and at the Deal
         ui->BetEdit->setText("99999");
         form->BetClick();
         return form;
       }},
      {"table, discarding",
       [&] {
         RigNextDeal({C(Queen, S), C(Queen, H), C(Nine, D), C(Four, Cl), C(Two, S)},
                     {C(Ace, H), C(Ace, D), C(Ace, Cl), C(King, S), C(King, D)});
         ui->BetEdit->setText("50");
         form->BetClick();
         RunDeal();
         return form;
       }},
      {"table, an illegal draw",
       [&] {
         platform->Expect({}, {}, StopOk);
         for (int slot = 0; slot < 5; ++slot) emit form->PlrCard[slot]->clicked();
         form->DrawClick();
         for (int slot = 0; slot < 5; ++slot) emit form->PlrCard[slot]->clicked();
         return form;
       }},
      {"table, the Dealer has drawn",
       [&] {
         form->DrawClick();
         form->DlrDrawTimer();
         return form;
       }},
      {"table, after the showdown",
       [&] {
         form->DlrReplATimerTimer();
         form->pickAwinnerTimer();
         return form;
       }},
      {"table, read again after the showdown (Ctrl+R)",
       [&] {
         form->setAccessibleDescription(form->findChild<TableVoice*>("TableVoice")->TableWords());
         return form;
       }},
      {"table, a new game",
       [&] {
         platform->Expect({}, {}, QuestionYesNoCancel, MessageAnswer::Yes);
         form->NewGameClick();
         return form;
       }},
      {"welcome dialog",
       [&] {
         auto* d = new TIntroDlg(form);
         d->show();
         return d;
       }},
      {"welcome dialog, a name refused",
       [&] {
         auto* d = form->findChild<TIntroDlg*>();
         platform->Expect({}, {}, StopOk);
         Named<QLineEdit>(d, "PlrNameEdit")->setText("Bartholomew");
         d->OKClick();
         return d;
       }},
      {"statistics window",
       [&] {
         StatBox->show();
         return StatBox;
       }},
      {"bankruptcy dialog",
       [&] {
         auto* d = new TExitDlg(form);
         d->show();
         return d;
       }},
      {"deck dialog",
       [&] {
         auto* d = new TDecks(form);
         d->show();
         return d;
       }},
      {"about window, version",
       [&] {
         auto* d = new TAbout(form);
         d->show();
         return d;
       }},
      {"about window, licence",
       [&] {
         auto* d = form->findChild<TAbout*>();
         Named<QTabWidget>(d, "PageControl1")->setCurrentWidget(Named(d, "LicenseTab"));
         return d;
       }},
      {"help window, contents", help("HelpContentsTab", [] {})},
      {"help window, hand rankings", help("HandRankTab", [] {})},
      {"history window",
       [&] {
         history->show();
         return history;
       }},
      {"history window, two games of a hand the coach found below the best",
       [&] {
         HandRecorder* r = history->Recorder();
         const Hand dealt{C(King, H), C(King, D), C(Seven, Cl), C(Four, S), C(Two, H)};
         for (int game = 0; game < 2; ++game) {
           emit form->Events->GameStarted(Bank, PlayerName);
           r->HandDealt(dealt, {}, 10, Bank - 10);
           r->CoachVerdict(3, 1.25, {0, 0, 1, 1, 1});
           r->DrawMade({0, 1, 1, 1, 1}, dealt, dealt, {});
           r->ShowdownSettled(
               {.player = dealt, .dealer = dealt, .outcome = Push, .bet = 10, .pot = 20, .bank = Bank});
         }
         return page(THistoryBox::HandsTab)();
       }},
      {"history window, every game", page(THistoryBox::GamesTab)},
      {"history window, lifetime figures", page(THistoryBox::LifetimeTab)},
      {"history window, leaks", page(THistoryBox::LeaksTab)},
      {"history window, an earlier game",
       [&] {
         page(THistoryBox::GamesTab)();
         auto* games = Named<QTableView>(history, "GamesView");
         games->setCurrentIndex(games->model()->index(games->model()->rowCount() - 1, 0));
         Named<QPushButton>(history, "ShowHandsBtn")->click();
         return history;
       }},
      {"coach, after a worse draw",
       [&] {
         auto* coach = new TCoachBox(form);
         coach->show();
         QSignalSpy ranked(Named<CoachWorker>(coach, "Worker"), &CoachWorker::Ranked);
         coach->DiscardBegins({C(Ace, H), C(Ten, D), C(Eight, H), C(Five, Cl), C(Two, S)}, 10);
         EXPECT_TRUE(ranked.wait(20'000));
         coach->DrawMade({0, 1, 1, 0, 0});
         return coach;
       }},
  };
  for (int topic = 0; topic < static_cast<int>(HelpTopics.size()); ++topic)
    rows.push_back({"help topic " + std::to_string(topic),
                    help("HelpContentsTab", [&, topic] { HelpBox->TopicClick(topic); })});
  for (int rank = 0; rank < static_cast<int>(HandRankPages.size()); ++rank)
    rows.push_back({"hand-rank page " + std::to_string(rank),
                    help("HandRankTab", [&, rank] { HelpBox->HandRankClick(rank); })});

  for (const Row& row : rows) {
    SCOPED_TRACE(row.window);
    QWidget* window = row.open();
    Look(window);
    if (window != form && window != HelpBox) window->hide();
  }
  StatBox = nullptr;
  HelpBox = nullptr;

  const auto known =
      TextsOfTranslationFile(BRINDLEWHARF_SOURCE_DIR "/resources/translations/brindlewharf_de.ts");
  ASSERT_FALSE(known.empty());
  for (const auto& [context, text] : pseudo.asked) {
    // The toolkit's own texts come with the toolkit's translations.
    if (context.startsWith('Q')) continue;
    EXPECT_TRUE(known.count({context, text})) << context.toStdString() << ": " << text.toStdString();
  }
}

// The letter Alt takes to a control, lower case; none for a text without one ("&&" is an "&").
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}

// The mnemonics that clash in one place a player presses Alt: each menu, and each window's
// visible buttons, captioned boxes, tabs and menu titles.
std::vector<std::string> Clashes(QWidget* window) {
  std::vector<std::string> clashes;
  const auto check = [&](const QString& where, const QStringList& texts) {
    std::map<QChar, QString> taken;
    for (const QString& text : texts) {
      const QChar letter = Mnemonic(text);
      if (letter.isNull()) continue;
      if (taken.count(letter))
        clashes.push_back((where + ": " + taken[letter] + " / " + text).toStdString());
      else
        taken[letter] = text;
    }
  };
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text();
    check(menu->title(), items);
  }
  QStringList controls;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) controls << button->text();
    if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) controls << label->text();
    if (auto* box = qobject_cast<QGroupBox*>(w)) controls << box->title();
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) controls << tabs->tabText(i);
    if (auto* bar = qobject_cast<QMenuBar*>(w))
      for (QAction* action : bar->actions()) controls << action->text();
  }
  check(window->objectName(), controls);
  return clashes;
}

TEST_F(TableFixture, NoTwoItemsShareAMnemonicInAnyLanguage) {
  for (const char* language : {"C", "de_DE", "fr_FR", "es_ES"}) {
    SCOPED_TRACE(language);
    InstallTranslators(QLocale(QString::fromLatin1(language)));
    TMainForm table;
    table.show();
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new TIntroDlg);
    windows.emplace_back(new TStatBox);
    windows.emplace_back(new TExitDlg);
    windows.emplace_back(new TDecks);
    windows.emplace_back(new TAbout);
    windows.emplace_back(new THelpBox);
    windows.emplace_back(new THistoryBox);
    windows.emplace_back(new TCoachBox);
    EXPECT_EQ(Clashes(&table), std::vector<std::string>{});
    for (const auto& w : windows) {
      w->show();
      EXPECT_EQ(Clashes(w.get()), std::vector<std::string>{});
      w->hide();
    }
  }
  InstallTranslators(QLocale::c());
}

}  // namespace
