// The help window: every opening resets it, topics and hand ranks replace each other, every
// topic shows its paragraphs in order and in their colours, and every example hand is the rank
// it illustrates.
#include "help/helpbox.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <string>
#include <utility>
#include <vector>

#include "game/handrank.h"
#include "help/helptopics.h"
#include "help/licence.h"
#include "platform/imagebox.h"
#include "platform/palette.h"
#include "tests/support/widgets.h"

namespace {

// In the order of HelpTopics and of HandRankPages.
const char* const kTopicLinks[] = {"OverviewLabl", "BetLabl",         "DealLabl",      "DrawLabl",
                                   "ShowdownLabl", "SelectaDeckLabl", "GameStatsLabl", "SaveStatsLabl",
                                   "CoachLabl",    "LicenseLabl",     "ContactLabl"};
const char* const kRankLinks[] = {"RoyalFlushLabl", "StraightFlushLabl", "FourOfAKindLabl",  "FullHouseLabl",
                                  "FlushLabl",      "StraightLabl",      "ThreeOfAKindLabl", "TwoPairLabl",
                                  "PairLabl",       "HighCardLabl"};

constexpr QColor kBlack(0, 0, 0);

QColor InkOf(const QWidget* label) { return label->palette().color(QPalette::WindowText); }

// Runs of one colour, as (colour, text).
using Runs = std::vector<std::pair<std::string, std::string>>;

void Add(Runs& runs, const QColor& colour, const QString& text) {
  if (!runs.empty() && runs.back().first == colour.name().toStdString())
    runs.back().second += text.toStdString();
  else
    runs.emplace_back(colour.name().toStdString(), text.toStdString());
}

// A line break takes the colour of the line it starts, so a paragraph appended on a new line
// begins with "\n".
Runs RunsOf(const QTextEdit* box) {
  Runs runs;
  const QTextDocument* doc = box->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (block != doc->begin()) Add(runs, block.charFormat().foreground().color(), "\n");
    for (auto it = block.begin(); !it.atEnd(); ++it)
      Add(runs, it.fragment().charFormat().foreground().color(), it.fragment().text());
  }
  return runs;
}

class HelpWindowTest : public ::testing::Test {
 protected:
  template <typename T = QWidget>
  T* Part(const QString& name) {
    return Named<T>(&help, name);
  }
  void Click(const char* name) { QTest::mouseClick(Part<ImageBox>(name), Qt::LeftButton); }
  QString Text(const char* box) { return Part<QTextEdit>(box)->toPlainText(); }
  void Tab(const char* page) { Part<QTabWidget>("PageControl1")->setCurrentWidget(Part(page)); }

  // Closes the window with OK and opens it again: contents page, title panel, no link visited.
  void Reopen() {
    QTest::mouseClick(Part<QPushButton>("OKBtn"), Qt::LeftButton);
    ASSERT_FALSE(help.isVisible());
    help.show();
    EXPECT_EQ(Part<QTabWidget>("PageControl1")->currentWidget(), Part("HelpContentsTab"));
    EXPECT_TRUE(Part("HandPanl")->isVisible());
    EXPECT_FALSE(Part("HandRankPanl")->isVisible());
    EXPECT_TRUE(Text("ShowHelpRE").isEmpty());
    for (const char* link : kTopicLinks) EXPECT_EQ(InkOf(Part(link)), kBlue) << link;
    for (const char* link : kRankLinks) EXPECT_EQ(InkOf(Part(link)), kBlue) << link;
  }

  THelpBox help;
};

TEST_F(HelpWindowTest, PagesReplaceEachOtherAndEveryOpeningStartsAfresh) {
  help.show();
  const char* fan[] = {"Image1", "Image2", "Image3", "Image4", "Image5"};
  for (int i = 0; i < 5; ++i)
    EXPECT_TRUE(Shows(Part<QLabel>(fan[i]), 9 + i)) << "ten to ace of hearts, card " << i;

  Click("BetLabl");
  Click("DealImage");  // the glyph of "The Deal"
  EXPECT_EQ(InkOf(Part("BetLabl")), kPurple);
  EXPECT_EQ(InkOf(Part("DealLabl")), kPurple);
  EXPECT_EQ(InkOf(Part("DrawLabl")), kBlue);
  const QString deal = Text("ShowHelpRE");
  EXPECT_TRUE(deal.startsWith("\nTHE DEAL:\n"));
  EXPECT_FALSE(deal.contains("BETTING"));
  EXPECT_FALSE(Part("HandPanl")->isVisible());
  Reopen();  // after a topic

  // A hand rank covers the text box and empties it; switching tabs changes nothing on the right.
  Click("DealLabl");
  Tab("HandRankTab");
  Click("PairLabl");
  const QString pair = Text("HandRankRE");
  Click("PairImage");
  Tab("HelpContentsTab");
  EXPECT_TRUE(Part("HandRankPanl")->isVisible());
  EXPECT_TRUE(Text("ShowHelpRE").isEmpty());
  EXPECT_EQ(Text("HandRankRE"), pair);
  EXPECT_EQ(InkOf(Part("PairLabl")), kPurple);

  // A topic hides the hand-rank page again, and the same topic twice gives the same text.
  Click("DealLabl");
  Click("DealLabl");
  EXPECT_FALSE(Part("HandRankPanl")->isVisible());
  EXPECT_EQ(Text("ShowHelpRE"), deal);
  Tab("HandRankTab");
  Click("RoyalFlushLabl");
  Reopen();  // after a hand rank on the other tab

  Click("Label8");  // a credit line
  EXPECT_TRUE(Text("ShowHelpRE").startsWith("\nLICENSE AGREEMENT:\n"));
  EXPECT_TRUE(Text("ShowHelpRE").contains(LicenceFile())) << "the place of the full terms";
  EXPECT_EQ(InkOf(Part("LicenseLabl")), kPurple);
  Reopen();
}

TEST_F(HelpWindowTest, EachTopicShowsItsHeadingAndParagraphsInOrderInTheirColours) {
  help.show();
  for (std::size_t i = 0; i < HelpTopics.size(); ++i) {
    const HelpTopic& topic = HelpTopics[i];
    SCOPED_TRACE(kTopicLinks[i]);
    Click(kTopicLinks[i]);
    Runs expected;
    Add(expected, kRed, topic.heading);
    for (const HelpParagraph& p : topic.paragraphs) {
      const QColor colour = p.ink == Ink::Red ? kRed : p.ink == Ink::Blue ? kBlue : kBlack;
      QString text = QString::fromUtf8(p.text);
      if (text.contains("%1")) text = text.arg(LicenceFile());
      Add(expected, colour, "\n" + text);
    }
    EXPECT_EQ(RunsOf(Part<QTextEdit>("ShowHelpRE")), expected);
  }
}

TEST_F(HelpWindowTest, EachHandRankLinkShowsAnExampleOfThatRank) {
  help.show();
  Tab("HandRankTab");
  for (std::size_t i = 0; i < HandRankPages.size(); ++i) {
    const HandRankPage& page = HandRankPages[i];
    SCOPED_TRACE(page.name);
    EXPECT_EQ(Part<QLabel>(kRankLinks[i])->text(), QStringLiteral("#%1 - %2").arg(i + 1).arg(page.name));
    Click(kRankLinks[i]);
    EXPECT_EQ(Part<QLabel>("RankStringLabl")->text(), page.name);
    EXPECT_EQ(Part<QLabel>("TableLabl")->text(), page.caption);
    for (int k = 0; k < 5; ++k)
      EXPECT_TRUE(Shows(Part<QLabel>(QStringLiteral("RankCard%1").arg(k)), page.cards[k]));
    Hand hand{};
    std::copy(page.cards.begin(), page.cards.end(), hand.begin());
    HandRank rank{};
    RankHistogram counts{};
    EvaluateHand(hand, rank, counts);
    EXPECT_EQ(rank[CategoryField], static_cast<int>(RoyalFlush - i)) << "from the royal flush down";
    EXPECT_EQ(RunsOf(Part<QTextEdit>("HandRankRE")), (Runs{{kBlue.name().toStdString(), page.description}}));
  }
}

// The entries by keyboard: Tab reaches them, Up and Down go along a list without opening
// anything, Enter and Space open the focused one as a click does, Escape closes the window.
TEST_F(HelpWindowTest, EntriesAreReachedAndOpenedByKeyboard) {
  const struct {
    const char* rule;
    const char* page;
    const char* focus;  // "" for the tabs
    Qt::Key key;
    const char* focusAfter;  // nullptr when the window closed
    const char* shown;       // the heading of the topic or the name of the rank shown after; "" for none
  } cases[] = {
      {"tab_goes_from_the_tabs_to_the_first_topic", "HelpContentsTab", "", Qt::Key_Tab, "OverviewLabl", ""},
      {"down_goes_to_the_next_topic", "HelpContentsTab", "ShowdownLabl", Qt::Key_Down, "SelectaDeckLabl", ""},
      {"up_from_the_first_topic_goes_round", "HelpContentsTab", "OverviewLabl", Qt::Key_Up, "ContactLabl",
       ""},
      {"down_from_the_last_rank_goes_round", "HandRankTab", "HighCardLabl", Qt::Key_Down, "RoyalFlushLabl",
       ""},
      {"enter_opens_the_focused_topic", "HelpContentsTab", "DealLabl", Qt::Key_Return, "DealLabl",
       "\nTHE DEAL:\n"},
      {"space_opens_the_focused_rank", "HandRankTab", "PairLabl", Qt::Key_Space, "PairLabl", "Pair"},
      {"escape_closes", "HelpContentsTab", "BetLabl", Qt::Key_Escape, nullptr, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    help.show();
    QApplication::setActiveWindow(&help);
    Tab(c.page);
    (*c.focus ? Part(c.focus) : Part<QTabWidget>("PageControl1")->tabBar())->setFocus();
    QTest::keyClick(help.focusWidget(), c.key);
    EXPECT_EQ(help.isVisible(), c.focusAfter != nullptr);
    if (c.focusAfter) {
      EXPECT_EQ(help.focusWidget(), Part(c.focusAfter));
    }
    const QString shown =
        Part("HandRankPanl")->isVisible() ? Part<QLabel>("RankStringLabl")->text() : Text("ShowHelpRE");
    EXPECT_EQ(shown.isEmpty(), !*c.shown);
    EXPECT_TRUE(shown.startsWith(c.shown));
    help.hide();
  }
}

// What a screen reader finds: links named by their text that it can follow, the example cards
// by name, and no glyph or rule.
TEST_F(HelpWindowTest, LinksAndCardsAreNamedAndDecorationsLeftOut) {
  help.show();
  const auto iface = [&](const char* name) { return QAccessible::queryAccessibleInterface(Part(name)); };
  QAccessibleInterface* link = iface("ShowdownLabl");
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), "The Showdown");
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(Text("ShowHelpRE").startsWith("\nTHE SHOWDOWN:\n"));
  EXPECT_EQ(iface("Image5")->text(QAccessible::Name), "Ace of Hearts");
  Tab("HandRankTab");
  Click("FourOfAKindLabl");
  EXPECT_EQ(iface("RankCard4")->text(QAccessible::Name), "King of Hearts");
  // Four section titles and eleven links; the contents page's glyphs are not there.
  EXPECT_EQ(iface("Panel1")->childCount(), 15);
}

}  // namespace
