<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BankChart</name>
    <message>
        <source>Chart of the bank</source>
        <translation>Verlauf des Guthabens</translation>
    </message>
    <message>
        <source>%1: started at %2, now %3, highest %4, lowest %5</source>
        <translation>%1: Start mit %2, jetzt %3, Höchststand %4, Tiefststand %5</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>Hand %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 hand(s)</source>
        <translation>
            <numerusform>%1 Hand</numerusform>
            <numerusform>%1 Hände</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Fehler bei der Blattwertung. Bitte den Entwicklern melden</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keine)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <translation>%1 hoch 
(%2 als Kicker)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <translation>Paar %1 
(%2 als Kicker)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Zwei Paare 
(%1 und %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Drilling %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Straße, %1 hoch</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Flush, %1 hoch 
(%2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <translation>Full House 
(%1 mit %2)</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Vierling %1</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Straight Flush, %1 hoch 
(%2)</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Royal Flush 
(%1)</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>clown</source>
        <translation>Clown</translation>
    </message>
    <message>
        <source>lighthouse in a storm</source>
        <translation>Leuchtturm im Sturm</translation>
    </message>
    <message>
        <source>rider on a bucking horse</source>
        <translation>Reiter auf einem bockenden Pferd</translation>
    </message>
    <message>
        <source>pigs at a card table</source>
        <translation>Schweine am Kartentisch</translation>
    </message>
    <message>
        <source>cathedral at night</source>
        <translation>Kathedrale bei Nacht</translation>
    </message>
    <message>
        <source>red flower</source>
        <translation>rote Blume</translation>
    </message>
    <message>
        <source>sea stack at dusk</source>
        <translation>Felsnadel im Meer bei Abenddämmerung</translation>
    </message>
    <message>
        <source>blue-and-white waves</source>
        <translation>blau-weiße Wellen</translation>
    </message>
    <message>
        <source>two clowns</source>
        <translation>zwei Clowns</translation>
    </message>
    <message>
        <source>snowy cottage under a full moon</source>
        <translation>verschneites Häuschen bei Vollmond</translation>
    </message>
    <message>
        <source>Card back %1 of %2: %3</source>
        <translation>Kartenrücken %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>In play</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Bankrupt</source>
        <translation>Pleite</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Bank at start</source>
        <translation>Guthaben zu Beginn</translation>
    </message>
    <message>
        <source>Bank at end</source>
        <translation>Guthaben am Ende</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>
GAME OVERVIEW:
</source>
        <translation>
SPIELÜBERBLICK:
</translation>
    </message>
    <message>
        <source>Brindlewharf is five-card draw poker with nothing wild. These pages cover the rules a newcomer needs to sit down and play; if you already know poker, the house rules will feel familiar.
</source>
        <translation>Brindlewharf ist Five Card Draw, Poker mit fünf Karten und einem Tausch, ganz ohne Joker. Diese Seiten erklären alles, was man als Neuling zum Mitspielen braucht; wer Poker schon kennt, wird sich in den Hausregeln gleich zurechtfinden.
</translation>
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
        <translation>Eine Hand, Schritt für Schritt:
  1. Sie setzen, und der Geber bringt denselben Betrag in den Pot.
  2. Der Geber teilt zwei Blätter zu fünf Karten aus, eines für Sie, eines für das Haus.
  3. Sie legen Karten ab und ziehen neue.
  4. Der Geber legt Karten ab und zieht neue.
  5. Die beiden Blätter werden verglichen; das bessere gewinnt die Hand.
  6. Der Pot geht an den Gewinner.
  7. Die Einsätze für die nächste Hand sind eröffnet.
</translation>
    </message>
    <message>
        <source>Each stage of a hand has its own page under House Rules, and the Hand Rankings tab describes every type of hand.
</source>
        <translation>Jeder Abschnitt einer Hand hat unter „Hausregeln“ seine eigene Seite, und die Registerkarte „Blattwertungen“ beschreibt jede Art von Blatt.
</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino, and much like video poker, you bet only at the start of each hand. Further bets during a hand were left out to keep the game simple and quick. If you would like to see them, or anything else, see Contacting the Author.
</source>
        <translation>Anders als beim Draw Poker im Casino und ähnlich wie beim Video-Poker setzen Sie nur zu Beginn jeder Hand. Weitere Setzrunden während einer Hand gibt es nicht, damit das Spiel einfach und flott bleibt. Wenn Sie sie oder etwas anderes vermissen, lesen Sie „Kontakt zu den Entwicklern“.
</translation>
    </message>
    <message>
        <source>
BETTING:
</source>
        <translation>
SETZEN:
</translation>
    </message>
    <message>
        <source>You bet once, at the start of each hand, and the bet may be any number of whole dollars up to the amount in your Bank. There are two ways to place a New Bet:
</source>
        <translation>Sie setzen einmal, zu Beginn jeder Hand, und zwar beliebig viele ganze Dollar bis zum Betrag Ihres Guthabens. Einen neuen Einsatz machen Sie auf zwei Arten:
</translation>
    </message>
    <message>
        <source>1)  By clicking on the cash denomination
     for the dollar amount of your choice.
</source>
        <translation>1)  Durch Klicken auf die Geldscheine
     für den gewünschten Dollarbetrag.
</translation>
    </message>
    <message>
        <source>Every click on a bill adds its value to the New Bet field and takes it out of your Bank, and the cash on the table changes to match.
</source>
        <translation>Jeder Klick auf einen Schein zählt seinen Wert zum Feld „Neuer Einsatz“ hinzu und nimmt ihn aus Ihrem Guthaben; das Geld auf dem Tisch ändert sich entsprechend.
</translation>
    </message>
    <message>
        <source>2) By directly typing the dollar amount in
     the &apos;New Bet&apos; field.
</source>
        <translation>2) Durch direktes Eintippen des Dollarbetrags
     in das Feld „Neuer Einsatz“.
</translation>
    </message>
    <message>
        <source>While you type, the cash on the table and your Bank follow the New Bet field, so typing a smaller amount gives back cash you had already clicked into the bet.
</source>
        <translation>Während Sie tippen, folgen das Geld auf dem Tisch und Ihr Guthaben dem Feld „Neuer Einsatz“; ein kleinerer Betrag gibt also Geld zurück, das Sie schon in den Einsatz geklickt hatten.
</translation>
    </message>
    <message>
        <source>Once the bet is in, the Deal button moves it into the Game Pot.
</source>
        <translation>Steht der Einsatz, bringt ihn die Schaltfläche „Geben“ in den Pot.
</translation>
    </message>
    <message>
        <source>Leave the New Bet field blank and click Deal to bet your last bet again, as long as your Bank still covers it.
</source>
        <translation>Lassen Sie das Feld „Neuer Einsatz“ leer und klicken Sie auf „Geben“, um Ihren letzten Einsatz noch einmal zu setzen, solange Ihr Guthaben ihn noch deckt.
</translation>
    </message>
    <message>
        <source>
THE DEAL:
</source>
        <translation>
DAS GEBEN:
</translation>
    </message>
    <message>
        <source>Your bet, new or carried over from the last hand, goes into the Game Pot together with the Dealer&apos;s matching bet. Then you and the Dealer are dealt five cards each, one at a time and in turn, from the top of a freshly shuffled deck.
</source>
        <translation>Ihr Einsatz, neu oder von der letzten Hand übernommen, geht zusammen mit dem gleich hohen Einsatz des Gebers in den Pot. Dann erhalten Sie und der Geber je fünf Karten, einzeln und abwechselnd, von oben aus einem frisch gemischten Stapel.
</translation>
    </message>
    <message>
        <source>Clicking Deal has the Dealer, in this order:
  - close the betting,
  - move your bet from the New Bet or Last Bet field into the Game Pot and match it,
  - shuffle the deck,
  - deal the hand.
</source>
        <translation>Ein Klick auf „Geben“ lässt den Geber der Reihe nach:
  - die Einsätze schließen,
  - Ihren Einsatz aus „Neuer Einsatz“ oder „Letzter Einsatz“ in den Pot legen und mitgehen,
  - die Karten mischen,
  - die Hand austeilen.
</translation>
    </message>
    <message>
        <source>When both of you hold five cards the deal is over and the draw begins.
</source>
        <translation>Halten Sie beide fünf Karten, ist das Geben vorbei und der Tausch beginnt.
</translation>
    </message>
    <message>
        <source>
DRAWING CARDS:
</source>
        <translation>
KARTEN TAUSCHEN:
</translation>
    </message>
    <message>
        <source>You and the Dealer may each exchange up to 3 cards, or 4 when the one card kept is an Ace. You always draw first.
</source>
        <translation>Sie und der Geber dürfen je bis zu 3 Karten tauschen, oder 4, wenn die eine behaltene Karte ein Ass ist. Sie tauschen immer zuerst.
</translation>
    </message>
    <message>
        <source>Click each card you want to exchange to turn it face down (click it again to keep it after all), then click the Draw button.
</source>
        <translation>Klicken Sie jede Karte an, die Sie tauschen möchten, damit sie verdeckt liegt (ein zweiter Klick behält sie doch), und klicken Sie dann auf „Tauschen“.
</translation>
    </message>
    <message>
        <source>After your draw the Dealer announces how many cards the House takes and exchanges them at once. Then the two hands are compared.
</source>
        <translation>Nach Ihrem Tausch sagt der Geber an, wie viele Karten das Haus nimmt, und tauscht sie sofort. Dann werden die beiden Blätter verglichen.
</translation>
    </message>
    <message>
        <source>
THE SHOWDOWN:
</source>
        <translation>
DER SHOWDOWN:
</translation>
    </message>
    <message>
        <source>Both hands are turned face up and ranked automatically, and the Dealer announces the winner and pays out the Game Pot.
</source>
        <translation>Beide Blätter werden aufgedeckt und von selbst gewertet; der Geber verkündet den Gewinner und zahlt den Pot aus.
</translation>
    </message>
    <message>
        <source>If you win, the pot goes into your Bank and the cash on the table is updated. If the Dealer wins, the pot goes to the House. If the hands tie, the pot is split and your Bank stays as it was.
</source>
        <translation>Gewinnen Sie, geht der Pot in Ihr Guthaben und das Geld auf dem Tisch wird angepasst. Gewinnt der Geber, geht der Pot an das Haus. Bei einem Unentschieden wird der Pot geteilt und Ihr Guthaben bleibt, wie es war.
</translation>
    </message>
    <message>
        <source>That ends the hand, and betting opens for the next one.
</source>
        <translation>Damit ist die Hand vorbei, und die Einsätze für die nächste sind eröffnet.
</translation>
    </message>
    <message>
        <source>
Note:</source>
        <translation>
Hinweis:</translation>
    </message>
    <message>
        <source>If you lose a hand with your whole Bank at stake, you are bankrupt. The House then approves a credit extension: choose New Game to play on with a fresh starting Bank, or Exit to leave. Every bankruptcy is counted in the game statistics.
</source>
        <translation>Verlieren Sie eine Hand, bei der Ihr ganzes Guthaben im Spiel war, sind Sie pleite. Das Haus gewährt dann einen neuen Kredit: Wählen Sie „Neues Spiel“, um mit frischem Startkapital weiterzuspielen, oder „Beenden“, um aufzuhören. Jede Pleite wird in der Spielstatistik gezählt.
</translation>
    </message>
    <message>
        <source>
SELECTING A DECK:
</source>
        <translation>
KARTENSPIEL WÄHLEN:
</translation>
    </message>
    <message>
        <source>You can play with the card back of your choice, or have the Dealer pick one at random before each hand.
</source>
        <translation>Sie können mit dem Kartenrücken Ihrer Wahl spielen oder den Geber vor jeder Hand einen zufällig aussuchen lassen.
</translation>
    </message>
    <message>
        <source>Choose a deck, or the Randomize option, on the welcome screen when the game opens, or later through Decks in the Game menu (F7) at the start of any hand.
</source>
        <translation>Wählen Sie ein Kartenspiel oder die Option „Zufällig“ im Begrüßungsfenster beim Start, oder später vor jeder Hand über „Kartenspiele“ im Menü „Spiel“ (F7).
</translation>
    </message>
    <message>
        <source>If the Randomize option is selected, the selection of an individual Deck is disabled.
</source>
        <translation>Ist die Option „Zufällig“ gewählt, lässt sich kein einzelnes Kartenspiel auswählen.
</translation>
    </message>
    <message>
        <source>
GAME STATISTICS:
</source>
        <translation>
SPIELSTATISTIK:
</translation>
    </message>
    <message>
        <source>The statistics of the current game, with a running count of every hand ranking, are gathered automatically and can be viewed at any time.
</source>
        <translation>Die Statistik des laufenden Spiels, mit einer fortlaufenden Zählung jeder Blattwertung, wird von selbst geführt und lässt sich jederzeit ansehen.
</translation>
    </message>
    <message>
        <source>To view the current game statistics, select the &apos;Stats&apos; option from the &apos;Game&apos; menu.
</source>
        <translation>Um die Statistik des laufenden Spiels anzusehen, wählen Sie „Statistik“ im Menü „Spiel“.
</translation>
    </message>
    <message>
        <source>The statistics change only when a hand is over, so the window always shows the figures as of the last finished hand.
</source>
        <translation>Die Statistik ändert sich nur, wenn eine Hand vorbei ist; das Fenster zeigt also immer den Stand nach der letzten beendeten Hand.
</translation>
    </message>
    <message>
        <source>
SAVING GAME STATISTICS:
</source>
        <translation>
SPIELSTATISTIK SPEICHERN:
</translation>
    </message>
    <message>
        <source>You can save the current statistics at any time and open them again later in the statistics window.
</source>
        <translation>Sie können die aktuelle Statistik jederzeit speichern und später im Statistikfenster wieder öffnen.
</translation>
    </message>
    <message>
        <source>To save, open the statistics window and choose Save... from its Stats menu, or click its Save Stats toolbar button.
</source>
        <translation>Zum Speichern öffnen Sie das Statistikfenster und wählen „Speichern...“ in dessen Menü „Statistik“, oder Sie klicken dort auf die Schaltfläche „Statistik speichern“.
</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:
</source>
        <translation>GESPEICHERTE STATISTIK ANSEHEN:
</translation>
    </message>
    <message>
        <source>Saved statistics can be viewed at any time during a game. Opening a saved file shows its figures in place of the current ones for as long as you look at them; Current Game in the same menu brings the current figures back.
</source>
        <translation>Gespeicherte Statistiken lassen sich während eines Spiels jederzeit ansehen. Eine geöffnete Datei zeigt ihre Zahlen anstelle der aktuellen, solange Sie sie betrachten; „Laufendes Spiel“ im selben Menü holt die aktuellen Zahlen zurück.
</translation>
    </message>
    <message>
        <source>Choose Open... from the Stats menu of the statistics window, or click its Open saved Stats toolbar button.
</source>
        <translation>Wählen Sie „Öffnen...“ im Menü „Statistik“ des Statistikfensters, oder klicken Sie dort auf die Schaltfläche „Gespeicherte Statistik öffnen“.
</translation>
    </message>
    <message>
        <source>Saving is meant for keeping a record of your best games. Saved figures can only be looked at: they never become the figures of the game in play.
</source>
        <translation>Das Speichern ist dazu da, Ihre besten Spiele festzuhalten. Gespeicherte Zahlen kann man nur ansehen: Sie werden nie zu den Zahlen des laufenden Spiels.
</translation>
    </message>
    <message>
        <source>
THE COACH:
</source>
        <translation>
DER COACH:
</translation>
    </message>
    <message>
        <source>The Coach looks over your shoulder while you discard. It weighs every draw the house allows for the five cards you were dealt, from standing pat to throwing three cards, or four when the card you keep is an Ace, and ranks them by how they fare against the Dealer.
</source>
        <translation>Der Coach schaut Ihnen beim Ablegen über die Schulter. Er wägt jeden Tausch ab, den das Haus für Ihre fünf ausgeteilten Karten erlaubt, vom Stehenbleiben bis zum Ablegen von drei Karten, oder vier, wenn die behaltene Karte ein Ass ist, und ordnet sie danach, wie sie sich gegen den Geber schlagen.
</translation>
    </message>
    <message>
        <source>To open or close the Coach, select &apos;Coach&apos; from the &apos;Game&apos; menu, or press Ctrl+K.
</source>
        <translation>Um den Coach zu öffnen oder zu schließen, wählen Sie „Coach“ im Menü „Spiel“ oder drücken Strg+K.
</translation>
    </message>
    <message>
        <source>
LICENSE AGREEMENT:
</source>
        <translation>
LIZENZVEREINBARUNG:
</translation>
    </message>
    <message>
        <source>Brindlewharf is copyright (c) 2026 the Brindlewharf developers and is free software under the MIT License. Anyone who obtains a copy may use it, copy it, change it, merge it into other work, publish it, pass it on, sublicense it and sell copies of it, free of charge and without further restriction, provided that the copyright notice and this permission go along with every copy or substantial part of it. The full terms come with the game, in the file %1.
</source>
        <translation>Brindlewharf ist urheberrechtlich geschützt, Copyright (c) 2026 die Brindlewharf-Entwickler, und ist freie Software unter der MIT-Lizenz. Wer eine Kopie erhält, darf sie kostenlos und ohne weitere Einschränkung benutzen, kopieren, ändern, mit anderen Werken zusammenführen, veröffentlichen, weitergeben, unterlizenzieren und Kopien davon verkaufen, sofern der Copyright-Hinweis und diese Erlaubnis jeder Kopie und jedem wesentlichen Teil beiliegen. Der vollständige Lizenztext (englisch) liegt dem Spiel bei, in der Datei %1.
</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:
</source>
        <translation>GEWÄHRLEISTUNGSAUSSCHLUSS:
</translation>
    </message>
    <message>
        <source>The game is provided as it is, without warranty of any kind, stated or implied: no promise that it is fit to be sold, that it suits any particular purpose, or that it infringes no one&apos;s rights. In no case are its authors or copyright holders liable for any claim, damages or other liability, whether under a contract, a tort or otherwise, arising from the game, its use or other dealings in it.
</source>
        <translation>Das Spiel wird so überlassen, wie es ist, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art: kein Versprechen, dass es verkäuflich ist, dass es sich für einen bestimmten Zweck eignet oder dass es keine Rechte Dritter verletzt. Die Autoren oder Rechteinhaber haften in keinem Fall für Ansprüche, Schäden oder sonstige Haftung, ob aus Vertrag, unerlaubter Handlung oder anderweitig, die aus dem Spiel, seiner Nutzung oder dem sonstigen Umgang damit entstehen.
</translation>
    </message>
    <message>
        <source>
CONTACTING THE AUTHOR:
</source>
        <translation>
KONTAKT ZU DEN ENTWICKLERN:
</translation>
    </message>
    <message>
        <source>Brindlewharf is made in the open by its developers, and what players tell us shapes the next version. We would be glad to hear from you.
</source>
        <translation>Brindlewharf wird von seinen Entwicklern offen entwickelt, und was Spieler uns sagen, prägt die nächste Version. Wir freuen uns, von Ihnen zu hören.
</translation>
    </message>
    <message>
        <source>Write to us to:
  - report a bug or a hand that was scored wrongly,
  - suggest a feature or a house rule,
  - tell us what you think of the card backs and the help,
  - brag about your best game.
</source>
        <translation>Schreiben Sie uns, um:
  - einen Fehler oder eine falsch gewertete Hand zu melden,
  - eine Funktion oder eine Hausregel vorzuschlagen,
  - uns zu sagen, was Sie von den Kartenrücken und der Hilfe halten,
  - mit Ihrem besten Spiel anzugeben.
</translation>
    </message>
    <message>
        <source>Send e-mail to:
</source>
        <translation>E-Mail an:
</translation>
    </message>
    <message>
        <source>The Brindlewharf developers</source>
        <translation>Die Brindlewharf-Entwickler</translation>
    </message>
    <message>
        <source>The game has no mailbox of its own: please write to us by opening an issue on the issue tracker of Brindlewharf&apos;s source repository, where its source code is published.
</source>
        <translation>Das Spiel hat kein eigenes Postfach: Bitte schreiben Sie uns, indem Sie im Issue-Tracker des Quellcode-Repositorys von Brindlewharf, wo sein Quellcode veröffentlicht ist, ein Issue eröffnen.
</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Royal Flush
(Pik)</translation>
    </message>
    <message>
        <source>The straight flush A, K, Q, J, 10 of one suit: the highest hand there is in poker with nothing wild. See Straight Flush.</source>
        <translation>Der Straight Flush A, K, Q, J, 10 in einer Farbe: das höchste Blatt, das es im Poker ohne Joker gibt. Siehe Straight Flush.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Straight Flush, Acht hoch 
(Karo)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, such as 8, 7, 6, 5, 4 of diamonds. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace may count low, which makes 5-4-3-2-A the lowest straight flush. Suits never break a tie.</source>
        <translation>Fünf Karten einer Farbe in lückenloser Folge, etwa Karo 8, 7, 6, 5, 4. Die höchste Karte entscheidet, also schlägt 9-8-7-6-5 die 7-6-5-4-3. Das Ass darf niedrig zählen; damit ist 5-4-3-2-A der niedrigste Straight Flush. Die Farben entscheiden nie einen Gleichstand.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Vierling Siebenen</translation>
    </message>
    <message>
        <source>Four cards of one rank and an odd card, the kicker, such as 7, 7, 7, 7, K. The four decide, so K-K-K-K-4 beats 10-10-10-10-A.</source>
        <translation>Vier Karten desselben Werts und eine einzelne Karte, der Kicker, etwa 7, 7, 7, 7, K. Die vier entscheiden, also schlägt K-K-K-K-4 die 10-10-10-10-A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full House
(Zweien mit Fünfen)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another, such as 2, 2, 2, 5, 5. The three decide, so 4-4-4-3-3 beats 2-2-2-A-A.</source>
        <translation>Drei Karten eines Werts und zwei eines anderen, etwa 2, 2, 2, 5, 5. Die drei entscheiden, also schlägt 4-4-4-3-3 die 2-2-2-A-A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Flush, König hoch
(Pik)</translation>
    </message>
    <message>
        <source>Five cards of one suit, such as K, 9, 5, 4, 2 of spades. The highest card decides, then the next, down to the lowest, so A-7-5-4-2 beats K-Q-J-10-8 and J-8-7-5-3 beats J-8-7-5-2. Suits never break a tie.</source>
        <translation>Fünf Karten einer Farbe, etwa Pik K, 9, 5, 4, 2. Die höchste Karte entscheidet, dann die nächste, bis hinunter zur niedrigsten, also schlägt A-7-5-4-2 die K-Q-J-10-8 und J-8-7-5-3 die J-8-7-5-2. Die Farben entscheiden nie einen Gleichstand.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Straße, Bube hoch</translation>
    </message>
    <message>
        <source>Five cards in sequence, such as J, 10, 9, 8, 7. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace counts high or low: A-K-Q-J-10 and 5-4-3-2-A are both straights.</source>
        <translation>Fünf Karten in lückenloser Folge, etwa J, 10, 9, 8, 7. Die höchste Karte entscheidet, also schlägt 9-8-7-6-5 die 7-6-5-4-3. Das Ass zählt hoch oder niedrig: A-K-Q-J-10 und 5-4-3-2-A sind beide Straßen.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Drilling Neunen</translation>
    </message>
    <message>
        <source>Three cards of one rank and two kickers of different ranks, such as 9, 9, 9, J, 7. The three decide, so Q-Q-Q-2-4 beats J-J-J-A-K, and K-K-K-2-3 beats Q-Q-Q-A-K.</source>
        <translation>Drei Karten eines Werts und zwei Kicker verschiedenen Werts, etwa 9, 9, 9, J, 7. Die drei entscheiden, also schlägt Q-Q-Q-2-4 die J-J-J-A-K und K-K-K-2-3 die Q-Q-Q-A-K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Zwei Paare
(Buben und Vieren)</translation>
    </message>
    <message>
        <source>Two cards of one rank, two of another and a kicker of a third, such as J, J, 4, 4, 7. The top pair decides, then the bottom pair, then the kicker, so K-K-4-4-7 beats Q-Q-J-J-A, K-K-3-3-A and K-K-4-4-5.</source>
        <translation>Zwei Karten eines Werts, zwei eines anderen und ein Kicker eines dritten, etwa J, J, 4, 4, 7. Das höhere Paar entscheidet, dann das niedrigere, dann der Kicker, also schlägt K-K-4-4-7 die Q-Q-J-J-A, die K-K-3-3-A und die K-K-4-4-5.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Paar Damen
(Neun als Kicker)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks, such as Q, Q, 2, 4, 9. The pair decides, then each kicker in turn from the highest, so 4-4-A-J-7 beats 4-4-A-10-9.</source>
        <translation>Zwei Karten eines Werts und drei Kicker verschiedenen Werts, etwa Q, Q, 2, 4, 9. Das Paar entscheidet, dann der Reihe nach jeder Kicker vom höchsten an, also schlägt 4-4-A-J-7 die 4-4-A-10-9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Höchste Karte</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Ass hoch
(Bube als Kicker)</translation>
    </message>
    <message>
        <source>Any hand that is none of the above, such as A, J, 6, 3, 2 of mixed suits. The highest card decides, then the second, and so on down to the lowest. Suits never break a tie.</source>
        <translation>Jedes Blatt, das nichts von alledem ist, etwa A, J, 6, 3, 2 in gemischten Farben. Die höchste Karte entscheidet, dann die zweite, und so weiter bis zur niedrigsten. Die Farben entscheiden nie einen Gleichstand.</translation>
    </message>
    <message>
        <source>Press Hint to have your cards turned to the best draw.
</source>
        <translation>Drücken Sie „Tipp“, und Ihre Karten werden für den besten Tausch umgedreht.
</translation>
    </message>
    <message>
        <source>While you discard, the Coach shows your cards and the three best draws. For each it gives the cards to throw and four figures. Win is the chance, in percent, that your hand then beats the Dealer&apos;s; Push the chance of a tie, when you get your bet back; Lose the chance that the Dealer&apos;s hand beats yours. Average is what the draw wins or loses on average at your bet, in dollars: +$2.50 at a $10 bet means a quarter of your bet won, taken over many hands like this one. Most draws lose a little on average, even the best: that is the House&apos;s edge, and the best draw is the one that loses least. A line below the table says how closely the figures are known, and another why the best draw is best, such as keeping a pair of Kings or drawing to a flush. The cards you turn down fade in the Coach&apos;s picture, and once you turn one it shows where your draw stands among all the draws.
</source>
        <translation>Während Sie ablegen, zeigt der Coach Ihre Karten und die drei besten Tausche. Zu jedem nennt er die Karten, die Sie ablegen, und vier Zahlen. „Gewinn“ ist die Chance in Prozent, dass Ihr Blatt danach das des Gebers schlägt; „Unentschieden“ die Chance auf ein Unentschieden, bei dem Sie Ihren Einsatz zurückbekommen; „Verlust“ die Chance, dass das Blatt des Gebers Ihres schlägt. „Schnitt“ ist, was der Tausch bei Ihrem Einsatz im Durchschnitt gewinnt oder verliert, in Dollar: +$2.50 bei $10 Einsatz heißt, dass Sie ein Viertel Ihres Einsatzes gewinnen, gerechnet über viele Hände wie diese. Die meisten Tausche verlieren im Schnitt ein wenig, selbst der beste: Das ist der Vorteil des Hauses, und der beste Tausch ist der, der am wenigsten verliert. Eine Zeile unter der Tabelle sagt, wie genau die Zahlen bekannt sind, eine weitere, warum der beste Tausch der beste ist, etwa weil er ein Paar Könige behält oder auf einen Flush zieht. Die Karten, die Sie umdrehen, werden im Bild des Coachs blass, und sobald Sie eine umdrehen, zeigt er, wo Ihr Tausch unter allen Tauschen steht.
</translation>
    </message>
    <message>
        <source>After your draw it tells you whether you chose the best draw, or how far below the best your choice was, and keeps a tally of the game: the draws it judged, how many were the best, how many you took on a hint, and how much more the best draws would have won than yours, on average, at your bets. When your hand wins or ties anyway, it only tells you what the best draw would have been. New Game starts the tally afresh.
</source>
        <translation>Nach Ihrem Tausch sagt er Ihnen, ob Sie den besten Tausch gewählt haben oder wie weit Ihre Wahl unter dem besten lag, und führt Buch über das Spiel: die bewerteten Tausche, wie viele davon die besten waren, wie viele Sie auf einen Tipp hin gemacht haben und wie viel die besten Tausche bei Ihren Einsätzen im Schnitt mehr gewonnen hätten als Ihre. Gewinnt Ihr Blatt trotzdem oder endet es unentschieden, sagt er Ihnen nur, welcher Tausch der beste gewesen wäre. „Neues Spiel“ beginnt die Zählung von vorn.
</translation>
    </message>
    <message>
        <source>The figures come from the Dealer&apos;s fixed rule: the Dealer never sees your cards and always draws the same way, so the Coach can play out tens of thousands of the Dealer&apos;s hands, and every draw you could get against each. The figures are averages over those deals, not a promise about the next hand, and each is shown only as finely as it is known. The Dealer&apos;s luck moves every draw alike, so how far one draw falls below another is known far better than either average: for draws close to each other, to about a tenth of a cent per dollar bet. Draws closer than that are called as good as the best, and either is a fine choice. The Coach never changes how the cards are shuffled or dealt.
</source>
        <translation>Die Zahlen beruhen auf der festen Regel des Gebers: Der Geber sieht Ihre Karten nie und tauscht immer auf dieselbe Weise, also kann der Coach Zehntausende Blätter des Gebers durchspielen und gegen jedes alle Karten, die Sie ziehen könnten. Die Zahlen sind Durchschnitte über diese Runden, kein Versprechen für die nächste Hand, und jede wird nur so genau angezeigt, wie sie bekannt ist. Das Glück des Gebers trifft alle Tausche gleich, daher ist der Abstand zwischen zwei Tauschen viel genauer bekannt als jeder der beiden Durchschnitte: bei nah beieinanderliegenden Tauschen auf etwa ein Zehntel Cent je gesetztem Dollar. Liegen zwei Tausche noch näher beieinander, gelten sie als so gut wie der beste, und beide sind eine gute Wahl. Der Coach ändert nie, wie die Karten gemischt oder gegeben werden.
</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Loss, bankrupt</source>
        <translation>Verloren, pleite</translation>
    </message>
    <message>
        <source>As good as best</source>
        <translation>So gut wie das Beste</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, umgedreht</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Höchste Karte</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Bester Tausch</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>Kein Urteil</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Ausgeteilt</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Getauscht</translation>
    </message>
    <message>
        <source>Dealer&apos;s cards</source>
        <translation>Karten des Gebers</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Ihr Blatt</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand</source>
        <translation>Blatt des Gebers</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>%1 below best</source>
        <translation>%1 weniger</translation>
    </message>
</context>
<context>
    <name>LeakPage</name>
    <message>
        <source>Stood pat</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <source>Broke a made hand</source>
        <translation>Fertiges Blatt aufgelöst</translation>
    </message>
    <message>
        <source>Broke a pair</source>
        <translation>Paar aufgelöst</translation>
    </message>
    <message>
        <source>Kept a kicker</source>
        <translation>Kicker behalten</translation>
    </message>
    <message>
        <source>Chased a flush</source>
        <translation>Einem Flush nachgejagt</translation>
    </message>
    <message>
        <source>Drew to an inside straight</source>
        <translation>Auf eine Straße mit Lücke gezogen</translation>
    </message>
    <message>
        <source>Chased an open straight</source>
        <translation>Einer offenen Straße nachgejagt</translation>
    </message>
    <message>
        <source>Threw a keeper</source>
        <translation>Gute Karte abgelegt</translation>
    </message>
    <message>
        <source>Kept the wrong cards</source>
        <translation>Die falschen Karten behalten</translation>
    </message>
    <message>
        <source>You kept all five cards where drawing was better.</source>
        <translation>Sie haben alle fünf Karten behalten, wo Tauschen besser gewesen wäre.</translation>
    </message>
    <message>
        <source>You broke up a straight or better that was worth more kept whole.</source>
        <translation>Sie haben eine Straße oder Besseres aufgelöst, die ganz behalten mehr wert war.</translation>
    </message>
    <message>
        <source>You threw away a card of a pair that was worth keeping.</source>
        <translation>Sie haben eine Karte eines Paares abgelegt, das es wert war, behalten zu werden.</translation>
    </message>
    <message>
        <source>You kept an extra card beside the good ones instead of drawing to them.</source>
        <translation>Sie haben neben den guten Karten eine zusätzliche behalten, statt dazu zu tauschen.</translation>
    </message>
    <message>
        <source>You kept four cards of a suit where other cards were worth more.</source>
        <translation>Sie haben vier Karten einer Farbe behalten, wo andere Karten mehr wert waren.</translation>
    </message>
    <message>
        <source>You kept four cards to a straight that only one rank can fill.</source>
        <translation>Sie haben vier Karten zu einer Straße behalten, die nur ein einziger Kartenwert vervollständigt.</translation>
    </message>
    <message>
        <source>You kept four cards in a row where other cards were worth more.</source>
        <translation>Sie haben vier Karten in Folge behalten, wo andere Karten mehr wert waren.</translation>
    </message>
    <message>
        <source>You threw away a card that was worth keeping.</source>
        <translation>Sie haben eine Karte abgelegt, die es wert war, behalten zu werden.</translation>
    </message>
    <message>
        <source>You kept other cards than the ones worth keeping.</source>
        <translation>Sie haben andere Karten behalten als die, die es wert waren.</translation>
    </message>
    <message>
        <source>Mistakes by kind, costliest first</source>
        <translation>Fehler nach Art, der teuerste zuerst</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Cost each time</source>
        <translation>Kosten je Mal</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>Was es heißt</translation>
    </message>
    <message>
        <source>The coach has not judged any of your draws yet. Open the coach (Ctrl+K) while you play: every draw it judges is kept here, and the ones that were not the best show where your money goes.</source>
        <translation>Der Coach hat noch keinen Ihrer Tausche bewertet. Öffnen Sie den Coach (Strg+K), während Sie spielen: Jeder Tausch, den er bewertet, wird hier festgehalten, und die nicht besten zeigen, wohin Ihr Geld geht.</translation>
    </message>
    <message>
        <source>The coach judged %1 of your draws, and every one was as good as the best. Nothing lost!</source>
        <translation>Der Coach hat %1 Ihrer Tausche bewertet, und jeder war so gut wie der beste. Nichts verloren!</translation>
    </message>
    <message>
        <source>The coach judged %1 of your draws. The ones that were not the best cost you %2 in all: %3 a hand on average, against the best draw every time.</source>
        <translation>Der Coach hat %1 Ihrer Tausche bewertet. Die nicht besten haben Sie insgesamt %2 gekostet: im Schnitt %3 je Hand gegenüber dem jeweils besten Tausch.</translation>
    </message>
    <message>
        <source>%1. %2: %3 over %4.</source>
        <translation>%1. %2: %3 in %4.</translation>
    </message>
    <message>
        <source>   The costliest, game %1, hand %2: dealt %3; you kept %4, the best hold keeps %5 (%6 below it).</source>
        <translation>   Die teuerste, Spiel %1, Hand %2: ausgeteilt %3; Sie behielten %4, der beste Tausch behält %5 (%6 darunter).</translation>
    </message>
    <message>
        <source>Your three costliest leaks:</source>
        <translation>Ihre drei teuersten Schwachstellen:</translation>
    </message>
</context>
<context>
    <name>LifetimePage</name>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Lifetime figures</source>
        <translation>Gesamtbilanz</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Bankruptcies</source>
        <translation>Pleiten</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Gewonnene Hände</translation>
    </message>
    <message>
        <source>Hands lost</source>
        <translation>Verlorene Hände</translation>
    </message>
    <message>
        <source>Hands pushed</source>
        <translation>Unentschiedene Hände</translation>
    </message>
    <message>
        <source>Money won</source>
        <translation>Gewonnenes Geld</translation>
    </message>
    <message>
        <source>Money lost</source>
        <translation>Verlorenes Geld</translation>
    </message>
    <message>
        <source>Won less lost</source>
        <translation>Gewinn minus Verlust</translation>
    </message>
    <message>
        <source>Best hand</source>
        <translation>Bestes Blatt</translation>
    </message>
    <message>
        <source>Largest pot</source>
        <translation>Größter Pot</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Längste Gewinnserie</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Längste Verlustserie</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keines</translation>
    </message>
    <message>
        <source>High card: %1</source>
        <translation>Höchste Karte: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n Hand</numerusform>
            <numerusform>%n Hände</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>$%1</source>
        <translation>%1&#xa0;$</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>You&apos;re Broke!</source>
        <translation>Pleite!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Credit Extension</source>
        <translation>Kreditrahmen</translation>
    </message>
    <message>
        <source>Approved!</source>
        <translation>erweitert!</translation>
    </message>
    <message>
        <source>Five-card draw against the House</source>
        <translation>Fünf-Karten-Draw gegen das Haus</translation>
    </message>
    <message>
        <source>© 2026 the</source>
        <translation>© 2026 die</translation>
    </message>
    <message>
        <source>Brindlewharf developers</source>
        <translation>Brindlewharf-Entwickler</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Ungültiges Zeichen im Einsatz!</translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Einsatzfehler</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>So viel haben Sie nicht!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>Ihr letzter Einsatz übersteigt Ihr Guthaben!
         Setzen Sie weniger.</translation>
    </message>
    <message>
        <source>Bet Overflow</source>
        <translation>Einsatz zu hoch</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Das ist kein Einsatz!
      Noch einmal.</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Ungültiger Einsatz</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>So viel haben Sie nicht!
       Noch einmal.</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Sie müssen etwas setzen.</translation>
    </message>
    <message>
        <source>The bank can&apos;t hold a win that big!
      Decrease your bet..</source>
        <translation>So viel Gewinn fasst Ihr Guthaben nicht!
      Setzen Sie weniger.</translation>
    </message>
    <message>
        <source>You must enter a valid bet.
      Try Again..</source>
        <translation>Bitte geben Sie einen gültigen Einsatz ein.
      Noch einmal.</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try Again..</source>
        <translation>So viel haben Sie nicht!
       Noch einmal.</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Ungültiger Tausch</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>Sie dürfen keine 5 tauschen!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>Vier Karten nur, wenn Sie ein Ass behalten!</translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>Der Name darf höchstens 10 Zeichen haben.
        Noch einmal.</translation>
    </message>
    <message>
        <source>Name must not hold tabs or line breaks.
        Try Again..</source>
        <translation>Der Name darf keine Tabulatoren oder Zeilenumbrüche enthalten.
        Noch einmal.</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Brindlewharf</source>
        <translation>Über Brindlewharf</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
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
        <translation>&lt;p&gt;&lt;b&gt;Brindlewharf 1.1&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Copyright (c) 2026 die Brindlewharf-Entwickler&lt;/p&gt;
&lt;p&gt;Brindlewharf ist freie Software unter der MIT-Lizenz
(SPDX-Kennung &lt;tt&gt;MIT&lt;/tt&gt;). Sie dürfen es benutzen, kopieren, ändern, mit anderen Werken
zusammenführen, veröffentlichen, weitergeben, unterlizenzieren und Kopien davon verkaufen, solange
die Copyright-Zeile oben und diese Erlaubnis jeder Kopie und jedem wesentlichen Teil beiliegen.
Der vollständige Lizenztext (englisch) liegt dem Spiel bei, in der Datei %1.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Keine Gewährleistung.&lt;/b&gt; Das Spiel wird so überlassen, wie es ist. Seine Entwickler versprechen
nichts darüber, weder dass es funktioniert noch dass es für irgendeinen Zweck taugt, und sie haften
nicht für Ansprüche, Schäden oder andere Verluste, die aus seiner Nutzung oder dem Handel damit entstehen.&lt;/p&gt;
&lt;p&gt;Alle Bilder des Spiels haben seine Entwickler eigens dafür gezeichnet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Brindlewharf, Version 1.1, © 2026 the Brindlewharf developers</source>
        <translation>Brindlewharf, Version 1.1, © 2026 die Brindlewharf-Entwickler</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>TCoachBox</name>
    <message>
        <source>Stand pat</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>stand pat</source>
        <translation>alle behalten</translation>
    </message>
    <message>
        <source>throw %1</source>
        <translation>%1 ablegen</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Stands pat on a %1</source>
        <translation>Behält alle fünf: %1</translation>
    </message>
    <message>
        <source>Keeps four %1</source>
        <translation>Behält vier %1</translation>
    </message>
    <message>
        <source>Keeps three %1</source>
        <translation>Behält drei %1</translation>
    </message>
    <message>
        <source>Keeps two pair, %1 high</source>
        <translation>Behält zwei Paare, %1 hoch</translation>
    </message>
    <message>
        <source>Keeps a pair of %1</source>
        <translation>Behält ein Paar %1</translation>
    </message>
    <message>
        <source>Draws one card to a straight flush</source>
        <translation>Zieht eine Karte zum Straight Flush</translation>
    </message>
    <message>
        <source>Draws one card to a flush</source>
        <translation>Zieht eine Karte zum Flush</translation>
    </message>
    <message>
        <source>Draws one card to a straight</source>
        <translation>Zieht eine Karte zur Straße</translation>
    </message>
    <message>
        <source>Keeps the Ace and draws four</source>
        <translation>Behält das Ass und tauscht vier</translation>
    </message>
    <message>
        <source>Keeps the %1 and draws four</source>
        <translation>Behält eine Karte (%1) und tauscht vier</translation>
    </message>
    <message numerus="yes">
        <source>Keeps the %n highest cards, %1 high</source>
        <translation>
            <numerusform>Behält die höchste Karte (%1)</numerusform>
            <numerusform>Behält die %n höchsten Karten, %1 hoch</numerusform>
        </translation>
    </message>
    <message>
        <source>Throw: the cards to turn down. Win, Push, Lose: the chances that your hand then beats the Dealer&apos;s, ties it (you get your bet back) or loses to it. Average: what the draw wins or loses on average at your bet.</source>
        <translation>Ablegen: die Karten, die Sie umdrehen. Gewinn, Unentschieden, Verlust: die Chancen, dass Ihr Blatt danach das des Gebers schlägt, mit ihm gleichzieht (Sie bekommen Ihren Einsatz zurück) oder ihm unterliegt. Schnitt: was der Tausch bei Ihrem Einsatz im Durchschnitt gewinnt oder verliert.</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Best holds against the Dealer&apos;s rule</source>
        <translation>Beste Tausche gegen die Regel des Gebers</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Where the cards you have turned stand among all the draws, and what they win or lose on average at your bet.</source>
        <translation>Wo Ihre umgedrehten Karten unter allen Tauschen stehen und was sie bei Ihrem Einsatz im Schnitt gewinnen oder verlieren.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Turn your cards to the best hold</source>
        <translation>Ihre Karten für den besten Tausch umdrehen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No verdict: the draw came before the odds were ready</source>
        <translation>Kein Urteil: Getauscht, bevor die Chancen feststanden</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Bester Tausch</translation>
    </message>
    <message>
        <source>You won this one.</source>
        <translation>Gewonnen.</translation>
    </message>
    <message>
        <source>A push this time.</source>
        <translation>Diesmal unentschieden.</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, umgedreht</translation>
    </message>
    <message>
        <source>The coach ranks your holds when the cards are dealt.</source>
        <translation>Der Coach bewertet die Tausche nach dem Geben.</translation>
    </message>
    <message>
        <source>Working out the odds...</source>
        <translation>Die Chancen werden berechnet...</translation>
    </message>
    <message>
        <source>, as good as the best</source>
        <translation>, so gut wie der beste</translation>
    </message>
    <message>
        <source>Why: %1</source>
        <translation>Warum: %1</translation>
    </message>
    <message>
        <source>You stood pat</source>
        <translation>Sie haben alle behalten</translation>
    </message>
    <message>
        <source>You stand pat</source>
        <translation>Sie behalten alle</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Sie haben %1 abgelegt</translation>
    </message>
    <message>
        <source>You throw %1</source>
        <translation>Sie legen %1 ab</translation>
    </message>
    <message>
        <source>Not a legal draw: %1</source>
        <translation>Unzulässig: %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3 on average</source>
        <translation>%1 von %2, im Schnitt %3</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <translation>%1 von %2, %3</translation>
    </message>
    <message>
        <source>As good as the best: within %1 at your bet</source>
        <translation>So gut wie der beste: bis auf %1 bei Ihrem Einsatz</translation>
    </message>
    <message>
        <source>%1 The best hold was %2, worth %3 more on average at your bet.</source>
        <translation>%1 Am besten war: %2, im Schnitt %3 mehr bei Ihrem Einsatz.</translation>
    </message>
    <message>
        <source>%1 of %2: the best hold averages %3 more at your bet</source>
        <translation>%1 von %2: Der beste Tausch bringt bei Ihrem Einsatz im Schnitt %3 mehr</translation>
    </message>
    <message>
        <source>Averages within %1 at your bet; how far each is below the first, within %2.</source>
        <translation>Durchschnitte bei Ihrem Einsatz auf %1 genau; der Abstand jedes Tauschs zum ersten auf %2 genau.</translation>
    </message>
    <message>
        <source>Best: %1. %2</source>
        <translation>Am besten: %1. %2</translation>
    </message>
    <message>
        <source>The House&apos;s edge makes most holds lose on average; the first line loses least.</source>
        <translation>Durch den Vorteil des Hauses verlieren die meisten Tausche im Schnitt; die erste Zeile verliert am wenigsten.</translation>
    </message>
    <message>
        <source>The House&apos;s edge makes most holds lose on average; with this hand the first line wins.</source>
        <translation>Durch den Vorteil des Hauses verlieren die meisten Tausche im Schnitt; mit diesem Blatt gewinnt die erste Zeile.</translation>
    </message>
    <message>
        <source>This game: draws judged %1, best holds %2, on a hint %3.</source>
        <translation>Dieses Spiel: bewertete Tausche %1, beste Tausche %2, mit Tipp %3.</translation>
    </message>
    <message>
        <source>The best holds would have won %1 more on average.</source>
        <translation>Die besten Tausche hätten im Schnitt %1 mehr gewonnen.</translation>
    </message>
    <message>
        <source>Every draw was a best hold.</source>
        <translation>Jeder Tausch war einer der besten.</translation>
    </message>
    <message>
        <source>Hold %1 of %2%3: %4</source>
        <translation>Tausch %1 von %2%3: %4</translation>
    </message>
    <message>
        <source>Keeps a pair of %1 and the %2</source>
        <translation>Behält ein Paar %1 und %2 als Kicker</translation>
    </message>
    <message>
        <source>Keeps three cards to a straight flush</source>
        <translation>Behält drei Karten zum Straight Flush</translation>
    </message>
    <message>
        <source>Keeps three cards of one suit</source>
        <translation>Behält drei Karten einer Farbe</translation>
    </message>
    <message>
        <source>Keeps three cards to a straight</source>
        <translation>Behält drei Karten zur Straße</translation>
    </message>
    <message>
        <source>Keeps two cards of one suit, %1 high</source>
        <translation>Behält zwei Karten einer Farbe, %1 hoch</translation>
    </message>
    <message>
        <source>Keeps two cards in sequence, %1 high</source>
        <translation>Behält zwei aufeinanderfolgende Karten, %1 hoch</translation>
    </message>
    <message>
        <source>Keeps %1</source>
        <translation>Behält %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>im Schnitt %1 Verlust</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>im Schnitt %1 Gewinn</translation>
    </message>
    <message>
        <source>Your cards already stand as the coach&apos;s best hold: %1.</source>
        <translation>Ihre Karten liegen schon wie der beste Tausch des Coachs: %1.</translation>
    </message>
    <message>
        <source>The coach set its best hold: %1.</source>
        <translation>Der Coach hat seinen besten Tausch eingestellt: %1.</translation>
    </message>
    <message>
        <source>Coach open. Best hold: %1.</source>
        <translation>Coach geöffnet. Bester Tausch: %1.</translation>
    </message>
    <message>
        <source>Coach open, working out the odds.</source>
        <translation>Coach geöffnet, die Chancen werden berechnet.</translation>
    </message>
    <message>
        <source>Coach open.</source>
        <translation>Coach geöffnet.</translation>
    </message>
    <message>
        <source>Coach closed.</source>
        <translation>Coach geschlossen.</translation>
    </message>
    <message>
        <source>Coach&apos;s best hold: %1.</source>
        <translation>Bester Tausch des Coachs: %1.</translation>
    </message>
    <message>
        <source>keep %1 and throw %2</source>
        <translation>%1 behalten und %2 ablegen</translation>
    </message>
</context>
<context>
    <name>TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Kartenspiel wählen</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Space frames this back, Enter chooses it</source>
        <translation>Leertaste rahmt diesen Rücken ein, Eingabe wählt ihn</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>Not chosen while Randomize is ticked: every hand gets a new back</source>
        <translation>Nicht wählbar, solange „Zufällig“ angehakt ist: Jede Hand bekommt einen neuen Rücken</translation>
    </message>
</context>
<context>
    <name>TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>Pleite!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Danke fürs Spielen</translation>
    </message>
    <message>
        <source>Brindlewharf! </source>
        <translation>Brindlewharf! </translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf</source>
        <translation>© 2026 die Brindlewharf-</translation>
    </message>
    <message>
        <source>developers</source>
        <translation>Entwickler</translation>
    </message>
    <message>
        <source>You&apos;re Broke! Game Over. Credit Extension Approved!</source>
        <translation>Sie sind pleite! Spiel vorbei. Neuer Kredit genehmigt!</translation>
    </message>
</context>
<context>
    <name>THelpBox</name>
    <message>
        <source>Brindlewharf Help</source>
        <translation>Brindlewharf-Hilfe</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Brindlewharf:</source>
        <translation>Brindlewharf:</translation>
    </message>
    <message>
        <source>Game Overview</source>
        <translation>Spielüberblick</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Hausregeln:</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>Das Geben</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>Karten tauschen</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>Der Showdown</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Funktionen:</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Kartenspiel wählen</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Spielstatistik speichern</translation>
    </message>
    <message>
        <source>The Coach</source>
        <translation>Der Coach</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Sonstiges:</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Kontakt zu den Entwicklern</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Blattwertungen</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Blattwertungen:</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Royal Flush</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Straight Flush</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Vierling</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full House</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Flush</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Straße</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Drilling</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Zwei Paare</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Paar</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Höchste Karte</translation>
    </message>
    <message>
        <source>Brindlewharf</source>
        <translation>Brindlewharf</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf developers</source>
        <translation>© 2026 die Brindlewharf-Entwickler</translation>
    </message>
    <message>
        <source>MIT License</source>
        <translation>MIT-Lizenz</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Hand rank description</source>
        <translation>Beschreibung der Blattwertung</translation>
    </message>
</context>
<context>
    <name>THistoryBox</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Hands of this game, newest first</source>
        <translation>Hände dieses Spiels, die neueste zuerst</translation>
    </message>
    <message>
        <source>Dealt (turned down cards faded)</source>
        <translation>Ausgeteilt (umgedrehte Karten blass)</translation>
    </message>
    <message>
        <source>After the draw</source>
        <translation>Nach dem Tausch</translation>
    </message>
    <message>
        <source>The Dealer&apos;s final hand</source>
        <translation>Das Endblatt des Gebers</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Hand %1</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Noch keine Hände</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Ausgeteilt</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, umgedreht</translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <translation>%1, Karte %2: %3</translation>
    </message>
    <message>
        <source>Export Hand History</source>
        <translation>Handverlauf exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>%1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Fehler beim Exportieren</translation>
    </message>
    <message>
        <source>&amp;This Game</source>
        <translation>&amp;Dieses Spiel</translation>
    </message>
    <message>
        <source>Back to the hands of the game in play</source>
        <translation>Zurück zu den Händen des laufenden Spiels</translation>
    </message>
    <message>
        <source>Every game, newest first</source>
        <translation>Alle Spiele, das neueste zuerst</translation>
    </message>
    <message>
        <source>Show &amp;Hands</source>
        <translation>&amp;Hände zeigen</translation>
    </message>
    <message>
        <source>The hands and the chart of the game chosen</source>
        <translation>Die Hände und der Verlauf des gewählten Spiels</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <translation>Gesamtbilanz</translation>
    </message>
    <message>
        <source>Leaks</source>
        <translation>Schwachstellen</translation>
    </message>
    <message>
        <source>A hand could not be written to your hand history (%1). The hands of this game stay in this window until you quit.</source>
        <translation>Eine Hand konnte nicht in Ihren Handverlauf geschrieben werden (%1). Die Hände dieses Spiels bleiben in diesem Fenster, bis Sie das Spiel beenden.</translation>
    </message>
    <message>
        <source>Your hand history could not be read, so it was put aside as %1 and a new one was started.</source>
        <translation>Ihr Handverlauf war nicht lesbar. Er wurde als %1 beiseitegelegt, und ein neuer wurde begonnen.</translation>
    </message>
    <message>
        <source>The file kept for your hand history belonged to another program, so it was renamed %1 and a new hand history was started.</source>
        <translation>Die Datei für Ihren Handverlauf gehörte zu einem anderen Programm. Sie wurde in %1 umbenannt, und ein neuer Handverlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>Your hand history was written by a newer version of Brindlewharf. It is left as it is, and the hands of this run are kept only until you quit.</source>
        <translation>Ihr Handverlauf stammt von einer neueren Version von Brindlewharf. Er bleibt unverändert, und die Hände dieser Sitzung werden nur aufbewahrt, bis Sie das Spiel beenden.</translation>
    </message>
    <message>
        <source>Your hand history could not be opened (%1). The hands of this run are kept only until you quit.</source>
        <translation>Ihr Handverlauf konnte nicht geöffnet werden (%1). Die Hände dieser Sitzung werden nur aufbewahrt, bis Sie das Spiel beenden.</translation>
    </message>
    <message>
        <source>Hand History</source>
        <translation>Handverlauf</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n Hand</numerusform>
            <numerusform>%n Hände</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s game of %2: %3, newest first</source>
        <translation>Spiel von %1 vom %2: %3, die neueste zuerst</translation>
    </message>
    <message>
        <source>Hands of %1&apos;s game of %2, newest first</source>
        <translation>Hände des Spiels von %1 vom %2, die neueste zuerst</translation>
    </message>
    <message>
        <source>This game, newest hand first</source>
        <translation>Dieses Spiel, die neueste Hand zuerst</translation>
    </message>
</context>
<context>
    <name>TIntroDlg</name>
    <message>
        <source>Welcome to Brindlewharf</source>
        <translation>Willkommen bei Brindlewharf</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation>Willkommen bei Brindlewharf!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte Ihren Namen eingeben:</translation>
    </message>
    <message>
        <source>Your starting bank account is $</source>
        <translation>Ihr Startguthaben beträgt $</translation>
    </message>
    <message>
        <source>Enter starting bet amount: </source>
        <translation>Ersten Einsatz eingeben: </translation>
    </message>
    <message>
        <source>(This can be changed before any hand) </source>
        <translation>(Vor jeder Hand änderbar) </translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Karte anklicken</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>für ein anderes Deck</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Deal &apos;em up!</source>
        <translation>&amp;Karten her!</translation>
    </message>
    <message>
        <source>Space shows the next back</source>
        <translation>Leertaste zeigt den nächsten Rücken</translation>
    </message>
    <message>
        <source>Your starting bank account is %1</source>
        <translation>Ihr Startguthaben beträgt %1</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Brindlewharf 1.1</source>
        <translation>Brindlewharf 1.1</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>New Bet:</source>
        <translation>Neuer Einsatz:</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;Stats...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Kartenspiele...</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Coach</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>Ü&amp;ber... </translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>Sie gewinnen!</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>Der Geber gewinnt!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Unentschieden – der Pot wird geteilt!</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf..</source>
        <translation>Willkommen bei Brindlewharf!</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Einsatz ändern oder Geben klicken</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Einsatz eingeben und Geben klicken</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Karten zum Ablegen anklicken, dann Tauschen klicken</translation>
    </message>
    <message>
        <source>Game pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand</source>
        <translation>Das Blatt des Gebers</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Ihr Blatt</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation>Letzter Einsatz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation>Willkommen bei Brindlewharf!</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>keine Karte</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>Your card %1: %2</source>
        <translation>Ihre Karte %1: %2</translation>
    </message>
    <message>
        <source>Dealer&apos;s card %1: %2</source>
        <translation>Karte %1 des Gebers: %2</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>Geber nimmt %1</translation>
    </message>
    <message>
        <source>Place your bet..</source>
        <translation>Ihr Einsatz, bitte.</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Ihr Blatt: %1</translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand: %1</source>
        <translation>Das Blatt des Gebers: %1</translation>
    </message>
    <message>
        <source>Save current stats?</source>
        <translation>Aktuelle Statistik speichern?</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Dealing</source>
        <translation>Es wird gegeben</translation>
    </message>
    <message>
        <source>The Dealer&apos;s turn</source>
        <translation>Der Geber ist am Zug</translation>
    </message>
    <message>
        <source>Showdown</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>%1, face down, to be replaced</source>
        <translation>%1, verdeckt, wird getauscht</translation>
    </message>
    <message>
        <source>Game Pot:  %1</source>
        <translation>Pot:  %1</translation>
    </message>
    <message>
        <source>Bank: %1</source>
        <translation>Guthaben: %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Last Bet: %1</source>
        <translation>Letzter Einsatz: %1</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
</context>
<context>
    <name>TStatBox</name>
    <message>
        <source>Current Game Statistics</source>
        <translation>Statistik des laufenden Spiels</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Statistik speichern...</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Gespeicherte Statistik öffnen...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Statistik des laufenden Spiels</translation>
    </message>
    <message>
        <source>Brindlewharf Help...</source>
        <translation>Brindlewharf-Hilfe...</translation>
    </message>
    <message>
        <source>12/31/99</source>
        <translation>12/31/99</translation>
    </message>
    <message>
        <source>12:12:59 PM</source>
        <translation>12:12:59 PM</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Gespielte Hände:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Gewinnquote:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Guthaben im Schnitt:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Höchstes Guthaben:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Einsatz im Schnitt:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Höchster Einsatz:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Pleiten/Neustarts:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Längste Gewinnserie:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Geber:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Bestes Blatt des Gebers:</translation>
    </message>
    <message>
        <source>Player&apos;s Best Hand:</source>
        <translation>Bestes Blatt des Spielers:</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Blattwertungen insgesamt:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Royal Flush:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Straight Flush:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Vierling:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full House:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Flush:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Drilling:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Zwei Paare:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Paar:</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Höchste Karte:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Summe:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Getauschte Karten insgesamt:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 Karten:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 Karte:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 Karten:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 Karten:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 Karten:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Blatt nach dem Tausch verbessert:</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Laufendes Spiel</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>Save Brindlewharf Game Stats As</source>
        <translation>Brindlewharf-Statistik speichern unter</translation>
    </message>
    <message>
        <source>Open Brindlewharf Game Stats</source>
        <translation>Brindlewharf-Statistik öffnen</translation>
    </message>
    <message>
        <source>Brindlewharf Game Stats (*.bwf)</source>
        <translation>Brindlewharf-Statistik (*.bwf)</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 gewann:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finanzen von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Bestes Blatt von %1:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>%1&apos;s best hand, card %2: %3</source>
        <translation>Bestes Blatt von %1, Karte %2: %3</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Vorhandene Statistikdatei überschreiben</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>%1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>Ungültige Datendatei!</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Fehler beim Öffnen #%1</translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Ansicht: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hand(s)</source>
        <translation>
            <numerusform>%1 Hand</numerusform>
            <numerusform>%1 Hände</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableVoice</name>
    <message>
        <source>Your %1 beats the Dealer&apos;s %2.</source>
        <translation>Ihr Blatt, %1, schlägt das Blatt des Gebers, %2.</translation>
    </message>
    <message>
        <source>The Dealer&apos;s %2 beats your %1.</source>
        <translation>Das Blatt des Gebers, %2, schlägt Ihr Blatt, %1.</translation>
    </message>
    <message>
        <source>Your %1 ties the Dealer&apos;s %2.</source>
        <translation>Ihr Blatt, %1, und das Blatt des Gebers, %2, sind gleich.</translation>
    </message>
    <message>
        <source>Dealt: %1. %2</source>
        <translation>Ausgeteilt: %1. %2</translation>
    </message>
    <message>
        <source>The Dealer&apos;s cards are face down.</source>
        <translation>Die Karten des Gebers liegen verdeckt.</translation>
    </message>
    <message>
        <source>Your cards: %1.</source>
        <translation>Ihre Karten: %1.</translation>
    </message>
    <message>
        <source>The Dealer&apos;s cards: %1.</source>
        <translation>Die Karten des Gebers: %1.</translation>
    </message>
    <message>
        <source>You stand pat: %1.</source>
        <translation>Sie behalten alle: %1.</translation>
    </message>
    <message>
        <source>You drew %1: %2.</source>
        <translation>Sie ziehen %1: %2.</translation>
    </message>
    <message>
        <source>Now on the bet box.</source>
        <translation>Jetzt im Einsatzfeld.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>Your hand: %1.</source>
        <translation>Ihr Blatt: %1.</translation>
    </message>
    <message>
        <source>No hand on the table.</source>
        <translation>Kein Blatt auf dem Tisch.</translation>
    </message>
    <message>
        <source>Bet %1, %2 left.</source>
        <translation>Einsatz %1, %2 übrig.</translation>
    </message>
    <message>
        <source>Now on the %1 bill.</source>
        <translation>Jetzt auf dem %1-Schein.</translation>
    </message>
    <message>
        <source>Your bet: %1, Game Pot: %2.</source>
        <translation>Ihr Einsatz: %1, Pot: %2.</translation>
    </message>
    <message>
        <source>Last bet %1.</source>
        <translation>Letzter Einsatz %1.</translation>
    </message>
    <message>
        <source>New bet: %1.</source>
        <translation>Neuer Einsatz: %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ton an.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ton aus.</translation>
    </message>
</context>
</TS>
