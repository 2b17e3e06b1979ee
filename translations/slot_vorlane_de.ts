<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>keine grafische Anzeige gefunden: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>SPIELFELD</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>%1 TREFFER</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>%1 TREFFER ZAHLEN %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>RÖHREN</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>RÖHRE %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>RÖHRE %1:   %2 TREFFER   GEWINN %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>MÜNZEN</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>EXTRA KUGELN</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>AUTO WAHL</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>EINSATZ %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>SPIEL %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>GUTHABEN</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GEWINN</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>GLÜCKS KUGELN</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>VIEL GLÜCK</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>WÄHLE 3 BIS 10 ZAHLEN</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>NIETE</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>SCHNELLES GELD</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>Der Spielverlauf konnte nicht geschrieben werden (%1).<byte value="xd"/>Guthaben und Statistik bleiben wie immer erhalten; das Spiel versucht weiter, deine Spiele festzuhalten.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>Der Spielverlauf war beschädigt. Er wurde beiseitegelegt als<byte value="xd"/>%1<byte value="xd"/>und ein neuer Spielverlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>Der Spielverlauf<byte value="xd"/>%1<byte value="xd"/>stammt aus einer neueren Version des Spiels. Er wird so gezeigt, wie er ist, und es kommen keine neuen Spiele hinzu.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 zu %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Gewinnchancen einer Röhre je gesetzter Münze: die 20 Kugeln des Spiels, dann die 3 Extrakugeln, wenn gewonnen.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>Die Joker-Kugel ist in 23 von 487 Röhren unter deren 23 Kugeln (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>mit 23 der 81 Kugeln gezogen, bleibt sie nur bei jeder achten Runde.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>Liniengewinn</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>Höchstgewinn</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>Extrakugeln</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>danach gezahlt</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 Münzen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Treffer in den 20 Kugeln ohne Joker-Kugel, in Prozent der Röhren:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Treffer in den 20 Kugeln mit Joker-Kugel (als Treffer gezählt), in Prozent der Röhren:</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>Zahlen getippt</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>Die ROT markierten Zahlen sind die Treffer, die für die 3 Extrakugeln nötig sind.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Mit W markierte Kugeln sind Joker-Kugeln und zahlen doppelt, wenn sie zählen.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>Die Datei wurde unverändert aufbewahrt als<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Es ließ sich keine Kopie anlegen; sie bleibt, wie sie war, und es wird nichts darin gespeichert.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>Die Spielerdaten in<byte value="xd"/>%1<byte value="xd"/>konnten nicht gelesen werden; das Spiel beginnt ohne sie.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>Die Spielerdaten können nicht gespeichert werden in<byte value="xd"/>%1<byte value="xd"/>weil: %2.<byte value="xd"/>Sie können spielen, aber nichts Gewonnenes oder Eingezahltes bleibt erhalten.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>Die Spielerdaten konnten nicht gespeichert werden in<byte value="xd"/>%1<byte value="xd"/>weil: %2.<byte value="xd"/>Das Spiel geht weiter, aber ab jetzt gewonnene Münzen können beim Beenden verloren gehen.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>Die Spielerdaten konnten nicht gespeichert werden in<byte value="xd"/>%1<byte value="xd"/>weil: %2.<byte value="xd"/>Das Spiel wird beendet.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Spieler %1 in<byte value="xd"/>%2<byte value="xd"/>hat Werte, die das Spiel nicht als Zahl lesen kann:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Spieler %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>hat Werte, die das Spiel nicht als Zahl lesen kann:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>Das Spiel zählt ihn als 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>Das Spiel zählt sie als 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Spiele      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Gesamteinsatz     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Gesamtgewinn      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Plus/Minus     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Auszahlungsquote     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Gesamt eingezahlt      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Spiele          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Gesamteinsatz         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Gesamtgewinn          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Plus/Minus      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Auszahlungsquote </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Gesamt eingezahlt     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Auszahlungsquote     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Spiele            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Gesamteinsatz           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Gesamtgewinn                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Plus/Minus           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Gesamt eingezahlt             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Aktueller Spieler</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Jahrmarkt-Keno: 3 bis 10 der 80 Kugeln tippen und zusehen, wie sie fallen.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Gibt die genauen Gewinnchancen und die Auszahlungsquote aus und endet.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Spricht diese Sprache (de, fr, pt_BR...) statt der des Desktops; Englisch, wo das Spiel keine Übersetzung hat.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>AUTOMATIK
noch %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (Taste %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Gewinnplan</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Guthaben über die MÜNZEN-Taste oder die Schnellgeld-Taste im </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> Menü &apos;Optionen&apos; einzahlen.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Auf die nummerierten Kugeln klicken, bis</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> die gewünschte Anzahl ZAHLEN getippt ist (3 bis 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Den gewünschten EINSATZ anklicken (EINSATZ 1 bis EINSATZ 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> das ist der Betrag, den Sie auf jede RÖHRE setzen </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Ein Klick auf Auto Wahl tippt die Zahlen für Sie </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-SPIEL 1, SPIEL 3, SPIEL 5 oder SPIEL 10 anklicken:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> SPIEL 1 spielt nur die 1. RÖHRE.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> SPIEL 3 spielt die ersten 3 RÖHREN und so weiter.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Liegen die TREFFER mehr als 1 über der Linie, gibt es 3 Extrakugeln.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Jede JOKER-Kugel in einem Gewinn verdoppelt den Preis.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Um die Anzahl der ZAHLEN zu ändern, LÖSCHEN anklicken und Schritt (2) wiederholen.</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Um andere Zahlen bei gleicher Anzahl ZAHLEN zu tippen, AUTO WAHL anklicken.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Das Tempo ändern Sie unter &apos;Optionen&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Den Spieler wechseln Sie unter &apos;Optionen&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Zur AUSWAHL gelangen Sie mit LÖSCHEN.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Tasten: die Pfeile bewegen den Rahmen auf dem Feld, LEERTASTE oder ENTER tippt seine Zahl.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C MÜNZEN, A AUTO WAHL, E LÖSCHEN, X EXTRA KUGELN, 1 2 5 0 EINSATZ, Strg+1 3 5 0 SPIEL.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-LEERTASTE oder ein Klick auf die RÖHREN beendet den Kugelfall; + schneller, - langsamer.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Strg+M Ton an/aus, F1 diese Hilfe, Esc schließt ein Fenster, Strg+Q beendet.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Rückblick</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Fairness</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>A&amp;utomatik</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>Treffer:  beobachtet (gelb)  und bei fairer Ziehung (weiß)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>SIE HABEN KEIN GUTHABEN...BITTE MÜNZEN EINWERFEN<byte value="xd"/> AUF DIE MÜNZEN-TASTE KLICKEN</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>TIPPEN SIE 3 BIS 10 ZAHLEN (Auf die nummerierten Kugeln klicken) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Sie Wollen  %1<byte value="xd"/>Münzen Setzen...Haben Aber Nur  %2<byte value="xd"/>Mit Der MÜNZEN-Taste Mehr Guthaben Einzahlen</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Wie Viel Wollen Sie Setzen ??<byte value="xd"/> Klicken Sie Eine EINSATZ-Taste An  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Tut Uns Leid... Sie Haben Das Limit Erreicht, <byte value="xd"/>Bitte Verlieren Sie Erst Etwas<byte value="xd"/>(Dauert Bestimmt Nicht Lange !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nichts Eingegeben</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Name Zu Lang</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>TEMPO %1 VON 5   (+ SCHNELLER,  - LANGSAMER)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>EXTRA KUGELN GEWONNEN!   EXTRA KUGELN KLICKEN ODER X DRÜCKEN</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>DIE KUGELN FALLEN:   LEERTASTE BEENDET DEN FALL</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>ZEHN ZAHLEN GETIPPT:   ERST EINE ABWÄHLEN</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>KEINE EXTRA KUGELN IM ANGEBOT</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>DER MÜNZEINSATZ IST AN SEINER GRENZE</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>GEWINN %1   GUTHABEN %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Anhalten bei einem Gewinn von mindestens</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Anhalten nach einem Verlust von</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automatisch spielen</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 Spiele</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> Münzen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Das letzte Spiel wiederholen (gleiche Zahlen, Einsatz und Röhren)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>vereinbar mit einer fairen Ziehung (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>noch nicht genug Röhren: etwa %1 mehr</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>nicht vereinbar: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Bisherige Auszahlung: %1 % der %2 gesetzten Münzen (%3 gewonnen). Eine faire Ziehung zahlt %4 % aus, in 95 von 100 Fällen zwischen %5 % und %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Fairness-Prüfung</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Noch keine Röhren gespielt: die Prüfung beginnt mit deinem ersten Spiel.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Deine %1 gespielten Röhren, verglichen mit den genauen Chancen einer fairen Ziehung. Ein Test sagt „nicht vereinbar“ nur, wenn eine faire Ziehung seltener als einmal in tausend Fällen so weit abweichen würde.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>%1 Röhren. Chi-Quadrat %2 mit %3 Freiheitsgraden: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 Zahlen</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Alle Spiele zusammen. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>Die Joker-Kugel war unter den 23 Kugeln von %1 der %2 Röhren (%3 %); bei fairer Ziehung: 23 von 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Wie oft jede Zahl gezogen wurde (heiß rot, kalt blau): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Jede Zahl hat bei jeder Ziehung dieselbe Chance: eine Zahl, die bisher oft oder selten kam, ist beim nächsten Mal weder wahrscheinlicher noch unwahrscheinlicher.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>VorLane Optionen</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Vorlane Optionen</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Spielername Eingeben</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Dann Enter</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Schließen und speichern</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Schneller</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Langsamer&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Daten Von Spieler  (%1) Löschen</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Aktuelles Tempo =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Alle Angaben von Spieler %1 (%2) löschen: Guthaben, Statistik und Spielverlauf?<byte value="xd"/>Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 Zahlen</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Gewinnchancen und Auszahlungsquote</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Eine Röhre, die 20 Kugeln eines Spiels und dann die 3 Extrakugeln, wenn gewonnen:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>Liniengewinn</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>Höchstgewinn</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>Extrakugeln</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>Münzen je Münze
danach</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>Auszahlungs-
quote</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Treffer in den 20 Kugeln ohne Joker-Kugel, in Prozent aller Röhren:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Treffer in den 20 Kugeln mit Joker-Kugel (als Treffer gezählt), in Prozent aller Röhren:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Ältere Spiele  (Bild ab)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Neuere Spiele  (Bild auf)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Seit Spielbeginn:   Spiele %1,   gesetzt %2,   gewonnen %3,   Saldo %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Noch keine Spiele gespeichert.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Seite %1, neueste zuerst:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 Zahlen  %3 x %4   Gewinn %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Gewinnplan </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>Gewinnplan schließen</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>Chancen</translation>
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
        <translation>E (LÖSCHEN) DRÜCKEN, UM DAS FELD ZU SEHEN</translation>
    </message>
</context>
</TS>
