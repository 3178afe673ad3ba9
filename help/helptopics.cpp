#include "help/helptopics.h"

#include <QtGlobal>

namespace {
constexpr Ink K = Ink::Black;
constexpr Ink R = Ink::Red;
constexpr Ink B = Ink::Blue;
}  // namespace

const std::array<HelpTopic, 11> HelpTopics{{
    {QT_TRANSLATE_NOOP("Help", "\nGAME OVERVIEW:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Brindlewharf is five-card draw poker with nothing wild. These pages cover the rules a "
                 "newcomer needs to sit down and play; if you already know poker, the house rules will "
                 "feel familiar.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "A hand, step by step:\n"
                 "  1. You bet, and the Dealer matches your bet in the Game Pot.\n"
                 "  2. The Dealer deals two hands of five cards, one to you and one to the House.\n"
                 "  3. You discard and draw replacement cards.\n"
                 "  4. The Dealer discards and draws replacement cards.\n"
                 "  5. The two hands are compared to find the winner of the hand.\n"
                 "  6. The Game Pot is paid to the winner.\n"
                 "  7. Betting opens for the next hand.\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Each stage of a hand has its own page under House Rules, and the Hand Rankings tab "
                 "describes every type of hand.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Note:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Unlike draw poker in a casino, and much like video poker, you bet only at the start of "
                 "each hand. Further bets during a hand were left out to keep the game simple and quick. "
                 "If you would like to see them, or anything else, see Contacting the Author.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nBETTING:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "You bet once, at the start of each hand, and the bet may be any number of whole "
                 "dollars up to the amount in your Bank. There are two ways to place a New Bet:\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "1)  By clicking on the cash denomination\n     for the dollar amount of your choice.\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Every click on a bill adds its value to the New Bet field and takes it out of your "
                 "Bank, and the cash on the table changes to match.\n")},
         {B, QT_TRANSLATE_NOOP("Help",
                               "2) By directly typing the dollar amount in\n     the 'New Bet' field.\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "While you type, the cash on the table and your Bank follow the New Bet field, so typing "
                 "a smaller amount gives back cash you had already clicked into the bet.\n")},
         {K, QT_TRANSLATE_NOOP("Help", "Once the bet is in, the Deal button moves it into the Game Pot.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Note:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Leave the New Bet field blank and click Deal to bet your last bet again, as long as "
                 "your Bank still covers it.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nTHE DEAL:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Your bet, new or carried over from the last hand, goes into the Game Pot together with "
                 "the Dealer's matching bet. Then you and the Dealer are dealt five cards each, one at a "
                 "time and in turn, from the top of a freshly shuffled deck.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "Clicking Deal has the Dealer, in this order:\n"
                 "  - close the betting,\n"
                 "  - move your bet from the New Bet or Last Bet field into the Game Pot and match it,\n"
                 "  - shuffle the deck,\n"
                 "  - deal the hand.\n")},
         {K, QT_TRANSLATE_NOOP("Help",
                               "When both of you hold five cards the deal is over and the draw begins.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nDRAWING CARDS:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "You and the Dealer may each exchange up to 3 cards, or 4 when the one card kept is an "
                 "Ace. You always draw first.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "Click each card you want to exchange to turn it face down (click it again to keep it "
                 "after all), then click the Draw button.\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "After your draw the Dealer announces how many cards the House takes and exchanges them "
                 "at once. Then the two hands are compared.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nTHE SHOWDOWN:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Both hands are turned face up and ranked automatically, and the Dealer announces the "
                 "winner and pays out the Game Pot.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "If you win, the pot goes into your Bank and the cash on the table is updated. If the "
                 "Dealer wins, the pot goes to the House. If the hands tie, the pot is split and your "
                 "Bank stays as it was.\n")},
         {K, QT_TRANSLATE_NOOP("Help", "That ends the hand, and betting opens for the next one.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "\nNote:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "If you lose a hand with your whole Bank at stake, you are bankrupt. The House then "
                 "approves a credit extension: choose New Game to play on with a fresh starting Bank, "
                 "or Exit to leave. Every bankruptcy is counted in the game statistics.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nSELECTING A DECK:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "You can play with the card back of your choice, or have the Dealer pick one at random "
                 "before each hand.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "Choose a deck, or the Randomize option, on the welcome screen when the game opens, or "
                 "later through Decks in the Game menu (F7) at the start of any hand.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Note:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "If the Randomize option is selected, the selection of an individual Deck is disabled.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nGAME STATISTICS:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "The statistics of the current game, with a running count of every hand ranking, are "
                 "gathered automatically and can be viewed at any time.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "To view the current game statistics, select the 'Stats' option from the 'Game' menu.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Note:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "The statistics change only when a hand is over, so the window always shows the figures "
                 "as of the last finished hand.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nSAVING GAME STATISTICS:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "You can save the current statistics at any time and open them again later in the "
                 "statistics window.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "To save, open the statistics window and choose Save... from its Stats menu, or click "
                 "its Save Stats toolbar button.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "VIEWING SAVED STATISTICS:\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Saved statistics can be viewed at any time during a game. Opening a saved file shows "
                 "its figures in place of the current ones for as long as you look at them; Current Game "
                 "in the same menu brings the current figures back.\n")},
         {B, QT_TRANSLATE_NOOP(
                 "Help",
                 "Choose Open... from the Stats menu of the statistics window, or click its Open saved "
                 "Stats toolbar button.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Note:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Saving is meant for keeping a record of your best games. Saved figures can only be "
                 "looked at: they never become the figures of the game in play.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nTHE COACH:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "The Coach looks over your shoulder while you discard. It weighs every draw the house "
                 "allows for the five cards you were dealt, from standing pat to throwing three cards, "
                 "or four when the card you keep is an Ace, and ranks them by how they fare against the "
                 "Dealer.\n")},
         {B,
          QT_TRANSLATE_NOOP(
              "Help", "To open or close the Coach, select 'Coach' from the 'Game' menu, or press Ctrl+K.\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "While you discard, the Coach shows your cards and the three best draws. For each it "
                 "gives the cards to throw and four figures. Win is the chance, in percent, that your hand "
                 "then beats the Dealer's; Push the chance of a tie, when you get your bet back; Lose the "
                 "chance that the Dealer's hand beats yours. Average is what the draw wins or loses on "
                 "average at your bet, in dollars: +$2.50 at a $10 bet means a quarter of your bet won, "
                 "taken over many hands like this one. Most draws lose a little on average, even the best: "
                 "that is the House's edge, and the best draw is the one that loses least. A line below "
                 "the table says how closely the figures are known, and another why the best draw is "
                 "best, such as keeping a pair of Kings or drawing to a flush. The cards you turn down fade "
                 "in the Coach's picture, and once you turn one it shows where your draw stands among all "
                 "the draws.\n")},
         {K, QT_TRANSLATE_NOOP("Help", "Press Hint to have your cards turned to the best draw.\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "After your draw it tells you whether you chose the best draw, or how far below the best "
                 "your choice was, and keeps a tally of the game: the draws it judged, how many were the "
                 "best, how many you took on a hint, and how much more the best draws would have won than "
                 "yours, on average, at your bets. When your hand wins or ties anyway, it only tells you "
                 "what the best draw would have been. New Game starts the tally afresh.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Note:")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "The figures come from the Dealer's fixed rule: the Dealer never sees your cards and "
                 "always draws the same way, so the Coach can play out tens of thousands of the Dealer's "
                 "hands, and every draw you could get against each. The figures are averages over those "
                 "deals, not a promise about the next hand, and each is shown only as finely as it is "
                 "known. The Dealer's luck moves every draw alike, so how far one draw falls below another "
                 "is known far better than either average: for draws close to each other, to about a "
                 "tenth of a cent per dollar bet. Draws closer than that are called as good as the best, "
                 "and either is a fine choice. The Coach never changes how the cards are shuffled or "
                 "dealt.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nLICENSE AGREEMENT:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Brindlewharf is copyright (c) 2026 the Brindlewharf developers and is free software "
                 "under the MIT License. Anyone who obtains a copy may use it, copy it, change it, merge "
                 "it into other work, publish it, pass it on, sublicense it and sell copies of it, free "
                 "of charge and without further restriction, provided that the copyright notice and this "
                 "permission go along with every copy or substantial part of it. The full terms come "
                 "with the game, in the file %1.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "DISCLAIMER OF WARRANTY:\n")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "The game is provided as it is, without warranty of any kind, stated or implied: no "
                 "promise that it is fit to be sold, that it suits any particular purpose, or that it "
                 "infringes no one's rights. In no case are its authors or copyright holders liable for "
                 "any claim, damages or other liability, whether under a contract, a tort or otherwise, "
                 "arising from the game, its use or other dealings in it.\n")},
     }},
    {QT_TRANSLATE_NOOP("Help", "\nCONTACTING THE AUTHOR:\n"),
     {
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "Brindlewharf is made in the open by its developers, and what players tell us shapes "
                 "the next version. We would be glad to hear from you.\n")},
         {B, QT_TRANSLATE_NOOP("Help",
                               "Write to us to:\n"
                               "  - report a bug or a hand that was scored wrongly,\n"
                               "  - suggest a feature or a house rule,\n"
                               "  - tell us what you think of the card backs and the help,\n"
                               "  - brag about your best game.\n")},
         {R, QT_TRANSLATE_NOOP("Help", "Send e-mail to:\n")},
         {B, QT_TRANSLATE_NOOP("Help", "The Brindlewharf developers")},
         {K, QT_TRANSLATE_NOOP(
                 "Help",
                 "The game has no mailbox of its own: please write to us by opening an issue on the "
                 "issue tracker of Brindlewharf's source repository, where its source code is "
                 "published.\n")},
     }},
}};

const std::array<HandRankPage, 10> HandRankPages{{
    {QT_TRANSLATE_NOOP("Help", "Royal Flush"),
     QT_TRANSLATE_NOOP("Help", "Royal Flush\n(Spades)"),
     {52, 51, 50, 49, 48},
     QT_TRANSLATE_NOOP(
         "Help",
         "The straight flush A, K, Q, J, 10 of one suit: the highest hand there is in poker with "
         "nothing wild. See Straight Flush.")},
    {QT_TRANSLATE_NOOP("Help", "Straight Flush"),
     QT_TRANSLATE_NOOP("Help", " Eight High Straight Flush \n(Diamonds)"),
     {20, 19, 18, 17, 16},
     QT_TRANSLATE_NOOP(
         "Help",
         "Five cards of one suit in sequence, such as 8, 7, 6, 5, 4 of diamonds. The highest card "
         "decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace may count low, which makes 5-4-3-2-A the "
         "lowest straight flush. Suits never break a tie.")},
    {QT_TRANSLATE_NOOP("Help", "Four of a Kind"),
     QT_TRANSLATE_NOOP("Help", "Four Sevens"),
     {6, 19, 45, 32, 12},
     QT_TRANSLATE_NOOP("Help",
                       "Four cards of one rank and an odd card, the kicker, such as 7, 7, 7, 7, K. The four "
                       "decide, so K-K-K-K-4 beats 10-10-10-10-A.")},
    {QT_TRANSLATE_NOOP("Help", "Full House"),
     QT_TRANSLATE_NOOP("Help", "Full House\n(Deuces over Fives)"),
     {27, 1, 40, 17, 30},
     QT_TRANSLATE_NOOP(
         "Help",
         "Three cards of one rank and two of another, such as 2, 2, 2, 5, 5. The three decide, so "
         "4-4-4-3-3 beats 2-2-2-A-A.")},
    {QT_TRANSLATE_NOOP("Help", "Flush"),
     QT_TRANSLATE_NOOP("Help", "King High Flush\n(Spades)"),
     {51, 47, 43, 42, 40},
     QT_TRANSLATE_NOOP(
         "Help",
         "Five cards of one suit, such as K, 9, 5, 4, 2 of spades. The highest card decides, then "
         "the next, down to the lowest, so A-7-5-4-2 beats K-Q-J-10-8 and J-8-7-5-3 beats "
         "J-8-7-5-2. Suits never break a tie.")},
    {QT_TRANSLATE_NOOP("Help", "Straight"),
     QT_TRANSLATE_NOOP("Help", "Jack High Straight"),
     {10, 22, 34, 20, 45},
     QT_TRANSLATE_NOOP(
         "Help",
         "Five cards in sequence, such as J, 10, 9, 8, 7. The highest card decides, so 9-8-7-6-5 "
         "beats 7-6-5-4-3. The ace counts high or low: A-K-Q-J-10 and 5-4-3-2-A are both "
         "straights.")},
    {QT_TRANSLATE_NOOP("Help", "Three of a Kind"),
     QT_TRANSLATE_NOOP("Help", "Three Nines"),
     {21, 34, 8, 36, 6},
     QT_TRANSLATE_NOOP(
         "Help",
         "Three cards of one rank and two kickers of different ranks, such as 9, 9, 9, J, 7. The "
         "three decide, so Q-Q-Q-2-4 beats J-J-J-A-K, and K-K-K-2-3 beats Q-Q-Q-A-K.")},
    {QT_TRANSLATE_NOOP("Help", "Two Pair"),
     QT_TRANSLATE_NOOP("Help", "Two Pair\n(Jacks and Fours)"),
     {49, 23, 3, 16, 19},
     QT_TRANSLATE_NOOP(
         "Help",
         "Two cards of one rank, two of another and a kicker of a third, such as J, J, 4, 4, 7. The "
         "top pair decides, then the bottom pair, then the kicker, so K-K-4-4-7 beats Q-Q-J-J-A, "
         "K-K-3-3-A and K-K-4-4-5.")},
    {QT_TRANSLATE_NOOP("Help", "Pair"),
     QT_TRANSLATE_NOOP("Help", "Pair of Queens\n(Nine Kicker)"),
     {37, 11, 14, 3, 34},
     QT_TRANSLATE_NOOP(
         "Help",
         "Two cards of one rank and three kickers of different ranks, such as Q, Q, 2, 4, 9. The "
         "pair decides, then each kicker in turn from the highest, so 4-4-A-J-7 beats 4-4-A-10-9.")},
    {QT_TRANSLATE_NOOP("Help", "High Card"),
     QT_TRANSLATE_NOOP("Help", "Ace High\n(Jack Kicker)"),
     {52, 23, 5, 15, 40},
     QT_TRANSLATE_NOOP(
         "Help",
         "Any hand that is none of the above, such as A, J, 6, 3, 2 of mixed suits. The highest "
         "card decides, then the second, and so on down to the lowest. Suits never break a tie.")},
}};
