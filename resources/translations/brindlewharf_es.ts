<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BankChart</name>
    <message>
        <source>Chart of the bank</source>
        <translation>Gráfico del saldo</translation>
    </message>
    <message>
        <source>%1: started at %2, now %3, highest %4, lowest %5</source>
        <translation>%1: empezó en %2, ahora %3, máximo %4, mínimo %5</translation>
    </message>
    <message>
        <source>hand %1</source>
        <translation>mano %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 hand(s)</source>
        <translation>
            <numerusform>%1 mano</numerusform>
            <numerusform>%1 manos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Pair</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Sietes</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Ochos</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Nueves</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dieces</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Jotas</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Reinas</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Reyes</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Ases</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Trébol</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Pica</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Error al valorar la mano. Por favor, avise a los autores</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <translation>Carta alta: %1 
(%2 de kicker)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <translation>Pareja de %1 
(%2 de kicker)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Doble pareja 
(%1 y %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Trío de %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Escalera al %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Color al %1 
(%2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <translation>Full de %1 
(con %2)</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Póker de %1</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Escalera de color al %1 
(%2)</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Escalera real 
(%1)</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message>
        <source>clown</source>
        <translation>payaso</translation>
    </message>
    <message>
        <source>lighthouse in a storm</source>
        <translation>faro en la tormenta</translation>
    </message>
    <message>
        <source>rider on a bucking horse</source>
        <translation>jinete en un caballo que corcovea</translation>
    </message>
    <message>
        <source>pigs at a card table</source>
        <translation>cerdos en una mesa de juego</translation>
    </message>
    <message>
        <source>cathedral at night</source>
        <translation>catedral de noche</translation>
    </message>
    <message>
        <source>red flower</source>
        <translation>flor roja</translation>
    </message>
    <message>
        <source>sea stack at dusk</source>
        <translation>farallón al atardecer</translation>
    </message>
    <message>
        <source>blue-and-white waves</source>
        <translation>olas azules y blancas</translation>
    </message>
    <message>
        <source>two clowns</source>
        <translation>dos payasos</translation>
    </message>
    <message>
        <source>snowy cottage under a full moon</source>
        <translation>casita nevada bajo la luna llena</translation>
    </message>
    <message>
        <source>Card back %1 of %2: %3</source>
        <translation>Reverso %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>In play</source>
        <translation>En juego</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Bankrupt</source>
        <translation>En bancarrota</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Cerrada</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Interrumpida</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Bank at start</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>Bank at end</source>
        <translation>Saldo final</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Final</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>
GAME OVERVIEW:
</source>
        <translation>
EL JUEGO EN RESUMEN:
</translation>
    </message>
    <message>
        <source>Brindlewharf is five-card draw poker with nothing wild. These pages cover the rules a newcomer needs to sit down and play; if you already know poker, the house rules will feel familiar.
</source>
        <translation>Brindlewharf es póquer cerrado de cinco cartas con un solo descarte, sin comodines. Estas páginas explican lo que un principiante necesita para sentarse a jugar; si ya conoce el póquer, las reglas de la casa le resultarán familiares.
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
        <translation>Una mano, paso a paso:
  1. Usted apuesta, y el crupier iguala su apuesta en el bote.
  2. El crupier reparte dos manos de cinco cartas, una para usted y otra para la casa.
  3. Usted descarta y recibe cartas nuevas.
  4. El crupier descarta y toma cartas nuevas.
  5. Se comparan las dos manos para saber quién gana.
  6. El bote se paga al ganador.
  7. Se abren las apuestas para la mano siguiente.
</translation>
    </message>
    <message>
        <source>Each stage of a hand has its own page under House Rules, and the Hand Rankings tab describes every type of hand.
</source>
        <translation>Cada fase de una mano tiene su página en «Reglas de la casa», y la pestaña «Jugadas» describe cada tipo de mano.
</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino, and much like video poker, you bet only at the start of each hand. Further bets during a hand were left out to keep the game simple and quick. If you would like to see them, or anything else, see Contacting the Author.
</source>
        <translation>A diferencia del póquer cerrado de casino, y como en el videopóquer, solo se apuesta al principio de cada mano. Las apuestas durante la mano se dejaron fuera para que el juego sea sencillo y rápido. Si quiere tenerlas, o cualquier otra cosa, consulte «Contactar con los autores».
</translation>
    </message>
    <message>
        <source>
BETTING:
</source>
        <translation>
LAS APUESTAS:
</translation>
    </message>
    <message>
        <source>You bet once, at the start of each hand, and the bet may be any number of whole dollars up to the amount in your Bank. There are two ways to place a New Bet:
</source>
        <translation>Se apuesta una vez, al principio de cada mano, cualquier cantidad de dólares enteros hasta lo que tenga en su saldo. Hay dos maneras de hacer una nueva apuesta:
</translation>
    </message>
    <message>
        <source>1)  By clicking on the cash denomination
     for the dollar amount of your choice.
</source>
        <translation>1)  Pulsando los billetes
     hasta sumar la cantidad que desee.
</translation>
    </message>
    <message>
        <source>Every click on a bill adds its value to the New Bet field and takes it out of your Bank, and the cash on the table changes to match.
</source>
        <translation>Cada pulsación en un billete suma su valor al campo «Nueva apuesta» y lo resta de su saldo, y el dinero de la mesa cambia en consecuencia.
</translation>
    </message>
    <message>
        <source>2) By directly typing the dollar amount in
     the &apos;New Bet&apos; field.
</source>
        <translation>2) Escribiendo la cantidad directamente
     en el campo «Nueva apuesta».
</translation>
    </message>
    <message>
        <source>While you type, the cash on the table and your Bank follow the New Bet field, so typing a smaller amount gives back cash you had already clicked into the bet.
</source>
        <translation>Mientras escribe, el dinero de la mesa y su saldo siguen al campo «Nueva apuesta», así que escribir una cantidad menor le devuelve el dinero que ya había puesto en la apuesta con los billetes.
</translation>
    </message>
    <message>
        <source>Once the bet is in, the Deal button moves it into the Game Pot.
</source>
        <translation>Hecha la apuesta, el botón «Repartir» la lleva al bote.
</translation>
    </message>
    <message>
        <source>Leave the New Bet field blank and click Deal to bet your last bet again, as long as your Bank still covers it.
</source>
        <translation>Deje vacío el campo «Nueva apuesta» y pulse «Repartir» para repetir su última apuesta, mientras su saldo la cubra.
</translation>
    </message>
    <message>
        <source>
THE DEAL:
</source>
        <translation>
EL REPARTO:
</translation>
    </message>
    <message>
        <source>Your bet, new or carried over from the last hand, goes into the Game Pot together with the Dealer&apos;s matching bet. Then you and the Dealer are dealt five cards each, one at a time and in turn, from the top of a freshly shuffled deck.
</source>
        <translation>Su apuesta, nueva o la de la mano anterior, va al bote junto con la apuesta igual del crupier. Después usted y el crupier reciben cinco cartas cada uno, de una en una y por turnos, de lo alto de una baraja recién mezclada.
</translation>
    </message>
    <message>
        <source>Clicking Deal has the Dealer, in this order:
  - close the betting,
  - move your bet from the New Bet or Last Bet field into the Game Pot and match it,
  - shuffle the deck,
  - deal the hand.
</source>
        <translation>Al pulsar «Repartir», el crupier, por este orden:
  - cierra las apuestas,
  - lleva su apuesta, nueva o la última, al bote y la iguala,
  - mezcla la baraja,
  - reparte la mano.
</translation>
    </message>
    <message>
        <source>When both of you hold five cards the deal is over and the draw begins.
</source>
        <translation>Cuando los dos tienen cinco cartas, termina el reparto y empieza el descarte.
</translation>
    </message>
    <message>
        <source>
DRAWING CARDS:
</source>
        <translation>
EL DESCARTE:
</translation>
    </message>
    <message>
        <source>You and the Dealer may each exchange up to 3 cards, or 4 when the one card kept is an Ace. You always draw first.
</source>
        <translation>Usted y el crupier pueden cambiar hasta 3 cartas cada uno, o 4 si la carta que se quedan es un As. Usted siempre descarta primero.
</translation>
    </message>
    <message>
        <source>Click each card you want to exchange to turn it face down (click it again to keep it after all), then click the Draw button.
</source>
        <translation>Pulse cada carta que quiera cambiar para ponerla boca abajo (púlsela otra vez para quedársela al final), y luego pulse «Cambiar».
</translation>
    </message>
    <message>
        <source>After your draw the Dealer announces how many cards the House takes and exchanges them at once. Then the two hands are compared.
</source>
        <translation>Tras su descarte, el crupier anuncia cuántas cartas toma la casa y las cambia enseguida. Después se comparan las dos manos.
</translation>
    </message>
    <message>
        <source>
THE SHOWDOWN:
</source>
        <translation>
LA CONFRONTACIÓN:
</translation>
    </message>
    <message>
        <source>Both hands are turned face up and ranked automatically, and the Dealer announces the winner and pays out the Game Pot.
</source>
        <translation>Las dos manos se destapan y se valoran automáticamente; el crupier anuncia quién gana y paga el bote.
</translation>
    </message>
    <message>
        <source>If you win, the pot goes into your Bank and the cash on the table is updated. If the Dealer wins, the pot goes to the House. If the hands tie, the pot is split and your Bank stays as it was.
</source>
        <translation>Si gana usted, el bote pasa a su saldo y el dinero de la mesa se actualiza. Si gana el crupier, el bote es para la casa. Si hay empate, el bote se reparte y su saldo queda como estaba.
</translation>
    </message>
    <message>
        <source>That ends the hand, and betting opens for the next one.
</source>
        <translation>Así termina la mano, y se abren las apuestas para la siguiente.
</translation>
    </message>
    <message>
        <source>
Note:</source>
        <translation>
Nota:</translation>
    </message>
    <message>
        <source>If you lose a hand with your whole Bank at stake, you are bankrupt. The House then approves a credit extension: choose New Game to play on with a fresh starting Bank, or Exit to leave. Every bankruptcy is counted in the game statistics.
</source>
        <translation>Si pierde una mano en la que se jugaba todo su saldo, queda en bancarrota. La casa le concede entonces un nuevo crédito: elija «Partida nueva» para seguir con un saldo inicial nuevo, o «Salir» para dejarlo. Cada bancarrota se cuenta en las estadísticas.
</translation>
    </message>
    <message>
        <source>
SELECTING A DECK:
</source>
        <translation>
ELEGIR BARAJA:
</translation>
    </message>
    <message>
        <source>You can play with the card back of your choice, or have the Dealer pick one at random before each hand.
</source>
        <translation>Puede jugar con el reverso de cartas que prefiera, o dejar que el crupier elija uno al azar antes de cada mano.
</translation>
    </message>
    <message>
        <source>Choose a deck, or the Randomize option, on the welcome screen when the game opens, or later through Decks in the Game menu (F7) at the start of any hand.
</source>
        <translation>Elija una baraja, o la opción «Al azar», en la pantalla de bienvenida al empezar, o más tarde con «Barajas» en el menú «Juego» (F7) al principio de cualquier mano.
</translation>
    </message>
    <message>
        <source>If the Randomize option is selected, the selection of an individual Deck is disabled.
</source>
        <translation>Con la opción «Al azar» marcada, no se puede elegir una baraja concreta.
</translation>
    </message>
    <message>
        <source>
GAME STATISTICS:
</source>
        <translation>
ESTADÍSTICAS DE LA PARTIDA:
</translation>
    </message>
    <message>
        <source>The statistics of the current game, with a running count of every hand ranking, are gathered automatically and can be viewed at any time.
</source>
        <translation>Las estadísticas de la partida actual, con la cuenta de cada jugada, se recogen automáticamente y se pueden consultar en cualquier momento.
</translation>
    </message>
    <message>
        <source>To view the current game statistics, select the &apos;Stats&apos; option from the &apos;Game&apos; menu.
</source>
        <translation>Para ver las estadísticas de la partida actual, elija «Estadísticas» en el menú «Juego».
</translation>
    </message>
    <message>
        <source>The statistics change only when a hand is over, so the window always shows the figures as of the last finished hand.
</source>
        <translation>Las estadísticas solo cambian al terminar una mano, así que la ventana muestra siempre las cifras de la última mano terminada.
</translation>
    </message>
    <message>
        <source>
SAVING GAME STATISTICS:
</source>
        <translation>
GUARDAR LAS ESTADÍSTICAS:
</translation>
    </message>
    <message>
        <source>You can save the current statistics at any time and open them again later in the statistics window.
</source>
        <translation>Puede guardar las estadísticas actuales en cualquier momento y volver a abrirlas después en la ventana de estadísticas.
</translation>
    </message>
    <message>
        <source>To save, open the statistics window and choose Save... from its Stats menu, or click its Save Stats toolbar button.
</source>
        <translation>Para guardarlas, abra la ventana de estadísticas y elija «Guardar...» en su menú «Estadísticas», o pulse su botón «Guardar estadísticas».
</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:
</source>
        <translation>VER ESTADÍSTICAS GUARDADAS:
</translation>
    </message>
    <message>
        <source>Saved statistics can be viewed at any time during a game. Opening a saved file shows its figures in place of the current ones for as long as you look at them; Current Game in the same menu brings the current figures back.
</source>
        <translation>Las estadísticas guardadas se pueden ver en cualquier momento de la partida. Al abrir un archivo guardado, sus cifras sustituyen a las actuales mientras las mira; «Partida actual» en el mismo menú devuelve las cifras actuales.
</translation>
    </message>
    <message>
        <source>Choose Open... from the Stats menu of the statistics window, or click its Open saved Stats toolbar button.
</source>
        <translation>Elija «Abrir...» en el menú «Estadísticas» de la ventana de estadísticas, o pulse su botón «Abrir estadísticas guardadas».
</translation>
    </message>
    <message>
        <source>Saving is meant for keeping a record of your best games. Saved figures can only be looked at: they never become the figures of the game in play.
</source>
        <translation>Guardar sirve para dejar constancia de sus mejores partidas. Las cifras guardadas solo se pueden ver: nunca pasan a ser las de la partida en juego.
</translation>
    </message>
    <message>
        <source>
THE COACH:
</source>
        <translation>
EL COACH:
</translation>
    </message>
    <message>
        <source>The Coach looks over your shoulder while you discard. It weighs every draw the house allows for the five cards you were dealt, from standing pat to throwing three cards, or four when the card you keep is an Ace, and ranks them by how they fare against the Dealer.
</source>
        <translation>El coach mira por encima de su hombro mientras descarta. Sopesa cada descarte que la casa permite con las cinco cartas que recibió, desde plantarse hasta tirar tres cartas, o cuatro si la que se queda es un As, y los ordena según cómo les va contra el crupier.
</translation>
    </message>
    <message>
        <source>To open or close the Coach, select &apos;Coach&apos; from the &apos;Game&apos; menu, or press Ctrl+K.
</source>
        <translation>Para abrir o cerrar el coach, elija «Coach» en el menú «Juego» o pulse Ctrl+K.
</translation>
    </message>
    <message>
        <source>
LICENSE AGREEMENT:
</source>
        <translation>
ACUERDO DE LICENCIA:
</translation>
    </message>
    <message>
        <source>Brindlewharf is copyright (c) 2026 the Brindlewharf developers and is free software under the MIT License. Anyone who obtains a copy may use it, copy it, change it, merge it into other work, publish it, pass it on, sublicense it and sell copies of it, free of charge and without further restriction, provided that the copyright notice and this permission go along with every copy or substantial part of it. The full terms come with the game, in the file %1.
</source>
        <translation>Brindlewharf es copyright (c) 2026 de los desarrolladores de Brindlewharf y es software libre bajo la licencia MIT. Quien obtenga una copia puede usarlo, copiarlo, modificarlo, combinarlo con otras obras, publicarlo, distribuirlo, sublicenciarlo y vender copias, gratis y sin más restricciones, siempre que el aviso de copyright y este permiso acompañen a toda copia o parte sustancial. Los términos completos (en inglés) vienen con el juego, en el archivo %1.
</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:
</source>
        <translation>EXENCIÓN DE GARANTÍA:
</translation>
    </message>
    <message>
        <source>The game is provided as it is, without warranty of any kind, stated or implied: no promise that it is fit to be sold, that it suits any particular purpose, or that it infringes no one&apos;s rights. In no case are its authors or copyright holders liable for any claim, damages or other liability, whether under a contract, a tort or otherwise, arising from the game, its use or other dealings in it.
</source>
        <translation>El juego se entrega tal cual, sin garantía de ningún tipo, expresa o implícita: ninguna promesa de que sea comerciable, de que sirva para un fin concreto o de que no vulnere derechos de nadie. En ningún caso sus autores o titulares del copyright serán responsables de reclamaciones, daños u otras responsabilidades, contractuales, extracontractuales o de otro tipo, derivadas del juego, de su uso o de cualquier otra operación con él.
</translation>
    </message>
    <message>
        <source>
CONTACTING THE AUTHOR:
</source>
        <translation>
CONTACTAR CON LOS AUTORES:
</translation>
    </message>
    <message>
        <source>Brindlewharf is made in the open by its developers, and what players tell us shapes the next version. We would be glad to hear from you.
</source>
        <translation>Brindlewharf lo desarrollan sus autores de forma abierta, y lo que nos cuentan los jugadores da forma a la próxima versión. Nos encantará saber de usted.
</translation>
    </message>
    <message>
        <source>Write to us to:
  - report a bug or a hand that was scored wrongly,
  - suggest a feature or a house rule,
  - tell us what you think of the card backs and the help,
  - brag about your best game.
</source>
        <translation>Escríbanos para:
  - informar de un fallo o de una mano mal valorada,
  - proponer una función o una regla de la casa,
  - decirnos qué le parecen los reversos y la ayuda,
  - presumir de su mejor partida.
</translation>
    </message>
    <message>
        <source>Send e-mail to:
</source>
        <translation>Envíe un correo a:
</translation>
    </message>
    <message>
        <source>The Brindlewharf developers</source>
        <translation>Los desarrolladores de Brindlewharf</translation>
    </message>
    <message>
        <source>The game has no mailbox of its own: please write to us by opening an issue on the issue tracker of Brindlewharf&apos;s source repository, where its source code is published.
</source>
        <translation>El juego no tiene buzón propio: escríbanos abriendo una incidencia en el gestor de incidencias del repositorio de Brindlewharf, donde se publica su código fuente.
</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Escalera real
(Picas)</translation>
    </message>
    <message>
        <source>The straight flush A, K, Q, J, 10 of one suit: the highest hand there is in poker with nothing wild. See Straight Flush.</source>
        <translation>La escalera de color A, K, Q, J, 10 de un mismo palo: la mano más alta que existe en el póquer sin comodines. Vea Escalera de color.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Escalera de color al Ocho 
(Diamantes)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, such as 8, 7, 6, 5, 4 of diamonds. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace may count low, which makes 5-4-3-2-A the lowest straight flush. Suits never break a tie.</source>
        <translation>Cinco cartas seguidas de un mismo palo, como 8, 7, 6, 5, 4 de diamantes. Decide la carta más alta: 9-8-7-6-5 gana a 7-6-5-4-3. El As puede contar como bajo, con lo que 5-4-3-2-A es la escalera de color más baja. Los palos nunca deshacen un empate.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Póker de Sietes</translation>
    </message>
    <message>
        <source>Four cards of one rank and an odd card, the kicker, such as 7, 7, 7, 7, K. The four decide, so K-K-K-K-4 beats 10-10-10-10-A.</source>
        <translation>Cuatro cartas del mismo valor y una suelta, el kicker, como 7, 7, 7, 7, K. Deciden las cuatro: K-K-K-K-4 gana a 10-10-10-10-A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full de Doses
(con Cincos)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another, such as 2, 2, 2, 5, 5. The three decide, so 4-4-4-3-3 beats 2-2-2-A-A.</source>
        <translation>Tres cartas de un valor y dos de otro, como 2, 2, 2, 5, 5. Deciden las tres: 4-4-4-3-3 gana a 2-2-2-A-A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Color al Rey
(Picas)</translation>
    </message>
    <message>
        <source>Five cards of one suit, such as K, 9, 5, 4, 2 of spades. The highest card decides, then the next, down to the lowest, so A-7-5-4-2 beats K-Q-J-10-8 and J-8-7-5-3 beats J-8-7-5-2. Suits never break a tie.</source>
        <translation>Cinco cartas de un mismo palo, como K, 9, 5, 4, 2 de picas. Decide la carta más alta, luego la siguiente, hasta la más baja: A-7-5-4-2 gana a K-Q-J-10-8 y J-8-7-5-3 gana a J-8-7-5-2. Los palos nunca deshacen un empate.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Escalera a la Jota</translation>
    </message>
    <message>
        <source>Five cards in sequence, such as J, 10, 9, 8, 7. The highest card decides, so 9-8-7-6-5 beats 7-6-5-4-3. The ace counts high or low: A-K-Q-J-10 and 5-4-3-2-A are both straights.</source>
        <translation>Cinco cartas seguidas, como J, 10, 9, 8, 7. Decide la carta más alta: 9-8-7-6-5 gana a 7-6-5-4-3. El As cuenta como alto o bajo: A-K-Q-J-10 y 5-4-3-2-A son escaleras las dos.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Trío de Nueves</translation>
    </message>
    <message>
        <source>Three cards of one rank and two kickers of different ranks, such as 9, 9, 9, J, 7. The three decide, so Q-Q-Q-2-4 beats J-J-J-A-K, and K-K-K-2-3 beats Q-Q-Q-A-K.</source>
        <translation>Tres cartas del mismo valor y dos kickers de valores distintos, como 9, 9, 9, J, 7. Deciden las tres: Q-Q-Q-2-4 gana a J-J-J-A-K, y K-K-K-2-3 gana a Q-Q-Q-A-K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Doble pareja
(Jotas y Cuatros)</translation>
    </message>
    <message>
        <source>Two cards of one rank, two of another and a kicker of a third, such as J, J, 4, 4, 7. The top pair decides, then the bottom pair, then the kicker, so K-K-4-4-7 beats Q-Q-J-J-A, K-K-3-3-A and K-K-4-4-5.</source>
        <translation>Dos cartas de un valor, dos de otro y un kicker de un tercero, como J, J, 4, 4, 7. Decide la pareja alta, luego la baja y luego el kicker: K-K-4-4-7 gana a Q-Q-J-J-A, a K-K-3-3-A y a K-K-4-4-5.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Pareja de Reinas
(Nueve de kicker)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks, such as Q, Q, 2, 4, 9. The pair decides, then each kicker in turn from the highest, so 4-4-A-J-7 beats 4-4-A-10-9.</source>
        <translation>Dos cartas del mismo valor y tres kickers de valores distintos, como Q, Q, 2, 4, 9. Decide la pareja y luego cada kicker, del más alto al más bajo: 4-4-A-J-7 gana a 4-4-A-10-9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Carta alta: As
(Jota de kicker)</translation>
    </message>
    <message>
        <source>Any hand that is none of the above, such as A, J, 6, 3, 2 of mixed suits. The highest card decides, then the second, and so on down to the lowest. Suits never break a tie.</source>
        <translation>Cualquier mano que no sea ninguna de las anteriores, como A, J, 6, 3, 2 de palos variados. Decide la carta más alta, luego la segunda, y así hasta la más baja. Los palos nunca deshacen un empate.</translation>
    </message>
    <message>
        <source>Press Hint to have your cards turned to the best draw.
</source>
        <translation>Pulse «Pista» y sus cartas quedarán boca abajo según el mejor descarte.
</translation>
    </message>
    <message>
        <source>While you discard, the Coach shows your cards and the three best draws. For each it gives the cards to throw and four figures. Win is the chance, in percent, that your hand then beats the Dealer&apos;s; Push the chance of a tie, when you get your bet back; Lose the chance that the Dealer&apos;s hand beats yours. Average is what the draw wins or loses on average at your bet, in dollars: +$2.50 at a $10 bet means a quarter of your bet won, taken over many hands like this one. Most draws lose a little on average, even the best: that is the House&apos;s edge, and the best draw is the one that loses least. A line below the table says how closely the figures are known, and another why the best draw is best, such as keeping a pair of Kings or drawing to a flush. The cards you turn down fade in the Coach&apos;s picture, and once you turn one it shows where your draw stands among all the draws.
</source>
        <translation>Mientras descarta, el coach muestra sus cartas y los tres mejores descartes. Para cada uno indica las cartas que tirar y cuatro cifras. «Gana» es la probabilidad, en porcentaje, de que su mano supere después a la del crupier; «Empata», la de un empate, con el que recupera su apuesta; «Pierde», la de que la mano del crupier supere a la suya. «Media» es lo que el descarte gana o pierde de media con su apuesta, en dólares: +$2.50 con una apuesta de $10 significa que gana la cuarta parte de su apuesta, contando muchas manos como esta. La mayoría de los descartes pierden un poco de media, incluso el mejor: es la ventaja de la casa, y el mejor descarte es el que menos pierde. Una línea bajo la tabla dice con qué precisión se conocen las cifras, y otra por qué el mejor descarte es el mejor, por ejemplo porque se queda con una pareja de Reyes o busca color. Las cartas que pone boca abajo se atenúan en la imagen del coach y, en cuanto pone una, este muestra en qué puesto queda su descarte entre todos los descartes.
</translation>
    </message>
    <message>
        <source>After your draw it tells you whether you chose the best draw, or how far below the best your choice was, and keeps a tally of the game: the draws it judged, how many were the best, how many you took on a hint, and how much more the best draws would have won than yours, on average, at your bets. When your hand wins or ties anyway, it only tells you what the best draw would have been. New Game starts the tally afresh.
</source>
        <translation>Tras su descarte, le dice si eligió el mejor descarte o cuánto quedó su elección por debajo del mejor, y lleva la cuenta de la partida: los descartes que valoró, cuántos fueron los mejores, cuántos hizo siguiendo una pista y cuánto más habrían ganado de media los mejores descartes que los suyos con sus apuestas. Si su mano gana o empata de todos modos, solo le dice cuál habría sido el mejor descarte. «Partida nueva» pone la cuenta a cero.
</translation>
    </message>
    <message>
        <source>The figures come from the Dealer&apos;s fixed rule: the Dealer never sees your cards and always draws the same way, so the Coach can play out tens of thousands of the Dealer&apos;s hands, and every draw you could get against each. The figures are averages over those deals, not a promise about the next hand, and each is shown only as finely as it is known. The Dealer&apos;s luck moves every draw alike, so how far one draw falls below another is known far better than either average: for draws close to each other, to about a tenth of a cent per dollar bet. Draws closer than that are called as good as the best, and either is a fine choice. The Coach never changes how the cards are shuffled or dealt.
</source>
        <translation>Las cifras salen de la regla fija del crupier: el crupier nunca ve sus cartas y siempre cambia de la misma manera, así que el coach puede jugar decenas de miles de manos del crupier y, contra cada una, todas las cartas que usted podría recibir. Las cifras son medias sobre esos repartos, no una promesa sobre la próxima mano, y cada una se muestra solo con la precisión con que se conoce. La suerte del crupier afecta por igual a todos los descartes, así que la distancia entre dos descartes se conoce mucho mejor que cualquiera de las dos medias: entre descartes cercanos, con un margen de una décima de centavo por dólar apostado. Los descartes más cercanos que eso se consideran tan buenos como el mejor, y cualquiera de ellos es una buena elección. El coach nunca cambia cómo se barajan ni cómo se reparten las cartas.
</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Loss, bankrupt</source>
        <translation>Perdida, en bancarrota</translation>
    </message>
    <message>
        <source>As good as best</source>
        <translation>Tan bueno como el mejor</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, boca abajo</translation>
    </message>
    <message>
        <source>High card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Mejor descarte</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>Sin veredicto</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Repartidas</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Tras el descarte</translation>
    </message>
    <message>
        <source>Dealer&apos;s cards</source>
        <translation>Cartas del crupier</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Su mano</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand</source>
        <translation>Mano del crupier</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>%1 below best</source>
        <translation>%1 menos</translation>
    </message>
</context>
<context>
    <name>LeakPage</name>
    <message>
        <source>Stood pat</source>
        <translation>Se plantó</translation>
    </message>
    <message>
        <source>Broke a made hand</source>
        <translation>Rompió una mano hecha</translation>
    </message>
    <message>
        <source>Broke a pair</source>
        <translation>Rompió una pareja</translation>
    </message>
    <message>
        <source>Kept a kicker</source>
        <translation>Se quedó con un kicker</translation>
    </message>
    <message>
        <source>Chased a flush</source>
        <translation>Fue a por color</translation>
    </message>
    <message>
        <source>Drew to an inside straight</source>
        <translation>Fue a por una escalera interior</translation>
    </message>
    <message>
        <source>Chased an open straight</source>
        <translation>Fue a por una escalera abierta</translation>
    </message>
    <message>
        <source>Threw a keeper</source>
        <translation>Tiró una carta buena</translation>
    </message>
    <message>
        <source>Kept the wrong cards</source>
        <translation>Se quedó con las cartas equivocadas</translation>
    </message>
    <message>
        <source>You kept all five cards where drawing was better.</source>
        <translation>Se quedó con las cinco cartas cuando era mejor cambiar.</translation>
    </message>
    <message>
        <source>You broke up a straight or better that was worth more kept whole.</source>
        <translation>Rompió una escalera o algo mejor que valía más entera.</translation>
    </message>
    <message>
        <source>You threw away a card of a pair that was worth keeping.</source>
        <translation>Tiró una carta de una pareja que valía la pena conservar.</translation>
    </message>
    <message>
        <source>You kept an extra card beside the good ones instead of drawing to them.</source>
        <translation>Se quedó con una carta de más junto a las buenas en lugar de pedir.</translation>
    </message>
    <message>
        <source>You kept four cards of a suit where other cards were worth more.</source>
        <translation>Se quedó con cuatro cartas de un palo cuando otras valían más.</translation>
    </message>
    <message>
        <source>You kept four cards to a straight that only one rank can fill.</source>
        <translation>Se quedó con cuatro cartas para una escalera que solo un valor puede completar.</translation>
    </message>
    <message>
        <source>You kept four cards in a row where other cards were worth more.</source>
        <translation>Se quedó con cuatro cartas seguidas cuando otras valían más.</translation>
    </message>
    <message>
        <source>You threw away a card that was worth keeping.</source>
        <translation>Tiró una carta que valía la pena conservar.</translation>
    </message>
    <message>
        <source>You kept other cards than the ones worth keeping.</source>
        <translation>Se quedó con otras cartas en lugar de las que valía la pena conservar.</translation>
    </message>
    <message>
        <source>Mistakes by kind, costliest first</source>
        <translation>Errores por tipo, el más caro primero</translation>
    </message>
    <message>
        <source>Mistake</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Cost each time</source>
        <translation>Coste por vez</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>Qué significa</translation>
    </message>
    <message>
        <source>The coach has not judged any of your draws yet. Open the coach (Ctrl+K) while you play: every draw it judges is kept here, and the ones that were not the best show where your money goes.</source>
        <translation>El coach aún no ha juzgado ninguno de sus descartes. Abra el coach (Ctrl+K) mientras juega: cada descarte que juzgue se guarda aquí, y los que no fueron los mejores muestran adónde va su dinero.</translation>
    </message>
    <message>
        <source>The coach judged %1 of your draws, and every one was as good as the best. Nothing lost!</source>
        <translation>El coach juzgó %1 de sus descartes, y todos fueron tan buenos como el mejor. ¡Nada perdido!</translation>
    </message>
    <message>
        <source>The coach judged %1 of your draws. The ones that were not the best cost you %2 in all: %3 a hand on average, against the best draw every time.</source>
        <translation>El coach juzgó %1 de sus descartes. Los que no fueron los mejores le costaron %2 en total: %3 por mano de media, frente al mejor descarte cada vez.</translation>
    </message>
    <message>
        <source>%1. %2: %3 over %4.</source>
        <translation>%1. %2: %3 en %4.</translation>
    </message>
    <message>
        <source>   The costliest, game %1, hand %2: dealt %3; you kept %4, the best hold keeps %5 (%6 below it).</source>
        <translation>   La más cara, partida %1, mano %2: repartidas %3; se quedó con %4, el mejor descarte se queda con %5 (%6 por debajo).</translation>
    </message>
    <message>
        <source>Your three costliest leaks:</source>
        <translation>Sus tres puntos débiles más caros:</translation>
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
        <translation>Balance total</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Bankruptcies</source>
        <translation>Bancarrotas</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Hands won</source>
        <translation>Manos ganadas</translation>
    </message>
    <message>
        <source>Hands lost</source>
        <translation>Manos perdidas</translation>
    </message>
    <message>
        <source>Hands pushed</source>
        <translation>Manos empatadas</translation>
    </message>
    <message>
        <source>Money won</source>
        <translation>Dinero ganado</translation>
    </message>
    <message>
        <source>Money lost</source>
        <translation>Dinero perdido</translation>
    </message>
    <message>
        <source>Won less lost</source>
        <translation>Ganado menos perdido</translation>
    </message>
    <message>
        <source>Best hand</source>
        <translation>Mejor mano</translation>
    </message>
    <message>
        <source>Largest pot</source>
        <translation>Bote más grande</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Racha ganadora más larga</translation>
    </message>
    <message>
        <source>Longest losing streak</source>
        <translation>Racha perdedora más larga</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Ninguna aún</translation>
    </message>
    <message>
        <source>High card: %1</source>
        <translation>Carta alta: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n manos</numerusform>
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
        <translation>¡Arruinado!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Credit Extension</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Approved!</source>
        <translation>¡concedido!</translation>
    </message>
    <message>
        <source>Five-card draw against the House</source>
        <translation>Póquer cubierto contra la casa</translation>
    </message>
    <message>
        <source>© 2026 the</source>
        <translation>© 2026 los</translation>
    </message>
    <message>
        <source>Brindlewharf developers</source>
        <translation>desarrolladores de Brindlewharf</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>¡Carácter no válido en la apuesta!</translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Error de apuesta</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>¡No tiene tanto!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>¡Su última apuesta supera su saldo!
         Apueste menos.</translation>
    </message>
    <message>
        <source>Bet Overflow</source>
        <translation>Apuesta excesiva</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>¡Eso no es una apuesta!
      Inténtelo otra vez.</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Apuesta no válida</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>¡No tiene tanto!
       Inténtelo otra vez.</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Tiene que apostar algo.</translation>
    </message>
    <message>
        <source>The bank can&apos;t hold a win that big!
      Decrease your bet..</source>
        <translation>¡El saldo no admite una ganancia tan grande!
      Apueste menos.</translation>
    </message>
    <message>
        <source>You must enter a valid bet.
      Try Again..</source>
        <translation>Introduzca una apuesta válida.
      Inténtelo otra vez.</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try Again..</source>
        <translation>¡No tiene tanto!
       Inténtelo otra vez.</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Descarte no válido</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>¡No puede cambiar 5!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>¡Solo puede cambiar 4 si se queda un As!</translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>El nombre debe tener 10 letras como máximo.
        Inténtelo otra vez.</translation>
    </message>
    <message>
        <source>Name must not hold tabs or line breaks.
        Try Again..</source>
        <translation>El nombre no puede contener tabulaciones ni saltos de línea.
        Inténtelo otra vez.</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Brindlewharf</source>
        <translation>Acerca de Brindlewharf</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
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
&lt;p&gt;Copyright (c) 2026 los desarrolladores de Brindlewharf&lt;/p&gt;
&lt;p&gt;Brindlewharf es software libre, publicado bajo la licencia MIT
(identificador SPDX &lt;tt&gt;MIT&lt;/tt&gt;). Puede usarlo, copiarlo, modificarlo, combinarlo con otras obras,
publicarlo, distribuirlo, sublicenciarlo y vender copias, siempre que la línea de copyright de arriba
y este permiso acompañen a toda copia o parte sustancial.
Los términos completos (en inglés) vienen con el juego, en el archivo %1.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sin garantía.&lt;/b&gt; El juego se entrega tal cual. Sus autores no prometen nada sobre él,
ni que funcione ni que sirva para ningún fin, y no se les puede responsabilizar de ninguna
reclamación, daño u otra pérdida que se derive de su uso o de su comercio.&lt;/p&gt;
&lt;p&gt;Todas las imágenes del juego las dibujaron sus autores expresamente para él.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Brindlewharf, Version 1.1, © 2026 the Brindlewharf developers</source>
        <translation>Brindlewharf, versión 1.1, © 2026 los desarrolladores de Brindlewharf</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se ha producido un error desconocido.</translation>
    </message>
</context>
<context>
    <name>TCoachBox</name>
    <message>
        <source>Stand pat</source>
        <translation>Plantarse</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>stand pat</source>
        <translation>plantarse</translation>
    </message>
    <message>
        <source>throw %1</source>
        <translation>tirar %1</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Sietes</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Ochos</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Nueves</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Dieces</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Jotas</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Reinas</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Reyes</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Ases</translation>
    </message>
    <message>
        <source>Stands pat on a %1</source>
        <translation>Se planta con %1</translation>
    </message>
    <message>
        <source>Keeps four %1</source>
        <translation>Se queda con póker de %1</translation>
    </message>
    <message>
        <source>Keeps three %1</source>
        <translation>Se queda con trío de %1</translation>
    </message>
    <message>
        <source>Keeps two pair, %1 high</source>
        <translation>Se queda con doble pareja, la mayor de %1</translation>
    </message>
    <message>
        <source>Keeps a pair of %1</source>
        <translation>Se queda con la pareja de %1</translation>
    </message>
    <message>
        <source>Draws one card to a straight flush</source>
        <translation>Pide una carta para escalera de color</translation>
    </message>
    <message>
        <source>Draws one card to a flush</source>
        <translation>Pide una carta para color</translation>
    </message>
    <message>
        <source>Draws one card to a straight</source>
        <translation>Pide una carta para escalera</translation>
    </message>
    <message>
        <source>Keeps the Ace and draws four</source>
        <translation>Se queda con el As y cambia cuatro</translation>
    </message>
    <message>
        <source>Keeps the %1 and draws four</source>
        <translation>Se queda con una carta (%1) y cambia cuatro</translation>
    </message>
    <message numerus="yes">
        <source>Keeps the %n highest cards, %1 high</source>
        <translation>
            <numerusform>Se queda con la carta más alta (%1)</numerusform>
            <numerusform>Se queda con las %n más altas; la mayor, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Throw: the cards to turn down. Win, Push, Lose: the chances that your hand then beats the Dealer&apos;s, ties it (you get your bet back) or loses to it. Average: what the draw wins or loses on average at your bet.</source>
        <translation>Tirar: las cartas que poner boca abajo. Gana, Empata, Pierde: la probabilidad de que su mano supere después a la del crupier, empate con ella (recupera su apuesta) o pierda. Media: lo que el descarte gana o pierde de media con su apuesta.</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Best holds against the Dealer&apos;s rule</source>
        <translation>Mejores descartes contra la regla del crupier</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gana</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empata</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Pierde</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Where the cards you have turned stand among all the draws, and what they win or lose on average at your bet.</source>
        <translation>En qué puesto quedan las cartas que ha puesto boca abajo entre todos los descartes, y lo que ganan o pierden de media con su apuesta.</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Turn your cards to the best hold</source>
        <translation>Poner sus cartas boca abajo según el mejor descarte</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>No verdict: the draw came before the odds were ready</source>
        <translation>Sin veredicto: descartó antes de tener las probabilidades</translation>
    </message>
    <message>
        <source>Best hold</source>
        <translation>Mejor descarte</translation>
    </message>
    <message>
        <source>You won this one.</source>
        <translation>Esta la ha ganado.</translation>
    </message>
    <message>
        <source>A push this time.</source>
        <translation>Esta vez, empate.</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, boca abajo</translation>
    </message>
    <message>
        <source>The coach ranks your holds when the cards are dealt.</source>
        <translation>El coach valora sus descartes al repartir.</translation>
    </message>
    <message>
        <source>Working out the odds...</source>
        <translation>Calculando las probabilidades...</translation>
    </message>
    <message>
        <source>, as good as the best</source>
        <translation>, tan bueno como el mejor</translation>
    </message>
    <message>
        <source>Why: %1</source>
        <translation>Por qué: %1</translation>
    </message>
    <message>
        <source>You stood pat</source>
        <translation>Se plantó</translation>
    </message>
    <message>
        <source>You stand pat</source>
        <translation>Se planta</translation>
    </message>
    <message>
        <source>You threw %1</source>
        <translation>Tiró %1</translation>
    </message>
    <message>
        <source>You throw %1</source>
        <translation>Tira %1</translation>
    </message>
    <message>
        <source>Not a legal draw: %1</source>
        <translation>No válido: %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3 on average</source>
        <translation>%1 de %2, %3 de media</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <translation>%1 de %2, %3</translation>
    </message>
    <message>
        <source>As good as the best: within %1 at your bet</source>
        <translation>Tan bueno como el mejor: a menos de %1 con su apuesta</translation>
    </message>
    <message>
        <source>%1 The best hold was %2, worth %3 more on average at your bet.</source>
        <translation>%1 Lo mejor era %2, que vale %3 más de media con su apuesta.</translation>
    </message>
    <message>
        <source>%1 of %2: the best hold averages %3 more at your bet</source>
        <translation>%1 de %2: el mejor descarte gana de media %3 más con su apuesta</translation>
    </message>
    <message>
        <source>Averages within %1 at your bet; how far each is below the first, within %2.</source>
        <translation>Medias con un margen de %1 con su apuesta; la distancia de cada una a la primera, con un margen de %2.</translation>
    </message>
    <message>
        <source>Best: %1. %2</source>
        <translation>Lo mejor: %1. %2</translation>
    </message>
    <message>
        <source>The House&apos;s edge makes most holds lose on average; the first line loses least.</source>
        <translation>La ventaja de la casa hace que la mayoría de los descartes pierdan de media; la primera línea es la que menos pierde.</translation>
    </message>
    <message>
        <source>The House&apos;s edge makes most holds lose on average; with this hand the first line wins.</source>
        <translation>La ventaja de la casa hace que la mayoría de los descartes pierdan de media; con esta mano, la primera línea gana.</translation>
    </message>
    <message>
        <source>This game: draws judged %1, best holds %2, on a hint %3.</source>
        <translation>Esta partida: descartes valorados %1, mejores descartes %2, con pista %3.</translation>
    </message>
    <message>
        <source>The best holds would have won %1 more on average.</source>
        <translation>Los mejores descartes habrían ganado de media %1 más.</translation>
    </message>
    <message>
        <source>Every draw was a best hold.</source>
        <translation>Todos sus descartes estaban entre los mejores.</translation>
    </message>
    <message>
        <source>Hold %1 of %2%3: %4</source>
        <translation>Descarte %1 de %2%3: %4</translation>
    </message>
    <message>
        <source>Keeps a pair of %1 and the %2</source>
        <translation>Se queda con la pareja de %1 y %2 de kicker</translation>
    </message>
    <message>
        <source>Keeps three cards to a straight flush</source>
        <translation>Se queda con tres cartas para escalera de color</translation>
    </message>
    <message>
        <source>Keeps three cards of one suit</source>
        <translation>Se queda con tres cartas del mismo palo</translation>
    </message>
    <message>
        <source>Keeps three cards to a straight</source>
        <translation>Se queda con tres cartas para escalera</translation>
    </message>
    <message>
        <source>Keeps two cards of one suit, %1 high</source>
        <translation>Se queda con dos cartas del mismo palo, la más alta %1</translation>
    </message>
    <message>
        <source>Keeps two cards in sequence, %1 high</source>
        <translation>Se queda con dos cartas seguidas, la más alta %1</translation>
    </message>
    <message>
        <source>Keeps %1</source>
        <translation>Se queda con %1</translation>
    </message>
    <message>
        <source>lose %1 on average</source>
        <translation>pierde %1 de media</translation>
    </message>
    <message>
        <source>win %1 on average</source>
        <translation>gana %1 de media</translation>
    </message>
    <message>
        <source>Your cards already stand as the coach&apos;s best hold: %1.</source>
        <translation>Sus cartas ya están como el mejor descarte del coach: %1.</translation>
    </message>
    <message>
        <source>The coach set its best hold: %1.</source>
        <translation>El coach ha puesto su mejor descarte: %1.</translation>
    </message>
    <message>
        <source>Coach open. Best hold: %1.</source>
        <translation>Coach abierto. Mejor descarte: %1.</translation>
    </message>
    <message>
        <source>Coach open, working out the odds.</source>
        <translation>Coach abierto, calculando las probabilidades.</translation>
    </message>
    <message>
        <source>Coach open.</source>
        <translation>Coach abierto.</translation>
    </message>
    <message>
        <source>Coach closed.</source>
        <translation>Coach cerrado.</translation>
    </message>
    <message>
        <source>Coach&apos;s best hold: %1.</source>
        <translation>Mejor descarte del coach: %1.</translation>
    </message>
    <message>
        <source>keep %1 and throw %2</source>
        <translation>quedarse con %1 y tirar %2</translation>
    </message>
</context>
<context>
    <name>TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Elegir baraja</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Space frames this back, Enter chooses it</source>
        <translation>Espacio enmarca este reverso, Intro lo elige</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionado</translation>
    </message>
    <message>
        <source>Not chosen while Randomize is ticked: every hand gets a new back</source>
        <translation>No se puede elegir mientras «Al azar» esté marcado: cada mano recibe un reverso nuevo</translation>
    </message>
</context>
<context>
    <name>TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>¡En bancarrota!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Partida nueva</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>¡Gracias por jugar a</translation>
    </message>
    <message>
        <source>Brindlewharf! </source>
        <translation>Brindlewharf! </translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf</source>
        <translation>© 2026 los desarrolladores</translation>
    </message>
    <message>
        <source>developers</source>
        <translation>de Brindlewharf</translation>
    </message>
    <message>
        <source>You&apos;re Broke! Game Over. Credit Extension Approved!</source>
        <translation>¡Está arruinado! Fin de la partida. ¡Nuevo crédito aprobado!</translation>
    </message>
</context>
<context>
    <name>THelpBox</name>
    <message>
        <source>Brindlewharf Help</source>
        <translation>Ayuda de Brindlewharf</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Brindlewharf:</source>
        <translation>Brindlewharf:</translation>
    </message>
    <message>
        <source>Game Overview</source>
        <translation>El juego en resumen</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Reglas de la casa:</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>Las apuestas</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>El reparto</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>El descarte</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>La confrontación</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Funciones:</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Elegir baraja</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas de la partida</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Guardar las estadísticas</translation>
    </message>
    <message>
        <source>The Coach</source>
        <translation>El coach</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Otros:</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Contactar con los autores</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Jugadas:</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Escalera real</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Escalera de color</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Póker</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Color</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Escalera</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Trío</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Doble pareja</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Pareja</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Carta alta</translation>
    </message>
    <message>
        <source>Brindlewharf</source>
        <translation>Brindlewharf</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>© 2026 the Brindlewharf developers</source>
        <translation>© 2026 los desarrolladores de Brindlewharf</translation>
    </message>
    <message>
        <source>MIT License</source>
        <translation>Licencia MIT</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Hand rank description</source>
        <translation>Descripción de la jugada</translation>
    </message>
</context>
<context>
    <name>THistoryBox</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Hands of this game, newest first</source>
        <translation>Manos de esta partida, la más reciente primero</translation>
    </message>
    <message>
        <source>Dealt (turned down cards faded)</source>
        <translation>Repartidas (las cartas boca abajo, atenuadas)</translation>
    </message>
    <message>
        <source>After the draw</source>
        <translation>Tras el descarte</translation>
    </message>
    <message>
        <source>The Dealer&apos;s final hand</source>
        <translation>La mano final del crupier</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Mano %1</translation>
    </message>
    <message>
        <source>No hands yet</source>
        <translation>Aún no hay manos</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Repartidas</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Crupier</translation>
    </message>
    <message>
        <source>%1, turned down</source>
        <translation>%1, boca abajo</translation>
    </message>
    <message>
        <source>%1, card %2: %3</source>
        <translation>%1, carta %2: %3</translation>
    </message>
    <message>
        <source>Export Hand History</source>
        <translation>Exportar el historial de manos</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>No se pudo guardar %1.</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>&amp;This Game</source>
        <translation>Esta &amp;partida</translation>
    </message>
    <message>
        <source>Back to the hands of the game in play</source>
        <translation>Volver a las manos de la partida en juego</translation>
    </message>
    <message>
        <source>Every game, newest first</source>
        <translation>Todas las partidas, la más reciente primero</translation>
    </message>
    <message>
        <source>Show &amp;Hands</source>
        <translation>Ver las &amp;manos</translation>
    </message>
    <message>
        <source>The hands and the chart of the game chosen</source>
        <translation>Las manos y el gráfico de la partida elegida</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <translation>Balance total</translation>
    </message>
    <message>
        <source>Leaks</source>
        <translation>Puntos débiles</translation>
    </message>
    <message>
        <source>A hand could not be written to your hand history (%1). The hands of this game stay in this window until you quit.</source>
        <translation>No se pudo escribir una mano en su historial de manos (%1). Las manos de esta partida se quedan en esta ventana hasta que salga.</translation>
    </message>
    <message>
        <source>Your hand history could not be read, so it was put aside as %1 and a new one was started.</source>
        <translation>No se pudo leer su historial de manos, así que se apartó como %1 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>The file kept for your hand history belonged to another program, so it was renamed %1 and a new hand history was started.</source>
        <translation>El archivo de su historial de manos pertenecía a otro programa, así que se renombró como %1 y se empezó un historial nuevo.</translation>
    </message>
    <message>
        <source>Your hand history was written by a newer version of Brindlewharf. It is left as it is, and the hands of this run are kept only until you quit.</source>
        <translation>Su historial de manos lo escribió una versión más reciente de Brindlewharf. Se deja tal cual, y las manos de esta sesión solo se guardan hasta que salga.</translation>
    </message>
    <message>
        <source>Your hand history could not be opened (%1). The hands of this run are kept only until you quit.</source>
        <translation>No se pudo abrir su historial de manos (%1). Las manos de esta sesión solo se guardan hasta que salga.</translation>
    </message>
    <message>
        <source>Hand History</source>
        <translation>Historial de manos</translation>
    </message>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n mano</numerusform>
            <numerusform>%n manos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s game of %2: %3, newest first</source>
        <translation>Partida de %1 del %2: %3, la más reciente primero</translation>
    </message>
    <message>
        <source>Hands of %1&apos;s game of %2, newest first</source>
        <translation>Manos de la partida de %1 del %2, la más reciente primero</translation>
    </message>
    <message>
        <source>This game, newest hand first</source>
        <translation>Esta partida, la mano más reciente primero</translation>
    </message>
</context>
<context>
    <name>TIntroDlg</name>
    <message>
        <source>Welcome to Brindlewharf</source>
        <translation>Bienvenido a Brindlewharf</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation>¡Bienvenido a Brindlewharf!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Escriba su nombre:</translation>
    </message>
    <message>
        <source>Your starting bank account is $</source>
        <translation>Su saldo inicial es de $</translation>
    </message>
    <message>
        <source>Enter starting bet amount: </source>
        <translation>Su primera apuesta: </translation>
    </message>
    <message>
        <source>(This can be changed before any hand) </source>
        <translation>(se puede cambiar antes de cada mano) </translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Pulse la carta</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>para elegir baraja</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Deal &apos;em up!</source>
        <translation>¡&amp;A repartir!</translation>
    </message>
    <message>
        <source>Space shows the next back</source>
        <translation>Espacio muestra el reverso siguiente</translation>
    </message>
    <message>
        <source>Your starting bank account is %1</source>
        <translation>Su saldo inicial es de %1</translation>
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
        <translation>Crupier</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>New Bet:</source>
        <translation>Nueva apuesta:</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Partida nueva</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>&amp;Stats...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Barajas...</translation>
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
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>Acerca &amp;de... </translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>¡Usted gana!</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>¡Gana el crupier!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Empate: ¡se reparte el bote!</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf..</source>
        <translation>¡Bienvenido a Brindlewharf!</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Cambie su apuesta o pulse Repartir para jugar</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Escriba su apuesta y pulse Repartir para empezar</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Pulse las cartas que quiere descartar y luego Cambiar</translation>
    </message>
    <message>
        <source>Game pot</source>
        <translation>Bote</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand</source>
        <translation>La mano del crupier</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Su mano</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Last bet</source>
        <translation>Última apuesta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Welcome to Brindlewharf!</source>
        <translation>¡Bienvenido a Brindlewharf!</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Sin saldo)</translation>
    </message>
    <message>
        <source>no card</source>
        <translation>sin carta</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>Your card %1: %2</source>
        <translation>Su carta %1: %2</translation>
    </message>
    <message>
        <source>Dealer&apos;s card %1: %2</source>
        <translation>Carta %1 del crupier: %2</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>El crupier cambia %1</translation>
    </message>
    <message>
        <source>Place your bet..</source>
        <translation>Haga su apuesta.</translation>
    </message>
    <message>
        <source>Your hand: %1</source>
        <translation>Su mano: %1</translation>
    </message>
    <message>
        <source>The Dealer&apos;s hand: %1</source>
        <translation>La mano del crupier: %1</translation>
    </message>
    <message>
        <source>Save current stats?</source>
        <translation>¿Guardar las estadísticas actuales?</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Dealing</source>
        <translation>Repartiendo</translation>
    </message>
    <message>
        <source>The Dealer&apos;s turn</source>
        <translation>Turno del crupier</translation>
    </message>
    <message>
        <source>Showdown</source>
        <translation>Descubrimiento</translation>
    </message>
    <message>
        <source>%1, face down, to be replaced</source>
        <translation>%1, boca abajo, para cambiar</translation>
    </message>
    <message>
        <source>Game Pot:  %1</source>
        <translation>Bote:  %1</translation>
    </message>
    <message>
        <source>Bank: %1</source>
        <translation>Saldo: %1</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Apostar %1</translation>
    </message>
    <message>
        <source>Last Bet: %1</source>
        <translation>Última apuesta: %1</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>S&amp;onido</translation>
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
        <translation>Estadísticas de la partida actual</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Guardar estadísticas...</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Abrir estadísticas guardadas...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Estadísticas de la partida actual</translation>
    </message>
    <message>
        <source>Brindlewharf Help...</source>
        <translation>Ayuda de Brindlewharf...</translation>
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
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Manos jugadas:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Porcentaje de victorias:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Saldo medio:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Saldo máximo:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Apuesta media:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Apuesta máxima:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Bancarrotas/reinicios:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Racha ganadora más larga:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Crupier:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Mejor mano del crupier:</translation>
    </message>
    <message>
        <source>Player&apos;s Best Hand:</source>
        <translation>Mejor mano del jugador:</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Acumulado</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Jugadas acumuladas:</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Escalera real:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Escalera de color:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Póker:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Escalera:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Trío:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Doble pareja:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Pareja:</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Carta alta:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Cartas cambiadas en total:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 cartas:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 carta:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 cartas:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 cartas:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 cartas:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Mano mejorada tras el descarte:</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Partida actual</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>A&amp;yuda...</translation>
    </message>
    <message>
        <source>Save Brindlewharf Game Stats As</source>
        <translation>Guardar las estadísticas de Brindlewharf como</translation>
    </message>
    <message>
        <source>Open Brindlewharf Game Stats</source>
        <translation>Abrir estadísticas de Brindlewharf</translation>
    </message>
    <message>
        <source>Brindlewharf Game Stats (*.bwf)</source>
        <translation>Estadísticas de Brindlewharf (*.bwf)</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 ganó:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finanzas de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Mejor mano de %1:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>%1&apos;s best hand, card %2: %3</source>
        <translation>Mejor mano de %1, carta %2: %3</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Crupier</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Sobrescribir el archivo de estadísticas</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>No se pudo guardar %1.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. El archivo no existe.</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>¡Archivo de datos no válido!</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Error al abrir n.º %1</translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Viendo %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hand(s)</source>
        <translation>
            <numerusform>%1 mano</numerusform>
            <numerusform>%1 manos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableVoice</name>
    <message>
        <source>Your %1 beats the Dealer&apos;s %2.</source>
        <translation>Su mano, %1, gana a la del crupier, %2.</translation>
    </message>
    <message>
        <source>The Dealer&apos;s %2 beats your %1.</source>
        <translation>La mano del crupier, %2, gana a la suya, %1.</translation>
    </message>
    <message>
        <source>Your %1 ties the Dealer&apos;s %2.</source>
        <translation>Su mano, %1, empata con la del crupier, %2.</translation>
    </message>
    <message>
        <source>Dealt: %1. %2</source>
        <translation>Reparto: %1. %2</translation>
    </message>
    <message>
        <source>The Dealer&apos;s cards are face down.</source>
        <translation>Las cartas del crupier están boca abajo.</translation>
    </message>
    <message>
        <source>Your cards: %1.</source>
        <translation>Sus cartas: %1.</translation>
    </message>
    <message>
        <source>The Dealer&apos;s cards: %1.</source>
        <translation>Las cartas del crupier: %1.</translation>
    </message>
    <message>
        <source>You stand pat: %1.</source>
        <translation>Se planta: %1.</translation>
    </message>
    <message>
        <source>You drew %1: %2.</source>
        <translation>Roba %1: %2.</translation>
    </message>
    <message>
        <source>Now on the bet box.</source>
        <translation>Ahora en la casilla de apuesta.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nueva partida.</translation>
    </message>
    <message>
        <source>Your hand: %1.</source>
        <translation>Su mano: %1.</translation>
    </message>
    <message>
        <source>No hand on the table.</source>
        <translation>No hay mano en la mesa.</translation>
    </message>
    <message>
        <source>Bet %1, %2 left.</source>
        <translation>Apuesta %1, quedan %2.</translation>
    </message>
    <message>
        <source>Now on the %1 bill.</source>
        <translation>Ahora en el billete de %1.</translation>
    </message>
    <message>
        <source>Your bet: %1, Game Pot: %2.</source>
        <translation>Su apuesta: %1, bote: %2.</translation>
    </message>
    <message>
        <source>Last bet %1.</source>
        <translation>Última apuesta %1.</translation>
    </message>
    <message>
        <source>New bet: %1.</source>
        <translation>Nueva apuesta: %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sonido activado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Sonido desactivado.</translation>
    </message>
</context>
</TS>
