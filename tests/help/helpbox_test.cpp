// The help window: every opening resets it, topics and hand ranks replace each other, each
// paragraph has its colour, and every example hand is the rank it illustrates.
#include "help/helpbox.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "decks/catalogue.h"
#include "decks/imagebox.h"
#include "game/handrank.h"
#include "tests/support/widgets.h"
#include "ui_helpbox.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);

QColor Ink(const QWidget* label) { return label->palette().color(QPalette::WindowText); }

struct ColourRun {
  QColor colour;
  QString text;
};

// The document as runs of one colour. A line break takes the colour of the line it starts,
// so a paragraph appended on a new line begins with "\n".
std::vector<ColourRun> Runs(const QTextDocument* doc) {
  std::vector<ColourRun> runs;
  auto add = [&runs](const QColor& colour, const QString& text) {
    if (!runs.empty() && runs.back().colour == colour)
      runs.back().text += text;
    else
      runs.push_back({colour, text});
  };
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (block != doc->begin()) add(block.charFormat().foreground().color(), "\n");
    for (auto it = block.begin(); !it.atEnd(); ++it)
      add(it.fragment().charFormat().foreground().color(), it.fragment().text());
  }
  return runs;
}

class HelpWindowTest : public ::testing::Test {
 protected:
  ImageBox* Link(const QString& text) {
    for (ImageBox* box : help.findChildren<ImageBox*>())
      if (box->text() == text) return box;
    ADD_FAILURE() << "no link " << text.toStdString();
    return nullptr;
  }
  void Click(const QString& text) { QTest::mouseClick(Link(text), Qt::LeftButton); }

  // Closes the window with OK and opens it again: contents page, title panel, no link visited.
  void Reopen() {
    QTest::mouseClick(help.ui->OKBtn, Qt::LeftButton);
    ASSERT_FALSE(help.isVisible());
    help.show();
    EXPECT_EQ(help.ui->PageControl1->currentWidget(), help.ui->HelpContentsTab);
    EXPECT_TRUE(help.ui->HandPanl->isVisible());
    EXPECT_FALSE(help.ui->HandRankPanl->isVisible());
    EXPECT_TRUE(help.ui->ShowHelpRE->document()->isEmpty());
    for (ImageBox* label : help.topicLabels) EXPECT_EQ(Ink(label), kBlue) << label->text().toStdString();
    for (ImageBox* label : help.rankLabels) EXPECT_EQ(Ink(label), kBlue) << label->text().toStdString();
  }

  THelpBox help;
};

TEST_F(HelpWindowTest, PagesReplaceEachOtherAndEveryOpeningStartsAfresh) {
  help.show();
  const QLabel* fan[] = {help.ui->Image1, help.ui->Image2, help.ui->Image3, help.ui->Image4, help.ui->Image5};
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Shows(fan[i], 9 + i)) << "ten to ace of hearts, card " << i;

  Click("Betting");
  QTest::mouseClick(help.topicGlyphs[2], Qt::LeftButton);  // the glyph of "The Deal"
  EXPECT_EQ(Ink(Link("Betting")), kPurple);
  EXPECT_EQ(Ink(Link("The Deal")), kPurple);
  EXPECT_EQ(Ink(Link("Drawing Cards")), kBlue);
  const QString deal = help.ui->ShowHelpRE->toPlainText();
  EXPECT_TRUE(deal.startsWith("\nTHE DEAL:\n"));
  EXPECT_FALSE(deal.contains("BETTING"));
  EXPECT_FALSE(help.ui->HandPanl->isVisible());
  Reopen();  // after a topic

  // A hand rank covers the text box and empties it; switching tabs changes nothing on the right.
  Click("The Deal");
  help.ui->PageControl1->setCurrentWidget(help.ui->HandRankTab);
  Click("#9 - Pair");
  const QString pair = help.ui->HandRankRE->toPlainText();
  QTest::mouseClick(help.rankGlyphs[8], Qt::LeftButton);
  help.ui->PageControl1->setCurrentWidget(help.ui->HelpContentsTab);
  EXPECT_TRUE(help.ui->HandRankPanl->isVisible());
  EXPECT_TRUE(help.ui->ShowHelpRE->document()->isEmpty());
  EXPECT_EQ(help.ui->HandRankRE->toPlainText(), pair);
  EXPECT_EQ(Ink(Link("#9 - Pair")), kPurple);

  // A topic hides the hand-rank page again, and the same topic twice gives the same text.
  Click("The Deal");
  Click("The Deal");
  EXPECT_FALSE(help.ui->HandRankPanl->isVisible());
  EXPECT_EQ(help.ui->ShowHelpRE->toPlainText(), deal);
  help.ui->PageControl1->setCurrentWidget(help.ui->HandRankTab);
  Click("#1 - Royal Flush");
  Reopen();  // after a hand rank on the other tab

  QTest::mouseClick(help.ui->Label8, Qt::LeftButton);  // a credit line
  EXPECT_TRUE(help.ui->ShowHelpRE->toPlainText().startsWith("\nLICENSE AGREEMENT:\n"));
  EXPECT_EQ(Ink(Link("License Agreement")), kPurple);
  Reopen();
}

// One row per topic: the colours of its runs (R red, K black, B blue), the texts of its red runs in
// order (all of them fixed), and its other fixed texts, each a whole run. A run after the first
// starts on a new line, so its text begins with the line break.
struct Topic {
  const char* link;
  const char* inks;
  std::vector<QString> reds;
  std::vector<QString> fixed;
};

TEST_F(HelpWindowTest, EachTopicParagraphHasItsColour) {
  const Topic topics[] = {
      {"Game Overview", "RKBKRK", {"\nGAME OVERVIEW:\n", "\nNote:"}, {}},
      {"Betting",
       "RKBKBKRK",
       {"\nBETTING:\n", "\nNote:"},
       {"\n1)  By clicking on the cash denomination\n     for the dollar amount of your choice.\n",
        "\n2) By directly typing the dollar amount in\n     the 'New Bet' field.\n"}},
      {"The Deal", "RKBK", {"\nTHE DEAL:\n"}, {}},
      {"Drawing Cards", "RKBK", {"\nDRAWING CARDS:\n"}, {}},
      {"The Showdown", "RKBKRK", {"\nTHE SHOWDOWN:\n", "\n\nNote:"}, {}},
      {"Selecting a Deck",
       "RKBRK",
       {"\nSELECTING A DECK:\n", "\nNote:"},
       {"\nIf the Randomize option is selected, the selection of an individual Deck is disabled.\n"}},
      {"Game Statistics",
       "RKBRK",
       {"\nGAME STATISTICS:\n", "\nNote:"},
       {"\nTo view the current game statistics, select the 'Stats' option from the 'Game' menu.\n"}},
      {"Saving Game Statistics",
       "RKBRKBRK",
       {"\nSAVING GAME STATISTICS:\n", "\nVIEWING SAVED STATISTICS:\n", "\nNote:"},
       {}},
      {"The Coach",
       "RKBKRK",
       {"\nTHE COACH:\n", "\nNote:"},
       {"\nTo open or close the Coach, select 'Coach' from the 'Game' menu, or press Ctrl+K.\n"}},
      {"License Agreement", "RKRK", {"\nLICENSE AGREEMENT:\n", "\nDISCLAIMER OF WARRANTY:\n"}, {}},
      {"Contacting the Author",
       "RKBRBK",
       {"\nCONTACTING THE AUTHOR:\n", "\nSend e-mail to:\n"},
       {"\nThe Brindlewharf developers"}},
  };
  help.show();
  for (const Topic& t : topics) {
    SCOPED_TRACE(t.link);
    Click(t.link);
    QString inks;
    std::vector<QString> reds, texts;
    for (const ColourRun& run : Runs(help.ui->ShowHelpRE->document())) {
      inks += run.colour == kRed ? 'R' : run.colour == kBlue ? 'B' : run.colour == kBlack ? 'K' : '?';
      if (run.colour == kRed) reds.push_back(run.text);
      texts.push_back(run.text);
    }
    EXPECT_EQ(inks, t.inks);
    EXPECT_EQ(reds, t.reds);
    for (const QString& text : t.fixed)
      EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text.toStdString();
  }
}

struct RankPage {
  const char* link;
  const char* name;
  const char* caption;
  int cards[5];
  HandCategory category;
};

TEST_F(HelpWindowTest, EachHandRankShowsAnExampleOfThatRank) {
  const RankPage pages[] = {
      {"#1 - Royal Flush", "Royal Flush", "Royal Flush\n(Spades)", {52, 51, 50, 49, 48}, RoyalFlush},
      {"#2 - Straight Flush",
       "Straight Flush",
       " Eight High Straight Flush \n(Diamonds)",
       {20, 19, 18, 17, 16},
       StraightFlush},
      {"#3 - Four of a Kind", "Four of a Kind", "Four Sevens", {6, 19, 45, 32, 12}, FourOfAKind},
      {"#4 - Full House", "Full House", "Full House\n(Deuces over Fives)", {27, 1, 40, 17, 30}, FullHouse},
      {"#5 - Flush", "Flush", "King High Flush\n(Spades)", {51, 47, 43, 42, 40}, Flush},
      {"#6 - Straight", "Straight", "Jack High Straight", {10, 22, 34, 20, 45}, Straight},
      {"#7 - Three of a Kind", "Three of a Kind", "Three Nines", {21, 34, 8, 36, 6}, ThreeOfAKind},
      {"#8 - Two Pair", "Two Pair", "Two Pair\n(Jacks and Fours)", {49, 23, 3, 16, 19}, TwoPair},
      {"#9 - Pair", "Pair", "Pair of Queens\n(Nine Kicker)", {37, 11, 14, 3, 34}, Pair},
      {"#10 - High Card", "High Card", "Ace High\n(Jack Kicker)", {52, 23, 5, 15, 40}, HighCard},
  };
  help.show();
  help.ui->PageControl1->setCurrentWidget(help.ui->HandRankTab);
  for (const RankPage& p : pages) {
    SCOPED_TRACE(p.link);
    Click(p.link);
    EXPECT_EQ(help.ui->RankStringLabl->text(), p.name);
    EXPECT_EQ(help.ui->TableLabl->text(), p.caption);
    Hand hand{};
    for (int i = 0; i < 5; ++i) {
      EXPECT_TRUE(Shows(help.rankCards[i], p.cards[i])) << "card " << i;
      hand[i] = p.cards[i];
    }
    HandRank rank{};
    RankHistogram counts{};
    EvaluateHand(hand, rank, counts);
    EXPECT_EQ(rank[CategoryField], p.category);
    const std::vector<ColourRun> runs = Runs(help.ui->HandRankRE->document());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].colour, kBlue);
    EXPECT_GT(runs[0].text.size(), 40);
  }
}

}  // namespace
