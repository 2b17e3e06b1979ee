<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 is niet bereikbaar</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>noch DISPLAY noch WAYLAND_DISPLAY is ingesteld</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>geen grafisch scherm gevonden: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>SPEELVELD</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>%1 TREFFERS</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>%1 TREFFERS BETALEN %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>BUIZEN</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>BUIS %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>BUIS %1:   %2 TREFFERS   WINST %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>MUNTEN</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>EXTRA BALLEN</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>AUTO KIEZEN</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>WISSEN</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>INZET %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>SPEEL %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>TEGOED</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>INZET</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WINST</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>GELUKS BALLEN</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>VEEL GELUK</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>KIES 3 TOT 10 NUMMERS</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>MIS</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>SNEL GELD</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>De spelgeschiedenis kon niet worden geschreven (%1).<byte value="xd"/>Je tegoed en statistieken blijven zoals altijd bewaard; het spel blijft proberen je spellen te bewaren.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>De spelgeschiedenis was beschadigd. Ze is apart gezet als<byte value="xd"/>%1<byte value="xd"/>en er is een nieuwe geschiedenis begonnen.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>De spelgeschiedenis<byte value="xd"/>%1<byte value="xd"/>komt van een nieuwere versie van het spel. Ze wordt getoond zoals ze is, en er worden geen nieuwe spellen aan toegevoegd.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 op %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Kansen van één buis, per ingezette munt: de 20 ballen van het spel, daarna de 3 extra ballen als die gewonnen zijn.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>De jokerbal zit in 23 van elke 487 buizen bij de 23 ballen van de buis (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>getrokken met 23 van de 81 ballen, blijft hij alleen bij elke achtste beurt.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>nummers</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>lijnprijs</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>hoofdprijs</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>extra ballen</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>daarna betaald</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>uitbetalingspercentage</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 munten</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Treffers in de 20 ballen zonder de jokerbal, in procenten van de buizen:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Treffers in de 20 ballen met de jokerbal (telt als treffer), in procenten van de buizen:</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>nummers gekozen</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>treffers</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>De ROOD gemarkeerde getallen zijn de treffers die nodig zijn voor de 3 extra ballen.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Ballen met een W zijn jokerballen en betalen dubbel als ze meetellen.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>Het bestand is ongewijzigd bewaard als<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Er kon geen kopie van worden gemaakt; het blijft zoals het was en er wordt niets in opgeslagen.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>De spelersgegevens in<byte value="xd"/>%1<byte value="xd"/>konden niet worden gelezen; het spel begint zonder.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>De spelersgegevens kunnen niet worden opgeslagen in<byte value="xd"/>%1<byte value="xd"/>omdat: %2.<byte value="xd"/>U kunt spelen, maar niets wat u wint of inlegt blijft bewaard.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>De spelersgegevens konden niet worden opgeslagen in<byte value="xd"/>%1<byte value="xd"/>omdat: %2.<byte value="xd"/>Het spel gaat door, maar munten die u vanaf nu wint kunnen bij het sluiten verloren gaan.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>De spelersgegevens konden niet worden opgeslagen in<byte value="xd"/>%1<byte value="xd"/>omdat: %2.<byte value="xd"/>Het spel wordt gesloten.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Speler %1 in<byte value="xd"/>%2<byte value="xd"/>heeft waarden die het spel niet als getal kan lezen:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Speler %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>heeft waarden die het spel niet als getal kan lezen:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>Het spel telt hem als 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>Het spel telt ze als 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Gespeelde spellen      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Totale inzet     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Totale winst      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Winst/Verlies     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Uitbetaald     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Totaal ingelegd      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Gespeelde spellen          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Totale inzet         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Totale winst          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Winst/Verlies      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Uitbetaald </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Totaal ingelegd     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Uitbetaald     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Gespeelde spellen            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Totale inzet           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Totale winst                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Winst/Verlies           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Totaal ingelegd             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Huidige speler</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Kermiskeno: kies 3 tot 10 van de 80 ballen en kijk hoe ze vallen.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Toont de exacte kansen en het uitbetalingspercentage en stopt dan.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Spreekt deze taal (de, fr, pt_BR...) in plaats van die van het bureaublad; Engels waar het spel geen vertaling heeft.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>AUTOSPEL
nog %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (toets %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Uitbetalingstabel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Zet tegoed in met de knop MUNTEN of met de knop Snel geld in </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> het menu &apos;Opties&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Klik op de genummerde ballen tot</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> u het gewenste aantal NUMMERS hebt gekozen (3 tot 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Klik op de gewenste INZET (INZET 1 tot en met INZET 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> dit is het bedrag dat u op elke BUIS inzet </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Klik op Auto kiezen en het spel kiest uw nummers voor u </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Klik op SPEEL 1, SPEEL 3, SPEEL 5 of SPEEL 10:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> SPEEL 1 speelt alleen de 1e BUIS.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> SPEEL 3 speelt de eerste 3 BUIZEN, enzovoort.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Liggen de TREFFERS meer dan 1 boven de lijn, dan krijgt u 3 extra ballen.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Elke JOKERbal in een winst verdubbelt de prijs.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Om het aantal NUMMERS te wijzigen klikt u op WISSEN en herhaalt u stap (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Om andere nummers te kiezen met hetzelfde aantal NUMMERS klikt u op AUTO KIEZEN.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-De snelheid wijzigt u in &apos;Opties&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Van speler wisselt u in &apos;Opties&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Naar het KEUZEscherm gaat u met WISSEN.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Toetsen: de pijlen verplaatsen het kader op het bord, SPATIE of ENTER kiest zijn nummer.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C MUNTEN, A AUTO KIEZEN, E WISSEN, X EXTRA BALLEN, 1 2 5 0 INZET, Ctrl+1 3 5 0 SPEEL.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-SPATIE of een klik op de BUIZEN beëindigt het vallen van de ballen; + sneller, - langzamer.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M geluid aan/uit, F1 deze hulp, Esc sluit een venster, Ctrl+Q afsluiten.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Terugblik</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Eerlijkheid</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>A&amp;utospel</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>treffers:  waargenomen (geel)  en bij een eerlijke trekking (wit)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>U HEBT GEEN TEGOED...WERP MUNTEN IN<byte value="xd"/> KLIK OP DE KNOP MUNTEN</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>KIES 3 TOT 10 NUMMERS (Klik op de genummerde ballen) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>U Probeert  %1<byte value="xd"/>Munten In Te Zetten...Maar U Hebt Er Maar  %2<byte value="xd"/>Gebruik De Knop MUNTEN Voor Meer Tegoed</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Hoeveel Wilt U Inzetten ??<byte value="xd"/> Klik Op Een Van De INZET-Knoppen  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Sorry... U Hebt De Limiet Bereikt, <byte value="xd"/>Verlies Eerst Wat<byte value="xd"/>(Dat Duurt Vast Niet Lang !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Niets Ingevoerd</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Naam Te Lang</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>SNELHEID %1 VAN 5   (+ SNELLER,  - LANGZAMER)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>EXTRA BALLEN GEWONNEN!   KLIK OP EXTRA BALLEN OF DRUK OP X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>DE BALLEN VALLEN:   SPATIE MAAKT HET AF</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>TIEN NUMMERS GEKOZEN:   WIS ER EERST ÉÉN</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>ER WORDEN GEEN EXTRA BALLEN AANGEBODEN</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>DE INZET IN MUNTEN IS OP ZIJN GRENS</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>WINST %1   TEGOED %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
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
        <translation>Stoppen bij een winst van minstens</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Stoppen na een verlies van</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automatisch spelen</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 spellen</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> munten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Het laatste spel herhalen (zelfde nummers, inzet en buizen)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>in overeenstemming met een eerlijke trekking (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>nog niet genoeg buizen: ongeveer %1 meer</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>niet in overeenstemming: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Uitbetaling tot nu toe: %1 % van de %2 ingezette munten (%3 gewonnen). Een eerlijke trekking betaalt %4 % uit, en 95 van de 100 keer tussen %5 % en %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Eerlijkheidscontrole</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Nog geen buizen gespeeld: de controle begint met je eerste spel.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Je %1 gespeelde buizen vergeleken met de exacte kansen van een eerlijke trekking. Een toets zegt alleen &quot;niet in overeenstemming&quot; als een eerlijke trekking minder dan eens op de duizend keer zo ver zou afwijken.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>%1 buizen. Chi-kwadraat %2 met %3 vrijheidsgraden: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 nummers</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Alle spellen samen. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>De jokerbal zat bij de 23 ballen van %1 van de %2 buizen (%3 %); een eerlijke trekking: 23 op 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Hoe vaak elk nummer getrokken werd (heet rood, koud blauw): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Elk nummer heeft bij elke trekking dezelfde kans: een nummer dat tot nu toe vaak of zelden viel, is de volgende keer niet meer en niet minder waarschijnlijk.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>VorLane Opties</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Vorlane Opties</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Naam Van De Speler</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Dan Enter</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Sluiten en opslaan</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Sneller</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Langzamer&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Gegevens Van Speler  (%1) Wissen</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Huidige snelheid =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Alle gegevens van speler %1 (%2) wissen: het tegoed, de statistieken en de spelgeschiedenis?<byte value="xd"/>Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 nummers</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Kansen en uitbetalingspercentage</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Eén buis, de 20 ballen van een spel en daarna de 3 extra ballen als die gewonnen zijn:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>lijnprijs</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>hoofdprijs</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>extra ballen</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>munten per munt
daarna</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>uitbetalings-
percentage</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 treffers</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Treffers in de 20 ballen zonder de jokerbal, in procenten van alle buizen:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Treffers in de 20 ballen met de jokerbal (telt als treffer), in procenten van alle buizen:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Oudere spellen  (Page Down)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Nieuwere spellen  (Page Up)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Terugblik</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Sinds de start van het spel:   spellen %1,   ingezet %2,   gewonnen %3,   saldo %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Nog geen spellen bewaard.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Pagina %1, nieuwste eerst:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 nummers  %3 x %4   winst %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Uitbetalingstabel </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>tabel sluiten</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>kansen</translation>
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
        <translation>DRUK OP E (WISSEN) OM HET BORD TE ZIEN</translation>
    </message>
</context>
</TS>
