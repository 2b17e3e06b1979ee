<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 non è raggiungibile</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>né DISPLAY né WAYLAND_DISPLAY sono impostati</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY non è impostato</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY non è impostato</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>nessuno schermo grafico trovato: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>CAMPO DI GIOCO</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>%1 COLPI</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>%1 COLPI PAGANO %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>TUBI</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>TUBO %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>TUBO %1:   %2 COLPI   VINCITA %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>GETTONI</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>PALLINE EXTRA</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>SCELTA AUTO</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>CANCELLA</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>PUNTA %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>GIOCA %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>CREDITO</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>PUNTATA</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>VINCITA</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>PALLINE FORTUNATE</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>BUONA FORTUNA</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>SCEGLI DA 3 A 10 NUMERI</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>NULLA</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>SOLDI SUBITO</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>Non è stato possibile scrivere lo storico delle partite (%1).<byte value="xd"/>Credito e statistiche sono conservati come sempre; il gioco continuerà a provare a tenere le tue partite.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>Lo storico delle partite era danneggiato. È stato messo da parte come<byte value="xd"/>%1<byte value="xd"/>e ne è stato iniziato uno nuovo.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>Lo storico delle partite<byte value="xd"/>%1<byte value="xd"/>viene da una versione più recente del gioco. È mostrato così com&apos;è e non vi si aggiungono nuove partite.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 su %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Probabilità di un tubo, per gettone puntato: le 20 palline della giocata, poi le 3 palline extra se vinte.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>La pallina jolly è tra le 23 palline di un tubo in 23 tubi su 487 (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>estratta con 23 delle 81 palline, resta solo un turno su otto.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>numeri</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>premio di linea</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>premio massimo</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>palline extra</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>pagato dopo</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>ritorno al giocatore</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 gettoni</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Colpi nelle 20 palline senza la pallina jolly, in percentuale dei tubi:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Colpi nelle 20 palline con la pallina jolly (contata come colpo), in percentuale dei tubi:</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>numeri segnati</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>colpi</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>I numeri segnati in ROSSO indicano i colpi necessari per vincere le 3 palline extra.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Le palline segnate con una W sono palline jolly e pagano il doppio quando usate.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>Il file è stato conservato invariato come<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Non è stato possibile farne una copia: è rimasto com&apos;era e non vi sarà salvato nulla.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>I dati dei giocatori in<byte value="xd"/>%1<byte value="xd"/>non sono stati letti, quindi il gioco parte senza di essi.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>I dati dei giocatori non possono essere salvati in<byte value="xd"/>%1<byte value="xd"/>perché: %2.<byte value="xd"/>Puoi giocare, ma nulla di vinto o inserito sarà conservato.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>I dati dei giocatori non sono stati salvati in<byte value="xd"/>%1<byte value="xd"/>perché: %2.<byte value="xd"/>Il gioco continua, ma i gettoni vinti da ora in poi potrebbero andare persi alla chiusura.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>I dati dei giocatori non sono stati salvati in<byte value="xd"/>%1<byte value="xd"/>perché: %2.<byte value="xd"/>Il gioco si chiude.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Il giocatore %1 in<byte value="xd"/>%2<byte value="xd"/>ha valori che il gioco non può leggere come numero:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Il giocatore %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>ha valori che il gioco non può leggere come numero:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>Il gioco lo conta come 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>Il gioco li conta come 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Partite giocate      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Totale puntato     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Totale vinto      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Vincita/Perdita     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Ritorno al giocatore     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Totale investito      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Partite giocate          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Totale puntato         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Totale vinto          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Vincita/Perdita      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Ritorno al giocatore </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Totale investito     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Ritorno al giocatore     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Partite giocate            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Totale puntato           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Totale vinto                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Vincita/Perdita           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Totale investito             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Giocatore attuale</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Keno da luna park: segna da 3 a 10 delle 80 palline e guardale cadere.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Stampa le probabilità esatte e il ritorno al giocatore, poi esce.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Parla questa lingua (de, fr, pt_BR...) invece di quella del desktop; inglese dove il gioco non ha traduzione.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>GIOCO AUTO
ne restano %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (tasto %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Tabella premi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Inserisci credito con il pulsante GETTONI o con il pulsante Soldi subito nel </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> menu &apos;Opzioni&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Clicca sulle palline numerate finché</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> non hai segnato i NUMERI che vuoi (da 3 a 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Clicca sulla PUNTATA voluta (da PUNTA 1 a PUNTA 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> è la somma che punterai su ogni TUBO </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Cliccando su Scelta auto il gioco sceglie i numeri per te </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Clicca su GIOCA 1, GIOCA 3, GIOCA 5 o GIOCA 10:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> GIOCA 1 gioca solo il 1° TUBO.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> GIOCA 3 gioca i primi 3 TUBI, e così via.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Se i COLPI superano la linea di più di 1, vinci 3 palline extra.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Ogni pallina JOLLY compresa in una vincita raddoppia il premio.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Per cambiare quanti NUMERI segnare, clicca su CANCELLA e ripeti il passo (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Per cambiare i numeri scelti mantenendo la stessa quantità di NUMERI, clicca su SCELTA AUTO.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Per cambiare la velocità, vai in &apos;Opzioni&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Per cambiare giocatore, vai in &apos;Opzioni&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Per tornare alla schermata di SCELTA, clicca su CANCELLA.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Tasti: le frecce spostano la cornice sul tabellone, SPAZIO o INVIO segna il suo numero.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C GETTONI, A SCELTA AUTO, E CANCELLA, X PALLINE EXTRA, 1 2 5 0 PUNTA, Ctrl+1 3 5 0 GIOCA.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-SPAZIO o un clic sui TUBI conclude la caduta delle palline; + più veloce, - più lento.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M suono sì/no, F1 questo aiuto, Esc chiude una finestra, Ctrl+Q esci.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Richiamo</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Equità</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>Gioco a&amp;uto</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>colpi:  osservati (giallo)  e con estrazione equa (bianco)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>NON HAI CREDITO...INSERISCI DEI GETTONI<byte value="xd"/> CLICCA SUL PULSANTE GETTONI</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>SEGNA DA 3 A 10 NUMERI (Clicca sulle palline numerate) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Stai Cercando Di Puntare  %1<byte value="xd"/>Gettoni...Ma Ne Hai Solo  %2<byte value="xd"/>Usa Il Pulsante GETTONI Per Aggiungere Credito</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Quanto Vuoi Puntare ??<byte value="xd"/> Clicca Su Uno Dei Pulsanti PUNTA  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Spiacenti... Hai Raggiunto Il Limite, <byte value="xd"/>Prima Perdi Qualcosa<byte value="xd"/>(Non Ci Vorrà Molto !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nulla Inserito</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nome Troppo Lungo</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>VELOCITÀ %1 DI 5   (+ PIÙ VELOCE,  - PIÙ LENTO)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>PALLINE EXTRA VINTE!   CLICCA PALLINE EXTRA O PREMI X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>LE PALLINE STANNO CADENDO:   SPAZIO CONCLUDE LA CADUTA</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>DIECI NUMERI SEGNATI:   TOGLINE PRIMA UNO</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>NESSUNA PALLINA EXTRA È OFFERTA</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>LA PUNTATA IN GETTONI È AL SUO LIMITE</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>VINCITA %1   CREDITO %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>windows::autoplaydialog</name>
    <message>
        <source>Stop at a win of at least</source>
        <translation>Fermarsi a una vincita di almeno</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Fermarsi dopo una perdita di</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Gioco automatico</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 partite</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> monete</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Ripeti l&apos;ultima partita (stessi numeri, puntata e tubi)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>compatibile con un&apos;estrazione equa (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>tubi ancora insufficienti: circa %1 in più</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>non compatibile: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Resa finora: %1 % delle %2 monete puntate (%3 vinte). Un&apos;estrazione equa rende %4 %, e 95 volte su 100 tra %5 % e %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Verifica di equità</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Nessun tubo giocato: la verifica inizia con la tua prima partita.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>I tuoi %1 tubi giocati confrontati con le probabilità esatte di un&apos;estrazione equa. Un test dice «non compatibile» solo quando un&apos;estrazione equa si scosterebbe tanto meno di una volta su mille.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>%1 tubi. Chi quadrato %2 con %3 gradi di libertà: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 numeri</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Tutte le partite insieme. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>La pallina jolly era tra le 23 palline di %1 tubi su %2 (%3 %); un&apos;estrazione equa: 23 su 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Quante volte è uscito ogni numero (caldo in rosso, freddo in blu): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Ogni numero ha la stessa probabilità a ogni estrazione: un numero uscito spesso o di rado finora non è né più né meno probabile la prossima volta.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>Opzioni VorLane</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Opzioni Vorlane</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Nome Del Giocatore</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Poi Invio</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Chiudi e salva</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Più veloce</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Più lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Cancella I Dati Del Giocatore  (%1)</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Velocità attuale =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Cancellare tutti i dati del giocatore %1 (%2): il credito, le statistiche e lo storico delle partite?<byte value="xd"/>Non si può annullare.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 numeri</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Probabilità e ritorno al giocatore</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Un tubo, le 20 palline di una giocata e poi le 3 palline extra se vinte:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>premio di linea</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>premio massimo</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>palline extra</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>gettoni per gettone
dopo</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>ritorno al
giocatore</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 colpi</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Colpi nelle 20 palline senza la pallina jolly, in percentuale di tutti i tubi:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Colpi nelle 20 palline con la pallina jolly (contata come colpo), in percentuale di tutti i tubi:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Partite precedenti  (Pag giù)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Partite successive  (Pag su)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Richiamo partite</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Dall&apos;avvio del gioco:   partite %1,   monete puntate %2,   monete vinte %3,   saldo %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Nessuna partita conservata.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Pagina %1, la più recente per prima:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 numeri  %3 x %4   vincita %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Tabella  Premi </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>chiudi la tabella</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>probabilità</translation>
    </message>
</context>
<context>
    <name>windows::vorlane</name>
    <message>
        <source>                                        K E N O      K E N O</source>
        <translation>                                        K E N O      K E N O</translation>
    </message>
    <message>
        <source>PRESS E (ERASE) TO SEE THE BOARD</source>
        <translation>PREMI E (CANCELLA) PER VEDERE IL TABELLONE</translation>
    </message>
</context>
</TS>
