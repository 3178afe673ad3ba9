<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BankChart</name>
    <message>
        <source>Chart of the bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: started at %2, now %3, highest %4, lowest %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(None)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>clown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lighthouse in a storm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rider on a bucking horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pigs at a card table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cathedral at night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red flower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sea stack at dusk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue-and-white waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two clowns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snowy cottage under a full moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card back %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameStats</name>
    <message>
        <source>Save current stats?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>
GAME OVERVIEW:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf is five-card draw poker with nothing wild. These pages cover the rules a newcomer needs to sit down and play; if you already know poker, the house rules will feel familiar.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hand, step by step:
  1. You bet, and the Dealer matches your bet in the Game Pot.
  2. The Dealer deals two hands of five cards, one to you and one to the House.
  3. You discard and draw replacement cards.
  4. The Dealer discards and draws replacement cards.
  5. The two hands are compared to find the winner of the hand.
  6. The Game Pot is paid to the winner.
  7. Betting opens for the next hand.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each stage of a hand has its own page under House Rules, and the Hand Rankings tab describes every type of hand.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino, and much like video poker, you bet only at the start of each hand. Further bets during a hand were left out to keep the game simple and quick. If you would like to see them, or anything else, see Contacting the Author.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
BETTING:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You bet once, at the start of each hand, and the bet may be any number of whole dollars up to the amount in your Bank. There are two ways to place a New Bet:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1)  By clicking on the cash denomination
     for the dollar amount of your choice.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every click on a bill adds its value to the New Bet field and takes it out of your Bank, and the cash on the table changes to match.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2) By directly typing the dollar amount in
     the &apos;New Bet&apos; field.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While you type, the cash on the table and your Bank follow the New Bet field, so typing a smaller amount gives back cash you had already clicked into the bet.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once the bet is in, the Deal button moves it into the Game Pot.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the New Bet field blank and click Deal to bet your last bet again, as long as your Bank still covers it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
THE DEAL:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your bet, new or carried over from the last hand, goes into the Game Pot together with the Dealer&apos;s matching bet. Then you and the Dealer are dealt five cards each, one at a time and in turn, from the top of a freshly shuffled deck.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicking Deal has the Dealer, in this order:
  - close the betting,
  - move your bet from the New Bet or Last Bet field into the Game Pot and match it,
  - shuffle the deck,
  - deal the hand.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When both of you hold five cards the deal is over and the draw begins.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
DRAWING CARDS:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You and the Dealer may each exchange up to 3 cards, or 4 when the one card kept is an Ace. You always draw first.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click each card you want to exchange to turn it face down (click it again to keep it after all), then click the Draw button.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After your draw the Dealer announces how many cards the House takes and exchanges them at once. Then the two hands are compared.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
THE SHOWDOWN:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both hands are turned face up and ranked automatically, and the Dealer announces the winner and pays out the Game Pot.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you win, the pot goes into your Bank and the cash on the table is updated. If the Dealer wins, the pot goes to the House. If the hands tie, the pot is split and your Bank stays as it was.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That ends the hand, and betting opens for the next one.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you lose a hand with your whole Bank at stake, you are bankrupt. The House then approves a credit extension: choose New Game to play on with a fresh starting Bank, or Exit to leave. Every bankruptcy is counted in the game statistics.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
SELECTING A DECK:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can play with the card back of your choice, or have the Dealer pick one at random before each hand.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a deck, or the Randomize option, on the welcome screen when the game opens, or later through Decks in the Game menu (F7) at the start of any hand.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the Randomize option is selected, the selection of an individual Deck is disabled.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
GAME STATISTICS:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics of the current game, with a running count of every hand ranking, are gathered automatically and can be viewed at any time.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To view the current game statistics, select the &apos;Stats&apos; option from the &apos;Game&apos; menu.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics change only when a hand is over, so the window always shows the figures as of the last finished hand.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
SAVING GAME STATISTICS:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can save the current statistics at any time and open them again later in the statistics window.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To save, open the statistics window and choose Save... from its Stats menu, or click its Save Stats toolbar button.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved statistics can be viewed at any time during a game. Opening a saved file shows its figures in place of the current ones for as long as you look at them; Current Game in the same menu brings the current figures back.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Open... from the Stats menu of the statistics window, or click its Open saved Stats toolbar button.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving is meant for keeping a record of your best games. Saved figures can only be looked at: they never become the figures of the game in play.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
THE COACH:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Coach looks over your shoulder while you discard. It weighs every draw the house allows for the five cards you were dealt, from standing pat to throwing three cards, or four when the card you keep is an Ace, and ranks them by how they fare against the Dealer.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To open or close the Coach, select &apos;Coach&apos; from the &apos;Game&apos; menu, or press Ctrl+K.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While you discard, the Coach shows your cards and the three best draws: the cards to throw, the chances that your hand then wins, pushes or loses, and the draw&apos;s value. The value is what you can expect to win or lose on average, in bets: +0.250 is a quarter of your bet won, -0.100 a tenth of it lost. Below them it shows where the cards you have turned so far stand among all the draws.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After your draw it tells you whether you chose the best draw, or how far below the best your choice was, and keeps a tally of the game: the draws it judged, how many were the best, and the dollars given up, which is the value below the best times your bet. New Game starts the tally afresh.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures come from the Dealer&apos;s fixed rule: the Dealer never sees your cards and always draws the same way, so the Coach can play out hundreds of thousands of deals of the cards you have not seen for every draw. They are averages over those deals, true to about half a cent per dollar bet, not a promise about the next hand. The Coach never changes how the cards are shuffled or dealt.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
LICENSE AGREEMENT:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf is copyright (c) 2026 the Brindlewharf developers and is free software under the MIT License. Anyone who obtains a copy may use it, copy it, change it, merge it into other work, publish it, pass it on, sublicense it and sell copies of it, free of charge and without further restriction, provided that the copyright notice and this permission go along with every copy or substantial part of it. The full terms come with the game, in the file %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is provided as it is, without warranty of any kind, stated or implied: no promise that it is fit to be sold, that it suits any particular purpose, or that it infringes no one&apos;s rights. In no case are its authors or copyright holders liable for any claim, damages or other liability, whether under a contract, a tort or otherwise, arising from the game, its use or other dealings in it.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
CONTACTING THE AUTHOR:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf is made in the open by its developers, and what players tell us shapes the next version. We would be glad to hear from you.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to us to:
  - report a bug or a hand that was scored wrongly,
  - suggest a feature or a house rule,
  - tell us what you think of the card backs and the help,
  - brag about your best game.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send e-mail to:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Brindlewharf developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has no mailbox of its own: please write to us by opening an issue on the issue tracker of Brindlewharf&apos;s source repository, where its source code is published.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The straight flush A, K, Q, J, 10 of one suit: the highest hand there is in poker with nothing wild. See Straight Flush.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, such as 8, 7, 6, 5, 4 of diamonds. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace may count low, which makes 5-4-3-2-A the lowest straight flush. Suits never break a tie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four cards of one rank and an odd card, the kicker, such as 7, 7, 7, 7, K. The four decide, so K-K-K-K-4 beats 10-10-10-10-A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another, such as 2, 2, 2, 5, 5. The three decide, so 4-4-4-3-3 beats 2-2-2-A-A.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five cards of one suit, such as K, 9, 5, 4, 2 of spades. The highest card decides, then the next, down to the lowest, so A-7-5-4-2 beats K-Q-J-10-8 and J-8-7-5-3 beats J-8-7-5-2. Suits never break a tie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five cards in sequence, such as J, 10, 9, 8, 7. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace counts high or low: A-K-Q-J-10 and 5-4-3-2-A are both straights.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three cards of one rank and two kickers of different ranks, such as 9, 9, 9, J, 7. The three decide, so Q-Q-Q-2-4 beats J-J-J-A-K, and K-K-K-2-3 beats Q-Q-Q-A-K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two cards of one rank, two of another and a kicker of a third, such as J, J, 4, 4, 7. The top pair decides, then the bottom pair, then the kicker, so K-K-4-4-7 beats Q-Q-J-J-A, K-K-3-3-A and K-K-4-4-5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks, such as Q, Q, 2, 4, 9. The pair decides, then each kicker in turn from the highest, so 4-4-A-J-7 beats 4-4-A-10-9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any hand that is none of the above, such as A, J, 6, 3, 2 of mixed suits. The highest card decides, then the second, and so on down to the lowest. Suits never break a tie.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Loss, bankrupt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$%1 below best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As good as best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer&apos;s cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer&apos;s hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>Invalid bet charactor!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank can&apos;t hold a win that big!
      Decrease your bet..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid bet.
      Try Again..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try Again..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Brindlewharf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Brindlewharf 1.1&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Copyright (c) 2026 the Brindlewharf developers&lt;/p&gt;
&lt;p&gt;Brindlewharf is free software, released under the MIT License
(SPDX identifier &lt;tt&gt;MIT&lt;/tt&gt;). You may use it, copy it, change it, merge it into other work,
publish it, hand it on, sublicense it and sell copies of it, as long as the copyright line above
and this permission travel with every copy or substantial part of it.
The full terms come with the game, in the file %1.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;No warranty.&lt;/b&gt; The game is given to you as it is. Its makers promise nothing about it,
neither that it works nor that it suits any purpose, and they cannot be held responsible for any
claim, damage or other loss that comes from using it or from dealing in it.&lt;/p&gt;
&lt;p&gt;All the pictures in the game were drawn for it by its makers.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf, Version 1.1, © 2026 the Brindlewharf developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space frames this back, Enter chooses it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re Broke! Game Over. Credit Extension Approved!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpBox</name>
    <message>
        <source>Brindlewharf Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Features:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Coach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIT License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand rank description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THistoryBox</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands of this game, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealt (turned down cards faded)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Dealer&apos;s final hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Hand History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TIntroDlg</name>
    <message>
        <source>Welcome to Brindlewharf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your starting bank account is $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter starting bet amount: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(This can be changed before any hand) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deal &apos;em up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your starting bank account is $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space shows the next back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Brindlewharf 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stats...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game pot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Pot:  $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Bet: $%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face down, to be replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your card %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer&apos;s card %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place your bet..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TStatBox</name>
    <message>
        <source>Current Game Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12/31/99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12:12:59 PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s Best Hand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Brindlewharf Game Stats As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Brindlewharf Game Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlewharf Game Stats (*.bwf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s best hand, card %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
