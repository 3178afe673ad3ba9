<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BankChart</name>
    <message>
        <source>Chart of the bank</source>
        <translation>Courbe du capital</translation>
    </message>
    <message>
        <source>%1: started at %2, now %3, highest %4, lowest %5</source>
        <translation>%1&#xa0;: départ à %2, maintenant %3, au plus haut %4, au plus bas %5</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>main %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 hand(s)</source>
        <translation>
            <numerusform>%1 main</numerusform>
            <numerusform>%1 mains</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>de Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>de Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>de Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>de Cinq</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>de Six</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>de Sept</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>de Huit</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>de Neuf</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>de Dix</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>de Valets</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>de Dames</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>de Rois</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>d&apos;As</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Erreur du classement des mains. Merci de prévenir les auteurs</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <translation>Hauteur %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <translation>Paire %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Double paire 
%1 et %2</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Brelan %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Quinte hauteur %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Couleur hauteur %1 
(%2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <translation>Full 
(brelan %1, paire %2)</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Carré %1</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Quinte flush hauteur %1 
(%2)</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Quinte flush royale 
(%1)</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>clown</source>
        <translation>clown</translation>
    </message>
    <message>
        <source>lighthouse in a storm</source>
        <translation>phare dans la tempête</translation>
    </message>
    <message>
        <source>rider on a bucking horse</source>
        <translation>cavalier sur un cheval qui rue</translation>
    </message>
    <message>
        <source>pigs at a card table</source>
        <translation>cochons à une table de jeu</translation>
    </message>
    <message>
        <source>cathedral at night</source>
        <translation>cathédrale de nuit</translation>
    </message>
    <message>
        <source>red flower</source>
        <translation>fleur rouge</translation>
    </message>
    <message>
        <source>sea stack at dusk</source>
        <translation>aiguille de mer au crépuscule</translation>
    </message>
    <message>
        <source>blue-and-white waves</source>
        <translation>vagues bleues et blanches</translation>
    </message>
    <message>
        <source>two clowns</source>
        <translation>deux clowns</translation>
    </message>
    <message>
        <source>snowy cottage under a full moon</source>
        <translation>chaumière enneigée sous la pleine lune</translation>
    </message>
    <message>
        <source>Card back %1 of %2: %3</source>
        <translation>Dos de carte %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>In play</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Bankrupt</source>
        <translation>Ruiné</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quittée</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Interrompue</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Bank at start</source>
        <translation>Capital au début</translation>
    </message>
    <message>
        <source>Bank at end</source>
        <translation>Capital à la fin</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>
GAME OVERVIEW:
</source>
        <translation>
PRÉSENTATION DU JEU&#xa0;:
</translation>
    </message>
    <message>
        <source>Brindlewharf is five-card draw poker with nothing wild. These pages cover the rules a newcomer needs to sit down and play; if you already know poker, the house rules will feel familiar.
</source>
        <translation>Brindlewharf est un poker fermé à cinq cartes avec un seul échange, sans joker. Ces pages donnent les règles dont un débutant a besoin pour s&apos;asseoir et jouer&#xa0;; si vous connaissez déjà le poker, les règles de la maison vous sembleront familières.
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
        <translation>Une main, étape par étape&#xa0;:
  1. Vous misez, et le donneur met la même somme dans le pot.
  2. Le donneur distribue deux mains de cinq cartes, l&apos;une pour vous, l&apos;autre pour la maison.
  3. Vous écartez des cartes et en recevez de nouvelles.
  4. Le donneur écarte des cartes et en prend de nouvelles.
  5. Les deux mains sont comparées pour désigner le gagnant.
  6. Le pot est versé au gagnant.
  7. Les mises sont ouvertes pour la main suivante.
</translation>
    </message>
    <message>
        <source>Each stage of a hand has its own page under House Rules, and the Hand Rankings tab describes every type of hand.
</source>
        <translation>Chaque étape d&apos;une main a sa page sous «&#xa0;Règles de la maison&#xa0;», et l&apos;onglet «&#xa0;Valeur des mains&#xa0;» décrit chaque combinaison.
</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque&#xa0;:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino, and much like video poker, you bet only at the start of each hand. Further bets during a hand were left out to keep the game simple and quick. If you would like to see them, or anything else, see Contacting the Author.
</source>
        <translation>Contrairement au poker fermé des casinos, et comme au vidéo-poker, vous ne misez qu&apos;au début de chaque main. Les relances en cours de main ont été laissées de côté pour garder le jeu simple et rapide. Si vous voulez les voir, ou toute autre chose, voyez «&#xa0;Contacter les auteurs&#xa0;».
</translation>
    </message>
    <message>
        <source>
BETTING:
</source>
        <translation>
LES MISES&#xa0;:
</translation>
    </message>
    <message>
        <source>You bet once, at the start of each hand, and the bet may be any number of whole dollars up to the amount in your Bank. There are two ways to place a New Bet:
</source>
        <translation>Vous misez une fois, au début de chaque main, n&apos;importe quel nombre entier de dollars jusqu&apos;au montant de votre capital. Il y a deux façons de placer une nouvelle mise&#xa0;:
</translation>
    </message>
    <message>
        <source>1)  By clicking on the cash denomination
     for the dollar amount of your choice.
</source>
        <translation>1)  En cliquant sur les billets
     pour le montant de votre choix.
</translation>
    </message>
    <message>
        <source>Every click on a bill adds its value to the New Bet field and takes it out of your Bank, and the cash on the table changes to match.
</source>
        <translation>Chaque clic sur un billet ajoute sa valeur au champ «&#xa0;Nouvelle mise&#xa0;» et la retire de votre capital&#xa0;; l&apos;argent sur la table suit.
</translation>
    </message>
    <message>
        <source>2) By directly typing the dollar amount in
     the &apos;New Bet&apos; field.
</source>
        <translation>2) En tapant directement le montant
     dans le champ «&#xa0;Nouvelle mise&#xa0;».
</translation>
    </message>
    <message>
        <source>While you type, the cash on the table and your Bank follow the New Bet field, so typing a smaller amount gives back cash you had already clicked into the bet.
</source>
        <translation>Pendant que vous tapez, l&apos;argent sur la table et votre capital suivent le champ «&#xa0;Nouvelle mise&#xa0;»&#xa0;: taper un montant plus petit vous rend l&apos;argent déjà ajouté à la mise d&apos;un clic.
</translation>
    </message>
    <message>
        <source>Once the bet is in, the Deal button moves it into the Game Pot.
</source>
        <translation>Une fois la mise faite, le bouton «&#xa0;Distribuer&#xa0;» la place dans le pot.
</translation>
    </message>
    <message>
        <source>Leave the New Bet field blank and click Deal to bet your last bet again, as long as your Bank still covers it.
</source>
        <translation>Laissez le champ «&#xa0;Nouvelle mise&#xa0;» vide et cliquez sur «&#xa0;Distribuer&#xa0;» pour rejouer votre dernière mise, tant que votre capital la couvre.
</translation>
    </message>
    <message>
        <source>
THE DEAL:
</source>
        <translation>
LA DONNE&#xa0;:
</translation>
    </message>
    <message>
        <source>Your bet, new or carried over from the last hand, goes into the Game Pot together with the Dealer&apos;s matching bet. Then you and the Dealer are dealt five cards each, one at a time and in turn, from the top of a freshly shuffled deck.
</source>
        <translation>Votre mise, nouvelle ou reprise de la main précédente, va dans le pot avec la mise égale du donneur. Puis vous et le donneur recevez cinq cartes chacun, une à une et à tour de rôle, du dessus d&apos;un paquet fraîchement battu.
</translation>
    </message>
    <message>
        <source>Clicking Deal has the Dealer, in this order:
  - close the betting,
  - move your bet from the New Bet or Last Bet field into the Game Pot and match it,
  - shuffle the deck,
  - deal the hand.
</source>
        <translation>Un clic sur «&#xa0;Distribuer&#xa0;» fait faire au donneur, dans cet ordre&#xa0;:
  - clore les mises,
  - placer votre mise, nouvelle ou dernière, dans le pot et la suivre,
  - battre les cartes,
  - distribuer la main.
</translation>
    </message>
    <message>
        <source>When both of you hold five cards the deal is over and the draw begins.
</source>
        <translation>Quand vous avez chacun cinq cartes, la donne est finie et l&apos;échange commence.
</translation>
    </message>
    <message>
        <source>
DRAWING CARDS:
</source>
        <translation>
L&apos;ÉCHANGE DES CARTES&#xa0;:
</translation>
    </message>
    <message>
        <source>You and the Dealer may each exchange up to 3 cards, or 4 when the one card kept is an Ace. You always draw first.
</source>
        <translation>Vous et le donneur pouvez chacun changer jusqu&apos;à 3 cartes, ou 4 si la carte gardée est un As. Vous changez toujours en premier.
</translation>
    </message>
    <message>
        <source>Click each card you want to exchange to turn it face down (click it again to keep it after all), then click the Draw button.
</source>
        <translation>Cliquez chaque carte à changer pour la retourner face cachée (un second clic la garde finalement), puis cliquez sur «&#xa0;Changer&#xa0;».
</translation>
    </message>
    <message>
        <source>After your draw the Dealer announces how many cards the House takes and exchanges them at once. Then the two hands are compared.
</source>
        <translation>Après votre échange, le donneur annonce combien de cartes prend la maison et les change aussitôt. Puis les deux mains sont comparées.
</translation>
    </message>
    <message>
        <source>
THE SHOWDOWN:
</source>
        <translation>
L&apos;ABATTAGE&#xa0;:
</translation>
    </message>
    <message>
        <source>Both hands are turned face up and ranked automatically, and the Dealer announces the winner and pays out the Game Pot.
</source>
        <translation>Les deux mains sont retournées et évaluées automatiquement&#xa0;; le donneur annonce le gagnant et paie le pot.
</translation>
    </message>
    <message>
        <source>If you win, the pot goes into your Bank and the cash on the table is updated. If the Dealer wins, the pot goes to the House. If the hands tie, the pot is split and your Bank stays as it was.
</source>
        <translation>Si vous gagnez, le pot va dans votre capital et l&apos;argent sur la table est mis à jour. Si le donneur gagne, le pot revient à la maison. En cas d&apos;égalité, le pot est partagé et votre capital ne change pas.
</translation>
    </message>
    <message>
        <source>That ends the hand, and betting opens for the next one.
</source>
        <translation>La main est terminée, et les mises sont ouvertes pour la suivante.
</translation>
    </message>
    <message>
        <source>
Note:</source>
        <translation>
Remarque&#xa0;:</translation>
    </message>
    <message>
        <source>If you lose a hand with your whole Bank at stake, you are bankrupt. The House then approves a credit extension: choose New Game to play on with a fresh starting Bank, or Exit to leave. Every bankruptcy is counted in the game statistics.
</source>
        <translation>Si vous perdez une main où tout votre capital était en jeu, vous êtes ruiné. La maison vous accorde alors un nouveau crédit&#xa0;: choisissez «&#xa0;Nouvelle partie&#xa0;» pour continuer avec un capital de départ neuf, ou «&#xa0;Quitter&#xa0;» pour partir. Chaque faillite est comptée dans les statistiques.
</translation>
    </message>
    <message>
        <source>
SELECTING A DECK:
</source>
        <translation>
CHOISIR UN JEU&#xa0;:
</translation>
    </message>
    <message>
        <source>You can play with the card back of your choice, or have the Dealer pick one at random before each hand.
</source>
        <translation>Vous pouvez jouer avec le dos de cartes de votre choix, ou laisser le donneur en tirer un au hasard avant chaque main.
</translation>
    </message>
    <message>
        <source>Choose a deck, or the Randomize option, on the welcome screen when the game opens, or later through Decks in the Game menu (F7) at the start of any hand.
</source>
        <translation>Choisissez un jeu, ou l&apos;option «&#xa0;Au hasard&#xa0;», dans l&apos;écran d&apos;accueil au lancement, ou plus tard par «&#xa0;Jeux de cartes&#xa0;» dans le menu «&#xa0;Partie&#xa0;» (F7) au début de n&apos;importe quelle main.
</translation>
    </message>
    <message>
        <source>If the Randomize option is selected, the selection of an individual Deck is disabled.
</source>
        <translation>Quand l&apos;option «&#xa0;Au hasard&#xa0;» est cochée, on ne peut pas choisir un jeu en particulier.
</translation>
    </message>
    <message>
        <source>
GAME STATISTICS:
</source>
        <translation>
STATISTIQUES DE LA PARTIE&#xa0;:
</translation>
    </message>
    <message>
        <source>The statistics of the current game, with a running count of every hand ranking, are gathered automatically and can be viewed at any time.
</source>
        <translation>Les statistiques de la partie en cours, avec le compte de chaque combinaison obtenue, sont tenues automatiquement et consultables à tout moment.
</translation>
    </message>
    <message>
        <source>To view the current game statistics, select the &apos;Stats&apos; option from the &apos;Game&apos; menu.
</source>
        <translation>Pour voir les statistiques de la partie en cours, choisissez «&#xa0;Statistiques&#xa0;» dans le menu «&#xa0;Partie&#xa0;».
</translation>
    </message>
    <message>
        <source>The statistics change only when a hand is over, so the window always shows the figures as of the last finished hand.
</source>
        <translation>Les statistiques ne changent qu&apos;à la fin d&apos;une main&#xa0;: la fenêtre montre toujours les chiffres de la dernière main terminée.
</translation>
    </message>
    <message>
        <source>
SAVING GAME STATISTICS:
</source>
        <translation>
ENREGISTRER LES STATISTIQUES&#xa0;:
</translation>
    </message>
    <message>
        <source>You can save the current statistics at any time and open them again later in the statistics window.
</source>
        <translation>Vous pouvez enregistrer les statistiques à tout moment et les rouvrir plus tard dans la fenêtre des statistiques.
</translation>
    </message>
    <message>
        <source>To save, open the statistics window and choose Save... from its Stats menu, or click its Save Stats toolbar button.
</source>
        <translation>Pour enregistrer, ouvrez la fenêtre des statistiques et choisissez «&#xa0;Enregistrer...&#xa0;» dans son menu «&#xa0;Statistiques&#xa0;», ou cliquez sur son bouton «&#xa0;Enregistrer les statistiques&#xa0;».
</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:
</source>
        <translation>CONSULTER DES STATISTIQUES ENREGISTRÉES&#xa0;:
</translation>
    </message>
    <message>
        <source>Saved statistics can be viewed at any time during a game. Opening a saved file shows its figures in place of the current ones for as long as you look at them; Current Game in the same menu brings the current figures back.
</source>
        <translation>Les statistiques enregistrées se consultent à tout moment pendant une partie. Un fichier ouvert affiche ses chiffres à la place des chiffres actuels tant que vous le regardez&#xa0;; «&#xa0;Partie en cours&#xa0;» dans le même menu ramène les chiffres actuels.
</translation>
    </message>
    <message>
        <source>Choose Open... from the Stats menu of the statistics window, or click its Open saved Stats toolbar button.
</source>
        <translation>Choisissez «&#xa0;Ouvrir...&#xa0;» dans le menu «&#xa0;Statistiques&#xa0;» de la fenêtre des statistiques, ou cliquez sur son bouton «&#xa0;Ouvrir des statistiques&#xa0;».
</translation>
    </message>
    <message>
        <source>Saving is meant for keeping a record of your best games. Saved figures can only be looked at: they never become the figures of the game in play.
</source>
        <translation>L&apos;enregistrement sert à garder une trace de vos meilleures parties. Les chiffres enregistrés ne peuvent qu&apos;être consultés&#xa0;: ils ne deviennent jamais ceux de la partie en cours.
</translation>
    </message>
    <message>
        <source>
THE COACH:
</source>
        <translation>
LE COACH&#xa0;:
</translation>
    </message>
    <message>
        <source>The Coach looks over your shoulder while you discard. It weighs every draw the house allows for the five cards you were dealt, from standing pat to throwing three cards, or four when the card you keep is an Ace, and ranks them by how they fare against the Dealer.
</source>
        <translation>Le coach regarde par-dessus votre épaule pendant que vous écartez. Il pèse chaque échange permis par la maison pour vos cinq cartes, du «&#xa0;servi&#xa0;» jusqu&apos;à jeter trois cartes, ou quatre si la carte gardée est un As, et les classe selon leurs chances contre le donneur.
</translation>
    </message>
    <message>
        <source>To open or close the Coach, select &apos;Coach&apos; from the &apos;Game&apos; menu, or press Ctrl+K.
</source>
        <translation>Pour ouvrir ou fermer le coach, choisissez «&#xa0;Coach&#xa0;» dans le menu «&#xa0;Partie&#xa0;», ou appuyez sur Ctrl+K.
</translation>
    </message>
    <message>
        <source>
LICENSE AGREEMENT:
</source>
        <translation>
CONTRAT DE LICENCE&#xa0;:
</translation>
    </message>
    <message>
        <source>Brindlewharf is copyright (c) 2026 the Brindlewharf developers and is free software under the MIT License. Anyone who obtains a copy may use it, copy it, change it, merge it into other work, publish it, pass it on, sublicense it and sell copies of it, free of charge and without further restriction, provided that the copyright notice and this permission go along with every copy or substantial part of it. The full terms come with the game, in the file %1.
</source>
        <translation>Brindlewharf est sous copyright (c) 2026 les développeurs de Brindlewharf et c&apos;est un logiciel libre sous licence MIT. Quiconque en obtient une copie peut l&apos;utiliser, le copier, le modifier, l&apos;intégrer à d&apos;autres œuvres, le publier, le transmettre, en concéder des sous-licences et en vendre des copies, gratuitement et sans autre restriction, à condition que l&apos;avis de copyright et cette autorisation accompagnent toute copie ou partie substantielle. Les termes complets (en anglais) sont fournis avec le jeu, dans le fichier %1.
</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:
</source>
        <translation>EXCLUSION DE GARANTIE&#xa0;:
</translation>
    </message>
    <message>
        <source>The game is provided as it is, without warranty of any kind, stated or implied: no promise that it is fit to be sold, that it suits any particular purpose, or that it infringes no one&apos;s rights. In no case are its authors or copyright holders liable for any claim, damages or other liability, whether under a contract, a tort or otherwise, arising from the game, its use or other dealings in it.
</source>
        <translation>Le jeu est fourni tel quel, sans garantie d&apos;aucune sorte, expresse ou implicite&#xa0;: aucune promesse qu&apos;il soit vendable, qu&apos;il convienne à un usage particulier ou qu&apos;il ne porte atteinte aux droits de personne. En aucun cas ses auteurs ou titulaires du copyright ne sont responsables d&apos;une réclamation, de dommages ou d&apos;une autre responsabilité, contractuelle, délictuelle ou autre, découlant du jeu, de son utilisation ou de toute autre opération le concernant.
</translation>
    </message>
    <message>
        <source>
CONTACTING THE AUTHOR:
</source>
        <translation>
CONTACTER LES AUTEURS&#xa0;:
</translation>
    </message>
    <message>
        <source>Brindlewharf is made in the open by its developers, and what players tell us shapes the next version. We would be glad to hear from you.
</source>
        <translation>Brindlewharf est développé ouvertement par ses auteurs, et ce que les joueurs nous disent façonne la prochaine version. Nous serions ravis de vous lire.
</translation>
    </message>
    <message>
        <source>Write to us to:
  - report a bug or a hand that was scored wrongly,
  - suggest a feature or a house rule,
  - tell us what you think of the card backs and the help,
  - brag about your best game.
</source>
        <translation>Écrivez-nous pour&#xa0;:
  - signaler un bogue ou une main mal évaluée,
  - proposer une fonction ou une règle de la maison,
  - nous dire ce que vous pensez des dos de cartes et de l&apos;aide,
  - vous vanter de votre meilleure partie.
</translation>
    </message>
    <message>
        <source>Send e-mail to:
</source>
        <translation>Envoyez un courriel à&#xa0;:
</translation>
    </message>
    <message>
        <source>The Brindlewharf developers</source>
        <translation>Les développeurs de Brindlewharf</translation>
    </message>
    <message>
        <source>The game has no mailbox of its own: please write to us by opening an issue on the issue tracker of Brindlewharf&apos;s source repository, where its source code is published.
</source>
        <translation>Le jeu n&apos;a pas de boîte aux lettres&#xa0;: écrivez-nous en ouvrant un ticket dans le suivi des tickets du dépôt de Brindlewharf, où son code source est publié.
</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Quinte flush royale
(Pique)</translation>
    </message>
    <message>
        <source>The straight flush A, K, Q, J, 10 of one suit: the highest hand there is in poker with nothing wild. See Straight Flush.</source>
        <translation>La quinte flush A, K, Q, J, 10 d&apos;une même couleur&#xa0;: la plus forte main qui existe au poker sans joker. Voir Quinte flush.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Quinte flush hauteur Huit 
(Carreau)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, such as 8, 7, 6, 5, 4 of diamonds. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace may count low, which makes 5-4-3-2-A the lowest straight flush. Suits never break a tie.</source>
        <translation>Cinq cartes de la même couleur qui se suivent, comme 8, 7, 6, 5, 4 de carreau. La plus haute carte décide&#xa0;: 9-8-7-6-5 bat 7-6-5-4-3. L&apos;As peut compter en bas, ce qui fait de 5-4-3-2-A la plus petite quinte flush. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Carré de Sept</translation>
    </message>
    <message>
        <source>Four cards of one rank and an odd card, the kicker, such as 7, 7, 7, 7, K. The four decide, so K-K-K-K-4 beats 10-10-10-10-A.</source>
        <translation>Quatre cartes de même valeur et une carte isolée, le kicker, comme 7, 7, 7, 7, K. Les quatre décident&#xa0;: K-K-K-K-4 bat 10-10-10-10-A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full
(brelan de Deux, paire de Cinq)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another, such as 2, 2, 2, 5, 5. The three decide, so 4-4-4-3-3 beats 2-2-2-A-A.</source>
        <translation>Trois cartes d&apos;une valeur et deux d&apos;une autre, comme 2, 2, 2, 5, 5. Le brelan décide&#xa0;: 4-4-4-3-3 bat 2-2-2-A-A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Couleur hauteur Roi
(Pique)</translation>
    </message>
    <message>
        <source>Five cards of one suit, such as K, 9, 5, 4, 2 of spades. The highest card decides, then the next, down to the lowest, so A-7-5-4-2 beats K-Q-J-10-8 and J-8-7-5-3 beats J-8-7-5-2. Suits never break a tie.</source>
        <translation>Cinq cartes de la même couleur, comme K, 9, 5, 4, 2 de pique. La plus haute carte décide, puis la suivante, jusqu’à la plus basse&#xa0;: A-7-5-4-2 bat K-Q-J-10-8 et J-8-7-5-3 bat J-8-7-5-2. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Quinte hauteur Valet</translation>
    </message>
    <message>
        <source>Five cards in sequence, such as J, 10, 9, 8, 7. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace counts high or low: A-K-Q-J-10 and 5-4-3-2-A are both straights.</source>
        <translation>Cinq cartes qui se suivent, comme J, 10, 9, 8, 7. La plus haute carte décide&#xa0;: 9-8-7-6-5 bat 7-6-5-4-3. L&apos;As compte en haut ou en bas&#xa0;: A-K-Q-J-10 et 5-4-3-2-A sont deux quintes.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Brelan de Neuf</translation>
    </message>
    <message>
        <source>Three cards of one rank and two kickers of different ranks, such as 9, 9, 9, J, 7. The three decide, so Q-Q-Q-2-4 beats J-J-J-A-K, and K-K-K-2-3 beats Q-Q-Q-A-K.</source>
        <translation>Trois cartes de même valeur et deux kickers de valeurs différentes, comme 9, 9, 9, J, 7. Le brelan décide&#xa0;: Q-Q-Q-2-4 bat J-J-J-A-K, et K-K-K-2-3 bat Q-Q-Q-A-K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Double paire
de Valets et de Quatre</translation>
    </message>
    <message>
        <source>Two cards of one rank, two of another and a kicker of a third, such as J, J, 4, 4, 7. The top pair decides, then the bottom pair, then the kicker, so K-K-4-4-7 beats Q-Q-J-J-A, K-K-3-3-A and K-K-4-4-5.</source>
        <translation>Deux cartes d&apos;une valeur, deux d&apos;une autre et un kicker d&apos;une troisième, comme J, J, 4, 4, 7. La plus haute paire décide, puis la plus basse, puis le kicker&#xa0;: K-K-4-4-7 bat Q-Q-J-J-A, K-K-3-3-A et K-K-4-4-5.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Paire de Dames
(kicker Neuf)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks, such as Q, Q, 2, 4, 9. The pair decides, then each kicker in turn from the highest, so 4-4-A-J-7 beats 4-4-A-10-9.</source>
        <translation>Deux cartes de même valeur et trois kickers de valeurs différentes, comme Q, Q, 2, 4, 9. La paire décide, puis chaque kicker tour à tour en partant du plus haut&#xa0;: 4-4-A-J-7 bat 4-4-A-10-9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Carte haute</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Hauteur As
(kicker Valet)</translation>
    </message>
    <message>
        <source>Any hand that is none of the above, such as A, J, 6, 3, 2 of mixed suits. The highest card decides, then the second, and so on down to the lowest. Suits never break a tie.</source>
        <translation>Toute main qui n&apos;est rien de ce qui précède, comme A, J, 6, 3, 2 de couleurs mêlées. La plus haute carte décide, puis la deuxième, et ainsi de suite jusqu&apos;à la plus basse. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Press Hint to have your cards turned to the best draw.
</source>
        <translation>Cliquez sur «&#xa0;Conseil&#xa0;» pour que vos cartes soient retournées selon le meilleur échange.
</translation>
    </message>
    <message>
        <source>While you discard, the Coach shows your cards and the three best draws. For each it gives the cards to throw and four figures. Win is the chance, in percent, that your hand then beats the Dealer&apos;s; Push the chance of a tie, when you get your bet back; Lose the chance that the Dealer&apos;s hand beats yours. Average is what the draw wins or loses on average at your bet, in dollars: +$2.50 at a $10 bet means a quarter of your bet won, taken over many hands like this one. Most draws lose a little on average, even the best: that is the House&apos;s edge, and the best draw is the one that loses least. A line below the table says how closely the figures are known, and another why the best draw is best, such as keeping a pair of Kings or drawing to a flush. The cards you turn down fade in the Coach&apos;s picture, and once you turn one it shows where your draw stands among all the draws.
</source>
        <translation>Pendant que vous écartez, le coach montre vos cartes et les trois meilleurs échanges. Pour chacun, il indique les cartes à jeter et quatre chiffres. «&#xa0;Gain&#xa0;» est la probabilité, en pourcentage, que votre main batte ensuite celle du donneur&#xa0;; «&#xa0;Égalité&#xa0;» celle d&apos;un partage, où vous récupérez votre mise&#xa0;; «&#xa0;Perte&#xa0;» celle que la main du donneur batte la vôtre. «&#xa0;Moyenne&#xa0;» est ce que l&apos;échange gagne ou perd en moyenne à votre mise, en dollars&#xa0;: +$2.50 pour une mise de $10 veut dire un quart de votre mise gagné, sur un grand nombre de mains comme celle-ci. La plupart des échanges perdent un peu en moyenne, même le meilleur&#xa0;: c&apos;est l&apos;avantage de la maison, et le meilleur échange est celui qui perd le moins. Une ligne sous le tableau indique avec quelle précision les chiffres sont connus, et une autre pourquoi le meilleur échange est le meilleur, par exemple parce qu&apos;il garde une paire de Rois ou tire à la couleur. Les cartes que vous retournez s&apos;estompent dans l&apos;image du coach, et dès que vous en retournez une, il montre où votre échange se place parmi tous les échanges.
</translation>
    </message>
    <message>
        <source>After your draw it tells you whether you chose the best draw, or how far below the best your choice was, and keeps a tally of the game: the draws it judged, how many were the best, how many you took on a hint, and how much more the best draws would have won than yours, on average, at your bets. When your hand wins or ties anyway, it only tells you what the best draw would have been. New Game starts the tally afresh.
</source>
        <translation>Après votre échange, il vous dit si vous avez choisi le meilleur échange, ou de combien votre choix est resté en dessous, et tient le compte de la partie&#xa0;: les échanges jugés, combien étaient les meilleurs, combien vous en avez fait sur un conseil, et combien les meilleurs échanges auraient rapporté de plus que les vôtres, en moyenne, à vos mises. Si votre main gagne ou fait égalité malgré tout, il vous dit seulement quel aurait été le meilleur échange. «&#xa0;Nouvelle partie&#xa0;» remet le compte à zéro.
</translation>
    </message>
    <message>
        <source>The figures come from the Dealer&apos;s fixed rule: the Dealer never sees your cards and always draws the same way, so the Coach can play out tens of thousands of the Dealer&apos;s hands, and every draw you could get against each. The figures are averages over those deals, not a promise about the next hand, and each is shown only as finely as it is known. The Dealer&apos;s luck moves every draw alike, so how far one draw falls below another is known far better than either average: for draws close to each other, to about a tenth of a cent per dollar bet. Draws closer than that are called as good as the best, and either is a fine choice. The Coach never changes how the cards are shuffled or dealt.
</source>
        <translation>Les chiffres viennent de la règle fixe du donneur&#xa0;: le donneur ne voit jamais vos cartes et change toujours de la même façon, si bien que le coach peut jouer des dizaines de milliers de mains du donneur et, contre chacune, toutes les cartes que vous pourriez tirer. Les chiffres sont des moyennes sur ces donnes, pas une promesse pour la prochaine main, et chacun n&apos;est affiché qu&apos;avec la précision avec laquelle il est connu. La chance du donneur touche tous les échanges de la même façon, si bien que ce qui sépare deux échanges est connu bien plus précisément que chacune des deux moyennes&#xa0;: pour des échanges proches, à un dixième de cent près par dollar misé. Deux échanges plus proches que cela sont dits aussi bons que le meilleur, et l&apos;un comme l&apos;autre est un bon choix. Le coach ne change jamais la façon dont les cartes sont mélangées ou distribuées.
</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Loss, bankrupt</source>
        <translation>Perdu, ruiné</translation>
    </message>
    <message>
        <source>As good as best</source>
        <translation>Aussi bon que le meilleur</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, retournée</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Carte haute</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Meilleur échange</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>Pas de verdict</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Après l’échange</translation>
    </message>
    <message>
        <source>Dealer&apos;s cards</source>
        <translation>Cartes du donneur</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Votre main</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand</source>
        <translation>Main du donneur</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>%1 below best</source>
        <translation>%1 de moins</translation>
    </message>
</context>
<context>
    <name>LeakPage</name>
    <message>
        <source>Stood pat</source>
        <translation>Resté servi</translation>
    </message>
    <message>
        <source>Broke a made hand</source>
        <translation>Main faite cassée</translation>
    </message>
    <message>
        <source>Broke a pair</source>
        <translation>Paire cassée</translation>
    </message>
    <message>
        <source>Kept a kicker</source>
        <translation>Kicker gardé</translation>
    </message>
    <message>
        <source>Chased a flush</source>
        <translation>Couleur tentée</translation>
    </message>
    <message>
        <source>Drew to an inside straight</source>
        <translation>Tiré à une quinte ventrale</translation>
    </message>
    <message>
        <source>Chased an open straight</source>
        <translation>Quinte par les deux bouts tentée</translation>
    </message>
    <message>
        <source>Threw a keeper</source>
        <translation>Bonne carte jetée</translation>
    </message>
    <message>
        <source>Kept the wrong cards</source>
        <translation>Mauvaises cartes gardées</translation>
    </message>
    <message>
        <source>You kept all five cards where drawing was better.</source>
        <translation>Vous avez gardé les cinq cartes alors qu’il valait mieux en changer.</translation>
    </message>
    <message>
        <source>You broke up a straight or better that was worth more kept whole.</source>
        <translation>Vous avez cassé une quinte ou mieux qui valait plus gardée entière.</translation>
    </message>
    <message>
        <source>You threw away a card of a pair that was worth keeping.</source>
        <translation>Vous avez jeté une carte d’une paire qui valait la peine d’être gardée.</translation>
    </message>
    <message>
        <source>You kept an extra card beside the good ones instead of drawing to them.</source>
        <translation>Vous avez gardé une carte de trop à côté des bonnes au lieu de tirer.</translation>
    </message>
    <message>
        <source>You kept four cards of a suit where other cards were worth more.</source>
        <translation>Vous avez gardé quatre cartes d’une couleur alors que d’autres valaient plus.</translation>
    </message>
    <message>
        <source>You kept four cards to a straight that only one rank can fill.</source>
        <translation>Vous avez gardé quatre cartes pour une quinte qu’une seule valeur peut compléter.</translation>
    </message>
    <message>
        <source>You kept four cards in a row where other cards were worth more.</source>
        <translation>Vous avez gardé quatre cartes qui se suivent alors que d’autres valaient plus.</translation>
    </message>
    <message>
        <source>You threw away a card that was worth keeping.</source>
        <translation>Vous avez jeté une carte qui valait la peine d’être gardée.</translation>
    </message>
    <message>
        <source>You kept other cards than the ones worth keeping.</source>
        <translation>Vous avez gardé d’autres cartes que celles qui valaient la peine.</translation>
    </message>
    <message>
        <source>Mistakes by kind, costliest first</source>
        <translation>Erreurs par type, la plus coûteuse en premier</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Cost each time</source>
        <translation>Coût par fois</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>Ce que cela veut dire</translation>
    </message>
    <message>
        <source>The coach has not judged any of your draws yet. Open the coach (Ctrl+K) while you play: every draw it judges is kept here, and the ones that were not the best show where your money goes.</source>
        <translation>Le coach n’a encore jugé aucun de vos échanges. Ouvrez le coach (Ctrl+K) pendant que vous jouez&#xa0;: chaque échange qu’il juge est gardé ici, et ceux qui n’étaient pas les meilleurs montrent où part votre argent.</translation>
    </message>
    <message>
        <source>The coach judged %1 of your draws, and every one was as good as the best. Nothing lost!</source>
        <translation>Le coach a jugé %1 de vos échanges, et chacun valait le meilleur. Rien de perdu&#xa0;!</translation>
    </message>
    <message>
        <source>The coach judged %1 of your draws. The ones that were not the best cost you %2 in all: %3 a hand on average, against the best draw every time.</source>
        <translation>Le coach a jugé %1 de vos échanges. Ceux qui n’étaient pas les meilleurs vous ont coûté %2 en tout&#xa0;: %3 par main en moyenne, face au meilleur échange à chaque fois.</translation>
    </message>
    <message>
        <source>%1. %2: %3 over %4.</source>
        <translation>%1. %2&#xa0;: %3 sur %4.</translation>
    </message>
    <message>
        <source>   The costliest, game %1, hand %2: dealt %3; you kept %4, the best hold keeps %5 (%6 below it).</source>
        <translation>   La plus coûteuse, partie %1, main %2&#xa0;: donne %3&#xa0;; vous avez gardé %4, le meilleur échange garde %5 (%6 en dessous).</translation>
    </message>
    <message>
        <source>Your three costliest leaks:</source>
        <translation>Vos trois points faibles les plus coûteux&#xa0;:</translation>
    </message>
</context>
<context>
    <name>LifetimePage</name>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Lifetime figures</source>
        <translation>Bilan global</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Bankruptcies</source>
        <translation>Faillites</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Mains gagnées</translation>
    </message>
    <message>
        <source>Hands lost</source>
        <translation>Mains perdues</translation>
    </message>
    <message>
        <source>Hands pushed</source>
        <translation>Mains à égalité</translation>
    </message>
    <message>
        <source>Money won</source>
        <translation>Argent gagné</translation>
    </message>
    <message>
        <source>Money lost</source>
        <translation>Argent perdu</translation>
    </message>
    <message>
        <source>Won less lost</source>
        <translation>Gains moins pertes</translation>
    </message>
    <message>
        <source>Best hand</source>
        <translation>Meilleure main</translation>
    </message>
    <message>
        <source>Largest pot</source>
        <translation>Plus gros pot</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Plus longue série de gains</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Plus longue série de pertes</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Aucune pour l’instant</translation>
    </message>
    <message>
        <source>High card: %1</source>
        <translation>Carte haute&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n main</numerusform>
            <numerusform>%n mains</numerusform>
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
        <translation>Ruiné&#xa0;!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Credit Extension</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Approved!</source>
        <translation>accordé&#xa0;!</translation>
    </message>
    <message>
        <source>Five-card draw against the House</source>
        <translation>Poker fermé contre la maison</translation>
    </message>
    <message>
        <source>© 2026 the</source>
        <translation>© 2026 les</translation>
    </message>
    <message>
        <source>Brindlewharf developers</source>
        <translation>développeurs de Brindlewharf</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Caractère interdit dans la mise&#xa0;!</translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Erreur de mise</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>Vous n&apos;avez pas autant&#xa0;!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>Votre dernière mise dépasse votre capital&#xa0;!
         Misez moins.</translation>
    </message>
    <message>
        <source>Bet Overflow</source>
        <translation>Mise trop forte</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Ce n&apos;est pas une mise&#xa0;!
      Réessayez.</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Mise refusée</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>Vous n&apos;avez pas autant&#xa0;!
       Réessayez.</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Il faut miser quelque chose.</translation>
    </message>
    <message>
        <source>The bank can&apos;t hold a win that big!
      Decrease your bet..</source>
        <translation>Votre capital ne peut pas contenir un tel gain&#xa0;!
      Misez moins.</translation>
    </message>
    <message>
        <source>You must enter a valid bet.
      Try Again..</source>
        <translation>Entrez une mise valable.
      Réessayez.</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try Again..</source>
        <translation>Vous n&apos;avez pas autant&#xa0;!
       Réessayez.</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Échange refusé</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>Impossible de changer 5 cartes&#xa0;!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>4 cartes seulement si vous gardez un As&#xa0;!</translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Nom refusé</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>Le nom doit avoir 10 lettres au plus.
        Réessayez.</translation>
    </message>
    <message>
        <source>Name must not hold tabs or line breaks.
        Try Again..</source>
        <translation>Le nom ne doit contenir ni tabulation ni saut de ligne.
        Réessayez.</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Brindlewharf</source>
        <translation>À propos de Brindlewharf</translation>
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
        <translation>Licence</translation>
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
&lt;p&gt;Copyright (c) 2026 les développeurs de Brindlewharf&lt;/p&gt;
&lt;p&gt;Brindlewharf est un logiciel libre, publié sous la licence MIT
(identifiant SPDX &lt;tt&gt;MIT&lt;/tt&gt;). Vous pouvez l&apos;utiliser, le copier, le modifier, l&apos;intégrer à d&apos;autres œuvres,
le publier, le transmettre, en concéder des sous-licences et en vendre des copies, à condition que la ligne
de copyright ci-dessus et cette autorisation accompagnent toute copie ou partie substantielle.
Les termes complets (en anglais) sont fournis avec le jeu, dans le fichier %1.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Aucune garantie.&lt;/b&gt; Le jeu vous est fourni tel quel. Ses auteurs ne promettent rien à son sujet,
ni qu&apos;il fonctionne, ni qu&apos;il convienne à un usage quelconque, et ils ne peuvent être tenus responsables
d&apos;aucune réclamation, d&apos;aucun dommage ni d&apos;aucune autre perte liée à son utilisation ou à son commerce.&lt;/p&gt;
&lt;p&gt;Toutes les images du jeu ont été dessinées spécialement pour lui par ses auteurs.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Brindlewharf, Version 1.1, © 2026 the Brindlewharf developers</source>
        <translation>Brindlewharf, version 1.1, © 2026 les développeurs de Brindlewharf</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue est survenue.</translation>
    </message>
</context>
<context>
    <name>TCoachBox</name>
    <message>
        <source>Stand pat</source>
        <translation>Servi</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>stand pat</source>
        <translation>rester servi</translation>
    </message>
    <message>
        <source>throw %1</source>
        <translation>jeter %1</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Valets</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Dames</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Rois</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Stands pat on a %1</source>
        <translation>Reste servi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keeps four %1</source>
        <translation>Garde quatre %1</translation>
    </message>
    <message>
        <source>Keeps three %1</source>
        <translation>Garde trois %1</translation>
    </message>
    <message>
        <source>Keeps two pair, %1 high</source>
        <translation>Garde la double paire aux %1</translation>
    </message>
    <message>
        <source>Keeps a pair of %1</source>
        <translation>Garde les deux %1</translation>
    </message>
    <message>
        <source>Draws one card to a straight flush</source>
        <translation>Tire une carte à la quinte flush</translation>
    </message>
    <message>
        <source>Draws one card to a flush</source>
        <translation>Tire une carte à la couleur</translation>
    </message>
    <message>
        <source>Draws one card to a straight</source>
        <translation>Tire une carte à la quinte</translation>
    </message>
    <message>
        <source>Keeps the Ace and draws four</source>
        <translation>Garde l&apos;As et change quatre cartes</translation>
    </message>
    <message>
        <source>Keeps the %1 and draws four</source>
        <translation>Garde une carte (%1) et en change quatre</translation>
    </message>
    <message numerus="yes">
        <source>Keeps the %n highest cards, %1 high</source>
        <translation>
            <numerusform>Garde la carte la plus haute (%1)</numerusform>
            <numerusform>Garde les %n plus hautes cartes, hauteur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Throw: the cards to turn down. Win, Push, Lose: the chances that your hand then beats the Dealer&apos;s, ties it (you get your bet back) or loses to it. Average: what the draw wins or loses on average at your bet.</source>
        <translation>Jeter&#xa0;: les cartes à retourner. Gain, Égalité, Perte&#xa0;: les probabilités que votre main batte ensuite celle du donneur, fasse égalité (vous récupérez votre mise) ou perde contre elle. Moyenne&#xa0;: ce que l&apos;échange gagne ou perd en moyenne à votre mise.</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Best holds against the Dealer&apos;s rule</source>
        <translation>Meilleurs échanges contre la règle du donneur</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Jeter</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Where the cards you have turned stand among all the draws, and what they win or lose on average at your bet.</source>
        <translation>Où se place votre choix parmi tous les échanges, et ce qu&apos;il gagne ou perd en moyenne à votre mise.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>Turn your cards to the best hold</source>
        <translation>Retourner vos cartes selon le meilleur échange</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No verdict: the draw came before the odds were ready</source>
        <translation>Pas de verdict&#xa0;: échange fait avant la fin du calcul</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Meilleur échange</translation>
    </message>
    <message>
        <source>You won this one.</source>
        <translation>Main gagnée.</translation>
    </message>
    <message>
        <source>A push this time.</source>
        <translation>Égalité, cette fois.</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, retournée</translation>
    </message>
    <message>
        <source>The coach ranks your holds when the cards are dealt.</source>
        <translation>Le coach classe vos échanges dès la donne.</translation>
    </message>
    <message>
        <source>Working out the odds...</source>
        <translation>Calcul des chances...</translation>
    </message>
    <message>
        <source>, as good as the best</source>
        <translation>, aussi bon que le meilleur</translation>
    </message>
    <message>
        <source>Why: %1</source>
        <translation>Pourquoi&#xa0;: %1</translation>
    </message>
    <message>
        <source>You stood pat</source>
        <translation>Vous êtes resté servi</translation>
    </message>
    <message>
        <source>You stand pat</source>
        <translation>Vous restez servi</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Vous avez jeté %1</translation>
    </message>
    <message>
        <source>You throw %1</source>
        <translation>Vous jetez %1</translation>
    </message>
    <message>
        <source>Not a legal draw: %1</source>
        <translation>Interdit&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3 on average</source>
        <translation>Rang %1 sur %2, %3 en moyenne</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <translation>Rang %1 sur %2, %3</translation>
    </message>
    <message>
        <source>As good as the best: within %1 at your bet</source>
        <translation>Aussi bon que le meilleur, à %1 près à votre mise</translation>
    </message>
    <message>
        <source>%1 The best hold was %2, worth %3 more on average at your bet.</source>
        <translation>%1 Le meilleur échange&#xa0;: %2, soit %3 de plus en moyenne à votre mise.</translation>
    </message>
    <message>
        <source>%1 of %2: the best hold averages %3 more at your bet</source>
        <translation>Rang %1 sur %2&#xa0;: le meilleur échange rapporte en moyenne %3 de plus à votre mise</translation>
    </message>
    <message>
        <source>Averages within %1 at your bet; how far each is below the first, within %2.</source>
        <translation>Moyennes à %1 près à votre mise&#xa0;; ce qui sépare chacune de la première, à %2 près.</translation>
    </message>
    <message>
        <source>Best: %1. %2</source>
        <translation>Le meilleur&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>The House&apos;s edge makes most holds lose on average; the first line loses least.</source>
        <translation>L&apos;avantage de la maison fait perdre la plupart des échanges en moyenne&#xa0;; la première ligne perd le moins.</translation>
    </message>
    <message>
        <source>The House&apos;s edge makes most holds lose on average; with this hand the first line wins.</source>
        <translation>L&apos;avantage de la maison fait perdre la plupart des échanges en moyenne&#xa0;; avec cette main, la première ligne gagne.</translation>
    </message>
    <message>
        <source>This game: draws judged %1, best holds %2, on a hint %3.</source>
        <translation>Cette partie&#xa0;: échanges jugés %1, meilleurs échanges %2, sur conseil %3.</translation>
    </message>
    <message>
        <source>The best holds would have won %1 more on average.</source>
        <translation>Les meilleurs échanges auraient rapporté %1 de plus en moyenne.</translation>
    </message>
    <message>
        <source>Every draw was a best hold.</source>
        <translation>Tous vos échanges étaient parmi les meilleurs.</translation>
    </message>
    <message>
        <source>Hold %1 of %2%3: %4</source>
        <translation>Écart %1 sur %2%3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Keeps a pair of %1 and the %2</source>
        <translation>Garde les deux %1 avec le kicker %2</translation>
    </message>
    <message>
        <source>Keeps three cards to a straight flush</source>
        <translation>Garde trois cartes pour une quinte flush</translation>
    </message>
    <message>
        <source>Keeps three cards of one suit</source>
        <translation>Garde trois cartes de la même couleur</translation>
    </message>
    <message>
        <source>Keeps three cards to a straight</source>
        <translation>Garde trois cartes pour une quinte</translation>
    </message>
    <message>
        <source>Keeps two cards of one suit, %1 high</source>
        <translation>Garde deux cartes de la même couleur, hauteur %1</translation>
    </message>
    <message>
        <source>Keeps two cards in sequence, %1 high</source>
        <translation>Garde deux cartes qui se suivent, hauteur %1</translation>
    </message>
    <message>
        <source>Keeps %1</source>
        <translation>Garde %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>perte moyenne de %1</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>gain moyen de %1</translation>
    </message>
    <message>
        <source>Your cards already stand as the coach&apos;s best hold: %1.</source>
        <translation>Vos cartes sont déjà comme le meilleur échange du coach&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The coach set its best hold: %1.</source>
        <translation>Le coach a disposé son meilleur échange&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Coach open. Best hold: %1.</source>
        <translation>Coach ouvert. Meilleur échange&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Coach open, working out the odds.</source>
        <translation>Coach ouvert, calcul des chances en cours.</translation>
    </message>
    <message>
        <source>Coach open.</source>
        <translation>Coach ouvert.</translation>
    </message>
    <message>
        <source>Coach closed.</source>
        <translation>Coach fermé.</translation>
    </message>
    <message>
        <source>Coach&apos;s best hold: %1.</source>
        <translation>Meilleur échange du coach&#xa0;: %1.</translation>
    </message>
    <message>
        <source>keep %1 and throw %2</source>
        <translation>garder %1 et jeter %2</translation>
    </message>
</context>
<context>
    <name>TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Choisir un jeu</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Space frames this back, Enter chooses it</source>
        <translation>Espace encadre ce dos, Entrée le choisit</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, sélectionné</translation>
    </message>
    <message>
        <source>Not chosen while Randomize is ticked: every hand gets a new back</source>
        <translation>Impossible à choisir tant que «&#xa0;Au hasard&#xa0;» est coché&#xa0;: chaque main reçoit un nouveau dos</translation>
    </message>
</context>
<context>
    <name>TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>Ruiné&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Merci d’avoir joué à</translation>
    </message>
    <message>
        <source>Brindlewharf! </source>
        <translation>Brindlewharf&#xa0;! </translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf</source>
        <translation>© 2026 les développeurs</translation>
    </message>
    <message>
        <source>developers</source>
        <translation>de Brindlewharf</translation>
    </message>
    <message>
        <source>You&apos;re Broke! Game Over. Credit Extension Approved!</source>
        <translation>Vous êtes ruiné&#xa0;! Partie terminée. Nouveau crédit accordé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>THelpBox</name>
    <message>
        <source>Brindlewharf Help</source>
        <translation>Aide de Brindlewharf</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Brindlewharf:</source>
        <translation>Brindlewharf&#xa0;:</translation>
    </message>
    <message>
        <source>Game Overview</source>
        <translation>Présentation du jeu</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Règles de la maison&#xa0;:</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>Les mises</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>La donne</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>L&apos;échange des cartes</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>L’abattage</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Fonctions&#xa0;:</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Choisir un jeu</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiques de la partie</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Enregistrer les statistiques</translation>
    </message>
    <message>
        <source>The Coach</source>
        <translation>Le coach</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Divers&#xa0;:</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Contacter les auteurs</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Valeur des mains</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Valeur des mains&#xa0;:</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Quinte flush royale</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Quinte flush</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Carré</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Couleur</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Quinte</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Brelan</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Double paire</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Paire</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Carte haute</translation>
    </message>
    <message>
        <source>Brindlewharf</source>
        <translation>Brindlewharf</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf developers</source>
        <translation>© 2026 les développeurs de Brindlewharf</translation>
    </message>
    <message>
        <source>MIT License</source>
        <translation>Licence MIT</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Rubrique d&apos;aide</translation>
    </message>
    <message>
        <source>Hand rank description</source>
        <translation>Description de la main</translation>
    </message>
</context>
<context>
    <name>THistoryBox</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Hands of this game, newest first</source>
        <translation>Mains de la partie, la plus récente en premier</translation>
    </message>
    <message>
        <source>Dealt (turned down cards faded)</source>
        <translation>Donne (cartes retournées estompées)</translation>
    </message>
    <message>
        <source>After the draw</source>
        <translation>Après l’échange</translation>
    </message>
    <message>
        <source>The Dealer&apos;s final hand</source>
        <translation>La main finale du donneur</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Main %1</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Aucune main pour l’instant</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Donneur</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, retournée</translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <translation>%1, carte %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Export Hand History</source>
        <translation>Exporter l&apos;historique des mains</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>%1 n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Erreur d&apos;exportation</translation>
    </message>
    <message>
        <source>&amp;This Game</source>
        <translation>&amp;Cette partie</translation>
    </message>
    <message>
        <source>Back to the hands of the game in play</source>
        <translation>Revenir aux mains de la partie en cours</translation>
    </message>
    <message>
        <source>Every game, newest first</source>
        <translation>Toutes les parties, la plus récente en premier</translation>
    </message>
    <message>
        <source>Show &amp;Hands</source>
        <translation>Voir les &amp;mains</translation>
    </message>
    <message>
        <source>The hands and the chart of the game chosen</source>
        <translation>Les mains et la courbe de la partie choisie</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <translation>Bilan global</translation>
    </message>
    <message>
        <source>Leaks</source>
        <translation>Points faibles</translation>
    </message>
    <message>
        <source>A hand could not be written to your hand history (%1). The hands of this game stay in this window until you quit.</source>
        <translation>Une main n’a pas pu être écrite dans votre historique des mains (%1). Les mains de cette partie restent dans cette fenêtre jusqu’à ce que vous quittiez.</translation>
    </message>
    <message>
        <source>Your hand history could not be read, so it was put aside as %1 and a new one was started.</source>
        <translation>Votre historique des mains était illisible&#xa0;: il a été mis de côté sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>The file kept for your hand history belonged to another program, so it was renamed %1 and a new hand history was started.</source>
        <translation>Le fichier de votre historique des mains appartenait à un autre programme&#xa0;: il a été renommé %1 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>Your hand history was written by a newer version of Brindlewharf. It is left as it is, and the hands of this run are kept only until you quit.</source>
        <translation>Votre historique des mains a été écrit par une version plus récente de Brindlewharf. Il reste tel quel, et les mains de cette session ne sont gardées que jusqu’à ce que vous quittiez.</translation>
    </message>
    <message>
        <source>Your hand history could not be opened (%1). The hands of this run are kept only until you quit.</source>
        <translation>Votre historique des mains n’a pas pu être ouvert (%1). Les mains de cette session ne sont gardées que jusqu’à ce que vous quittiez.</translation>
    </message>
    <message>
        <source>Hand History</source>
        <translation>Historique des mains</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n main</numerusform>
            <numerusform>%n mains</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s game of %2: %3, newest first</source>
        <translation>Partie de %1 du %2&#xa0;: %3, la plus récente en premier</translation>
    </message>
    <message>
        <source>Hands of %1&apos;s game of %2, newest first</source>
        <translation>Mains de la partie de %1 du %2, la plus récente en premier</translation>
    </message>
    <message>
        <source>This game, newest hand first</source>
        <translation>Cette partie, la main la plus récente en premier</translation>
    </message>
</context>
<context>
    <name>TIntroDlg</name>
    <message>
        <source>Welcome to Brindlewharf</source>
        <translation>Bienvenue à Brindlewharf</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation>Bienvenue à Brindlewharf&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your starting bank account is $</source>
        <translation>Votre capital de départ est de $</translation>
    </message>
    <message>
        <source>Enter starting bet amount: </source>
        <translation>Votre première mise&#xa0;: </translation>
    </message>
    <message>
        <source>(This can be changed before any hand) </source>
        <translation>(modifiable avant chaque main) </translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Cliquez sur la carte</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>pour choisir un jeu</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Deal &apos;em up!</source>
        <translation>&amp;Distribuez&#xa0;!</translation>
    </message>
    <message>
        <source>Space shows the next back</source>
        <translation>Espace montre le dos suivant</translation>
    </message>
    <message>
        <source>Your starting bank account is %1</source>
        <translation>Votre capital de départ est de %1</translation>
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
        <translation>Donneur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>New Bet:</source>
        <translation>Nouvelle mise&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuer</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Changer</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;Stats...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Jeux de cartes...</translation>
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
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>&amp;À propos... </translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>Vous gagnez&#xa0;!</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>Le donneur gagne&#xa0;!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Égalité, on partage le pot&#xa0;!</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf..</source>
        <translation>Bienvenue à Brindlewharf&#xa0;!</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Changez votre mise ou cliquez sur Distribuer</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Misez puis cliquez sur Distribuer pour commencer</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Cliquez sur les cartes à jeter, puis sur Changer</translation>
    </message>
    <message>
        <source>Game pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand</source>
        <translation>La main du donneur</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Votre main</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation>Dernière mise</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation>Bienvenue à Brindlewharf&#xa0;!</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vide)</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>pas de carte</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>Your card %1: %2</source>
        <translation>Votre carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Dealer&apos;s card %1: %2</source>
        <translation>Carte %1 du donneur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>Le donneur prend %1</translation>
    </message>
    <message>
        <source>Place your bet..</source>
        <translation>Faites vos jeux.</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Votre main&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand: %1</source>
        <translation>La main du donneur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save current stats?</source>
        <translation>Enregistrer les statistiques actuelles&#xa0;?</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Dealing</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>The Dealer&apos;s turn</source>
        <translation>Au tour du donneur</translation>
    </message>
    <message>
        <source>Showdown</source>
        <translation>Abattage</translation>
    </message>
    <message>
        <source>%1, face down, to be replaced</source>
        <translation>%1, face cachée, à remplacer</translation>
    </message>
    <message>
        <source>Game Pot:  %1</source>
        <translation>Pot&#xa0;:  %1</translation>
    </message>
    <message>
        <source>Bank: %1</source>
        <translation>Capital&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Miser %1</translation>
    </message>
    <message>
        <source>Last Bet: %1</source>
        <translation>Dernière mise&#xa0;: %1</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>S&amp;on</translation>
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
        <translation>Statistiques de la partie en cours</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Enregistrer les statistiques...</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Ouvrir des statistiques...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Statistiques de la partie en cours</translation>
    </message>
    <message>
        <source>Brindlewharf Help...</source>
        <translation>Aide de Brindlewharf...</translation>
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
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Mains jouées&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Pourcentage de gains&#xa0;:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Capital moyen&#xa0;:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Capital maximal&#xa0;:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Mise moyenne&#xa0;:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Mise maximale&#xa0;:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Faillites/remises à zéro&#xa0;:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Plus longue série gagnante&#xa0;:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Donneur&#xa0;:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Meilleure main du donneur&#xa0;:</translation>
    </message>
    <message>
        <source>Player&apos;s Best Hand:</source>
        <translation>Meilleure main du joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Mains obtenues, au total&#xa0;:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Quinte flush royale&#xa0;:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Quinte flush&#xa0;:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Carré&#xa0;:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full&#xa0;:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Quinte&#xa0;:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Brelan&#xa0;:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Double paire&#xa0;:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Paire&#xa0;:</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Carte haute&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Cartes changées, au total&#xa0;:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 carte&#xa0;:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 carte&#xa0;:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 cartes&#xa0;:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 cartes&#xa0;:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Main améliorée par l&apos;échange&#xa0;:</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Partie en cours</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>Save Brindlewharf Game Stats As</source>
        <translation>Enregistrer les statistiques de Brindlewharf sous</translation>
    </message>
    <message>
        <source>Open Brindlewharf Game Stats</source>
        <translation>Ouvrir des statistiques de Brindlewharf</translation>
    </message>
    <message>
        <source>Brindlewharf Game Stats (*.bwf)</source>
        <translation>Statistiques de Brindlewharf (*.bwf)</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 a gagné&#xa0;:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finances de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Meilleure main de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>%1&apos;s best hand, card %2: %3</source>
        <translation>Meilleure main de %1, carte %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Donneur</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Remplacer le fichier de statistiques</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>%1 n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Erreur d&apos;ouverture</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>Fichier de données non valable&#xa0;!</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Erreur d&apos;ouverture n° %1</translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Consultation de %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hand(s)</source>
        <translation>
            <numerusform>%1 main</numerusform>
            <numerusform>%1 mains</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableVoice</name>
    <message>
        <source>Your %1 beats the Dealer&apos;s %2.</source>
        <translation>Votre main, %1, bat celle du donneur, %2.</translation>
    </message>
    <message>
        <source>The Dealer&apos;s %2 beats your %1.</source>
        <translation>La main du donneur, %2, bat la vôtre, %1.</translation>
    </message>
    <message>
        <source>Your %1 ties the Dealer&apos;s %2.</source>
        <translation>Votre main, %1, fait égalité avec celle du donneur, %2.</translation>
    </message>
    <message>
        <source>Dealt: %1. %2</source>
        <translation>Donne&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>The Dealer&apos;s cards are face down.</source>
        <translation>Les cartes du donneur sont cachées.</translation>
    </message>
    <message>
        <source>Your cards: %1.</source>
        <translation>Vos cartes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The Dealer&apos;s cards: %1.</source>
        <translation>Les cartes du donneur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You stand pat: %1.</source>
        <translation>Vous restez servi&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You drew %1: %2.</source>
        <translation>Vous tirez %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Now on the bet box.</source>
        <translation>Maintenant sur la case de mise.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nouvelle partie.</translation>
    </message>
    <message>
        <source>Your hand: %1.</source>
        <translation>Votre main&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No hand on the table.</source>
        <translation>Aucune main sur la table.</translation>
    </message>
    <message>
        <source>Bet %1, %2 left.</source>
        <translation>Mise %1, reste %2.</translation>
    </message>
    <message>
        <source>Now on the %1 bill.</source>
        <translation>Maintenant sur le billet de %1.</translation>
    </message>
    <message>
        <source>Your bet: %1, Game Pot: %2.</source>
        <translation>Votre mise&#xa0;: %1, pot&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Last bet %1.</source>
        <translation>Dernière mise %1.</translation>
    </message>
    <message>
        <source>New bet: %1.</source>
        <translation>Nouvelle mise&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Son activé.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Son coupé.</translation>
    </message>
</context>
</TS>
