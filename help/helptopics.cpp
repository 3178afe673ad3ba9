#include "help/helptopics.h"

namespace {
constexpr Ink K = Ink::Black;
constexpr Ink R = Ink::Red;
constexpr Ink B = Ink::Blue;
}  // namespace

const std::array<HelpTopic, 11> HelpTopics{{
    {"\nGAME OVERVIEW:\n",
     {
         {K,
          "Brindlewharf is five-card draw poker with nothing wild. These pages cover the rules a "
          "newcomer needs to sit down and play; if you already know poker, the house rules will "
          "feel familiar.\n"},
         {B,
          "A hand, step by step:\n"
          "  1. You bet, and the Dealer matches your bet in the Game Pot.\n"
          "  2. The Dealer deals two hands of five cards, one to you and one to the House.\n"
          "  3. You discard and draw replacement cards.\n"
          "  4. The Dealer discards and draws replacement cards.\n"
          "  5. The two hands are compared to find the winner of the hand.\n"
          "  6. The Game Pot is paid to the winner.\n"
          "  7. Betting opens for the next hand.\n"},
         {K,
          "Each stage of a hand has its own page under House Rules, and the Hand Rankings tab "
          "describes every type of hand.\n"},
         {R, "Note:"},
         {K,
          "Unlike draw poker in a casino, and much like video poker, you bet only at the start of "
          "each hand. Further bets during a hand were left out to keep the game simple and quick. "
          "If you would like to see them, or anything else, see Contacting the Author.\n"},
     }},
    {"\nBETTING:\n",
     {
         {K,
          "You bet once, at the start of each hand, and the bet may be any number of whole "
          "dollars up to the amount in your Bank. There are two ways to place a New Bet:\n"},
         {B, "1)  By clicking on the cash denomination\n     for the dollar amount of your choice.\n"},
         {K,
          "Every click on a bill adds its value to the New Bet field and takes it out of your "
          "Bank, and the cash on the table changes to match.\n"},
         {B, "2) By directly typing the dollar amount in\n     the 'New Bet' field.\n"},
         {K,
          "While you type, the cash on the table and your Bank follow the New Bet field, so typing "
          "a smaller amount gives back cash you had already clicked into the bet.\n"},
         {K, "Once the bet is in, the Deal button moves it into the Game Pot.\n"},
         {R, "Note:"},
         {K,
          "Leave the New Bet field blank and click Deal to bet your last bet again, as long as "
          "your Bank still covers it.\n"},
     }},
    {"\nTHE DEAL:\n",
     {
         {K,
          "Your bet, new or carried over from the last hand, goes into the Game Pot together with "
          "the Dealer's matching bet. Then you and the Dealer are dealt five cards each, one at a "
          "time and in turn, from the top of a freshly shuffled deck.\n"},
         {B,
          "Clicking Deal has the Dealer, in this order:\n"
          "  - close the betting,\n"
          "  - move your bet from the New Bet or Last Bet field into the Game Pot and match it,\n"
          "  - shuffle the deck,\n"
          "  - deal the hand.\n"},
         {K, "When both of you hold five cards the deal is over and the draw begins.\n"},
     }},
    {"\nDRAWING CARDS:\n",
     {
         {K,
          "You and the Dealer may each exchange up to 3 cards, or 4 when the one card kept is an "
          "Ace. You always draw first.\n"},
         {B,
          "Click each card you want to exchange to turn it face down (click it again to keep it "
          "after all), then click the Draw button.\n"},
         {K,
          "After your draw the Dealer announces how many cards the House takes and exchanges them "
          "at once. Then the two hands are compared.\n"},
     }},
    {"\nTHE SHOWDOWN:\n",
     {
         {K,
          "Both hands are turned face up and ranked automatically, and the Dealer announces the "
          "winner and pays out the Game Pot.\n"},
         {B,
          "If you win, the pot goes into your Bank and the cash on the table is updated. If the "
          "Dealer wins, the pot goes to the House. If the hands tie, the pot is split and your "
          "Bank stays as it was.\n"},
         {K, "That ends the hand, and betting opens for the next one.\n"},
         {R, "\nNote:"},
         {K,
          "If you lose a hand with your whole Bank at stake, you are bankrupt. The House then "
          "approves a credit extension: choose New Game to play on with a fresh starting Bank, "
          "or Exit to leave. Every bankruptcy is counted in the game statistics.\n"},
     }},
    {"\nSELECTING A DECK:\n",
     {
         {K,
          "You can play with the card back of your choice, or have the Dealer pick one at random "
          "before each hand.\n"},
         {B,
          "Choose a deck, or the Randomize option, on the welcome screen when the game opens, or "
          "later through Decks in the Game menu (F7) at the start of any hand.\n"},
         {R, "Note:"},
         {K, "If the Randomize option is selected, the selection of an individual Deck is disabled.\n"},
     }},
    {"\nGAME STATISTICS:\n",
     {
         {K,
          "The statistics of the current game, with a running count of every hand ranking, are "
          "gathered automatically and can be viewed at any time.\n"},
         {B, "To view the current game statistics, select the 'Stats' option from the 'Game' menu.\n"},
         {R, "Note:"},
         {K,
          "The statistics change only when a hand is over, so the window always shows the figures "
          "as of the last finished hand.\n"},
     }},
    {"\nSAVING GAME STATISTICS:\n",
     {
         {K,
          "You can save the current statistics at any time and open them again later in the "
          "statistics window.\n"},
         {B,
          "To save, open the statistics window and choose Save... from its Stats menu, or click "
          "its Save Stats toolbar button.\n"},
         {R, "VIEWING SAVED STATISTICS:\n"},
         {K,
          "Saved statistics can be viewed at any time during a game. Opening a saved file shows "
          "its figures in place of the current ones for as long as you look at them; Current Game "
          "in the same menu brings the current figures back.\n"},
         {B,
          "Choose Open... from the Stats menu of the statistics window, or click its Open saved "
          "Stats toolbar button.\n"},
         {R, "Note:"},
         {K,
          "Saving is meant for keeping a record of your best games. Saved figures can only be "
          "looked at: they never become the figures of the game in play.\n"},
     }},
    {"\nTHE COACH:\n",
     {
         {K,
          "The Coach looks over your shoulder while you discard. It weighs every draw the house "
          "allows for the five cards you were dealt, from standing pat to throwing three cards, "
          "or four when the card you keep is an Ace, and ranks them by how they fare against the "
          "Dealer.\n"},
         {B, "To open or close the Coach, select 'Coach' from the 'Game' menu, or press Ctrl+K.\n"},
         {K,
          "While you discard, the Coach shows your cards and the three best draws. For each it "
          "gives the cards to throw and four figures. Win is the chance, in percent, that your hand "
          "then beats the Dealer's; Push the chance of a tie, when you get your bet back; Lose the "
          "chance that the Dealer's hand beats yours. Average is what the draw wins or loses on "
          "average at your bet, in dollars: +$2.50 at a $10 bet means a quarter of your bet won, "
          "taken over many hands like this one. A line below says why the best draw is best, such "
          "as keeping a pair of Kings or drawing to a flush. The cards you turn down fade in the "
          "Coach's picture, and it shows where they stand among all the draws.\n"},
         {K, "Press Hint to have your cards turned to the best draw.\n"},
         {K,
          "After your draw it tells you whether you chose the best draw, or how far below the best "
          "your choice was, and keeps a tally of the game: the draws it judged, how many were the "
          "best, how many you took on a hint, and the dollars given up, which is what your draws "
          "were worth below the best, on average, at your bets. When your hand wins or ties anyway, "
          "it only tells you what the best draw would have been. New Game starts the tally "
          "afresh.\n"},
         {R, "Note:"},
         {K,
          "The figures come from the Dealer's fixed rule: the Dealer never sees your cards and "
          "always draws the same way, so the Coach can play out tens of thousands of the Dealer's "
          "hands, and every draw you could get against each. The figures are averages over those "
          "deals, not a promise about the next hand. The difference between two draws is known to "
          "about a tenth of a cent per dollar bet; draws closer than that are called as good as "
          "the best, and either is a fine choice. The Coach never changes how the cards are "
          "shuffled or dealt.\n"},
     }},
    {"\nLICENSE AGREEMENT:\n",
     {
         {K,
          "Brindlewharf is copyright (c) 2026 the Brindlewharf developers and is free software "
          "under the MIT License. Anyone who obtains a copy may use it, copy it, change it, merge "
          "it into other work, publish it, pass it on, sublicense it and sell copies of it, free "
          "of charge and without further restriction, provided that the copyright notice and this "
          "permission go along with every copy or substantial part of it. The full terms come "
          "with the game, in the file %1.\n"},
         {R, "DISCLAIMER OF WARRANTY:\n"},
         {K,
          "The game is provided as it is, without warranty of any kind, stated or implied: no "
          "promise that it is fit to be sold, that it suits any particular purpose, or that it "
          "infringes no one's rights. In no case are its authors or copyright holders liable for "
          "any claim, damages or other liability, whether under a contract, a tort or otherwise, "
          "arising from the game, its use or other dealings in it.\n"},
     }},
    {"\nCONTACTING THE AUTHOR:\n",
     {
         {K,
          "Brindlewharf is made in the open by its developers, and what players tell us shapes "
          "the next version. We would be glad to hear from you.\n"},
         {B,
          "Write to us to:\n"
          "  - report a bug or a hand that was scored wrongly,\n"
          "  - suggest a feature or a house rule,\n"
          "  - tell us what you think of the card backs and the help,\n"
          "  - brag about your best game.\n"},
         {R, "Send e-mail to:\n"},
         {B, "The Brindlewharf developers"},
         {K,
          "The game has no mailbox of its own: please write to us by opening an issue on the "
          "issue tracker of Brindlewharf's source repository, where its source code is "
          "published.\n"},
     }},
}};

const std::array<HandRankPage, 10> HandRankPages{{
    {"Royal Flush",
     "Royal Flush\n(Spades)",
     {52, 51, 50, 49, 48},
     "The straight flush A, K, Q, J, 10 of one suit: the highest hand there is in poker with "
     "nothing wild. See Straight Flush."},
    {"Straight Flush",
     " Eight High Straight Flush \n(Diamonds)",
     {20, 19, 18, 17, 16},
     "Five cards of one suit in sequence, such as 8, 7, 6, 5, 4 of diamonds. The highest card "
     "decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace may count low, which makes 5-4-3-2-A the "
     "lowest straight flush. Suits never break a tie."},
    {"Four of a Kind",
     "Four Sevens",
     {6, 19, 45, 32, 12},
     "Four cards of one rank and an odd card, the kicker, such as 7, 7, 7, 7, K. The four "
     "decide, so K-K-K-K-4 beats 10-10-10-10-A."},
    {"Full House",
     "Full House\n(Deuces over Fives)",
     {27, 1, 40, 17, 30},
     "Three cards of one rank and two of another, such as 2, 2, 2, 5, 5. The three decide, so "
     "4-4-4-3-3 beats 2-2-2-A-A."},
    {"Flush",
     "King High Flush\n(Spades)",
     {51, 47, 43, 42, 40},
     "Five cards of one suit, such as K, 9, 5, 4, 2 of spades. The highest card decides, then "
     "the next, down to the lowest, so A-7-5-4-2 beats K-Q-J-10-8 and J-8-7-5-3 beats "
     "J-8-7-5-2. Suits never break a tie."},
    {"Straight",
     "Jack High Straight",
     {10, 22, 34, 20, 45},
     "Five cards in sequence, such as J, 10, 9, 8, 7. The highest card decides, so 9-8-7-6-5 "
     "beats 7-6-5-4-3. The ace counts high or low: A-K-Q-J-10 and 5-4-3-2-A are both "
     "straights."},
    {"Three of a Kind",
     "Three Nines",
     {21, 34, 8, 36, 6},
     "Three cards of one rank and two kickers of different ranks, such as 9, 9, 9, J, 7. The "
     "three decide, so Q-Q-Q-2-4 beats J-J-J-A-K, and K-K-K-2-3 beats Q-Q-Q-A-K."},
    {"Two Pair",
     "Two Pair\n(Jacks and Fours)",
     {49, 23, 3, 16, 19},
     "Two cards of one rank, two of another and a kicker of a third, such as J, J, 4, 4, 7. The "
     "top pair decides, then the bottom pair, then the kicker, so K-K-4-4-7 beats Q-Q-J-J-A, "
     "K-K-3-3-A and K-K-4-4-5."},
    {"Pair",
     "Pair of Queens\n(Nine Kicker)",
     {37, 11, 14, 3, 34},
     "Two cards of one rank and three kickers of different ranks, such as Q, Q, 2, 4, 9. The "
     "pair decides, then each kicker in turn from the highest, so 4-4-A-J-7 beats 4-4-A-10-9."},
    {"High Card",
     "Ace High\n(Jack Kicker)",
     {52, 23, 5, 15, 40},
     "Any hand that is none of the above, such as A, J, 6, 3, 2 of mixed suits. The highest "
     "card decides, then the second, and so on down to the lowest. Suits never break a tie."},
}};
