<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 není dostupný</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>není nastaveno DISPLAY ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>není nastaveno DISPLAY</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>není nastaveno WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>nebyl nalezen žádný grafický displej: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>HRACÍ POLE</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>ZÁSAHY: %1</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>ZÁSAHY: %1, VÝPLATA %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>TRUBICE</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>TRUBICE %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>TRUBICE %1:   ZÁSAHY: %2   VÝHRA %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>ŽETONY</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>KOULE NAVÍC</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>AUTO VÝBĚR</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>SMAZAT</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>SÁZKA %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>HRÁT %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>KREDIT</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>SÁZKA</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>VÝHRA</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>ŠŤASTNÉ KOULE</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>HODNĚ ŠTĚSTÍ</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>VYBERTE 3 AŽ 10 ČÍSEL</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>VEDLE</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>RYCHLÉ PENÍZE</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>Historii her se nepodařilo zapsat (%1).<byte value="xd"/>Kredit a statistika zůstávají uloženy jako vždy; hra se bude dál snažit vaše hry ukládat.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>Historie her byla poškozená. Byla odložena jako<byte value="xd"/>%1<byte value="xd"/>a byla založena nová historie.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>Historie her<byte value="xd"/>%1<byte value="xd"/>pochází z novější verze hry. Zobrazuje se tak, jak je, a žádné nové hry se do ní nepřidávají.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 z %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Šance jedné trubice na vsazený žeton: 20 koulí hry, potom 3 koule navíc, pokud je vyhrajete.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>Žolíková koule je mezi 23 koulemi trubice ve 23 z každých 487 trubic (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>losuje se s 23 z 81 koulí a zůstává jen v každém osmém kole.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>čísla</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>výhra za čáru</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>hlavní výhra</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>koule navíc</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>výplata po nich</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>návratnost</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 žetonů</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Zásahy ve 20 koulích bez žolíkové koule, v procentech trubic:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Zásahy ve 20 koulích se žolíkovou koulí (počítá se jako zásah), v procentech trubic:</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>označená čísla</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>zásahy</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>Čísla označená ČERVENĚ udávají zásahy potřebné k výhře 3 koulí navíc.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Koule označené písmenem W jsou žolíkové a při použití platí dvojnásobek.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>Soubor byl beze změny uschován jako<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Nepodařilo se vytvořit kopii, proto zůstal beze změny a nic se do něj neuloží.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>Záznamy hráčů v<byte value="xd"/>%1<byte value="xd"/>nebylo možné přečíst, hra proto začíná bez nich.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>Záznamy hráčů nelze uložit do<byte value="xd"/>%1<byte value="xd"/>protože: %2.<byte value="xd"/>Můžete hrát, ale nic vyhraného ani vloženého se nezachová.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>Záznamy hráčů se nepodařilo uložit do<byte value="xd"/>%1<byte value="xd"/>protože: %2.<byte value="xd"/>Hra pokračuje, ale žetony vyhrané od teď se mohou při zavření ztratit.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>Záznamy hráčů se nepodařilo uložit do<byte value="xd"/>%1<byte value="xd"/>protože: %2.<byte value="xd"/>Hra se ukončuje.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Hráč %1 v<byte value="xd"/>%2<byte value="xd"/>má hodnoty, které hra nedokáže přečíst jako číslo:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Hráč %1 (%2) v<byte value="xd"/>%3<byte value="xd"/>má hodnoty, které hra nedokáže přečíst jako číslo:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>Hra ji počítá jako 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>Hra je počítá jako 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Odehrané hry      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Celkem vsazeno     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Celkem vyhráno      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Zisk/Ztráta     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Návratnost     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Celkem vloženo      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Odehrané hry          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Celkem vsazeno         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Celkem vyhráno          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Zisk/Ztráta      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Návratnost </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Celkem vloženo     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Návratnost     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Odehrané hry            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Celkem vsazeno           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Celkem vyhráno                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Zisk/Ztráta           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Celkem vloženo             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Aktuální hráč</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Poutové keno: označte 3 až 10 z 80 koulí a sledujte, jak padají.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Vypíše přesné šance a návratnost a skončí.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Mluví tímto jazykem (de, fr, pt_BR...) místo jazyka plochy; anglicky, kde hra nemá překlad.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>AUTOHRA
zbývá %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (klávesa %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O hře</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Výplatní tabulka</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Vložte kredit tlačítkem ŽETONY nebo tlačítkem Rychlé peníze v </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> nabídce &apos;Možnosti&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Klikejte na očíslované koule, dokud</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> nemáte označený požadovaný počet ČÍSEL (3 až 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Klikněte na požadovanou SÁZKU (SÁZKA 1 až SÁZKA 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> to je částka, kterou vsadíte na každou TRUBICI </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Kliknutím na Auto výběr za vás hra vybere čísla </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Klikněte na HRÁT 1, HRÁT 3, HRÁT 5 nebo HRÁT 10:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> HRÁT 1 hraje jen 1. TRUBICI.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> HRÁT 3 hraje první 3 TRUBICE a tak dále.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Pokud ZÁSAHY přesáhnou čáru o více než 1, získáte 3 koule navíc.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Každá ŽOLÍKOVÁ koule ve výhře výhru zdvojnásobí.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Chcete-li změnit počet ČÍSEL, klikněte na SMAZAT a zopakujte krok (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Chcete-li změnit vybraná čísla a zachovat stejný počet ČÍSEL, klikněte na AUTO VÝBĚR.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Rychlost změníte v &apos;Možnosti&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Hráče změníte v &apos;Možnosti&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Na obrazovku VÝBĚRU se dostanete tlačítkem SMAZAT.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Klávesy: šipky posouvají rámeček po hrací ploše, MEZERNÍK nebo ENTER označí jeho číslo.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C ŽETONY, A AUTO VÝBĚR, E SMAZAT, X KOULE NAVÍC, 1 2 5 0 SÁZKA, Ctrl+1 3 5 0 HRÁT.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-MEZERNÍK nebo klik na TRUBICE dokončí pád koulí; + rychleji, - pomaleji.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M zvuk zap./vyp., F1 tato nápověda, Esc zavře okno, Ctrl+Q konec.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Přehled</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Férovost</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>A&amp;utohra</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>zásahy:  pozorované (žlutě)  a při férovém losování (bíle)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>NEMÁTE ŽÁDNÝ KREDIT...VLOŽTE ŽETONY<byte value="xd"/> KLIKNĚTE NA TLAČÍTKO ŽETONY</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>OZNAČTE 3 AŽ 10 ČÍSEL (Klikněte na očíslované koule) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Snažíte Se Vsadit  %1<byte value="xd"/>Žetonů...Ale Máte Jen  %2<byte value="xd"/>Tlačítkem ŽETONY Vložte Další Kredit</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Kolik Chcete Vsadit ??<byte value="xd"/> Klikněte Na Jedno Z Tlačítek SÁZKA  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Lituji... Dosáhli Jste Limitu, <byte value="xd"/>Nejdřív Něco Prohrajte<byte value="xd"/>(To Nebude Trvat Dlouho !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nic Nezadáno</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Jméno Je Příliš Dlouhé</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>RYCHLOST %1 Z 5   (+ RYCHLEJI,  - POMALEJI)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>VYHRÁLI JSTE KOULE NAVÍC!   KLIKNĚTE NA KOULE NAVÍC NEBO STISKNĚTE X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>KOULE PADAJÍ:   MEZERNÍK DOKONČÍ PÁD</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>OZNAČENO DESET ČÍSEL:   NEJPRVE JEDNO ODZNAČTE</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>ŽÁDNÉ KOULE NAVÍC NEJSOU NABÍZENY</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>SÁZKA V ŽETONECH JE NA SVÉ HRANICI</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>VÝHRA %1   KREDIT %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>O hře %1</translation>
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
        <translation>Zastavit při výhře aspoň</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Zastavit po ztrátě</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Automatická hra</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>Her: %1</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> mincí</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Opakovat poslední hru (stejná čísla, sázka a trubice)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>odpovídá férovému losování (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>zatím málo trubic: asi o %1 víc</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>neodpovídá: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Dosavadní návratnost: %1 % z %2 vsazených mincí (vyhráno %3). Férové losování vrací %4 %, a v 95 případech ze 100 mezi %5 % a %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Kontrola férovosti</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Zatím nebyla hrána žádná trubice: kontrola začíná vaší první hrou.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Vašich %1 odehraných trubic v porovnání s přesnými šancemi férového losování. Test řekne „neodpovídá“ jen tehdy, když by se férové losování takto odchýlilo méně než jednou z tisíce.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>Trubic: %1. Chí-kvadrát %2 s %3 stupni volnosti: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 čísel</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Všechny hry dohromady. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>Žolíková koule byla mezi 23 koulemi u %1 z %2 trubic (%3 %); férové losování: 23 z 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Jak často bylo které číslo taženo (horká červeně, studená modře): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Každé číslo má při každém losování stejnou šanci: číslo, které dosud padalo často nebo zřídka, není příště o nic pravděpodobnější ani méně pravděpodobné.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zavřít</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>Možnosti VorLane</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Možnosti Vorlane</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Jméno Hráče</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Pak Enter</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Zavřít a uložit</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Rychleji</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Pomaleji&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Volno</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Smazat Údaje Hráče  (%1)</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Aktuální rychlost =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Smazat všechny údaje hráče %1 (%2): kredit, statistiku i historii her?<byte value="xd"/>To nelze vrátit zpět.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 čísel</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Šance a návratnost</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Jedna trubice, 20 koulí hry a potom 3 koule navíc, pokud je vyhrajete:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>výhra za čáru</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>hlavní výhra</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>koule navíc</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>žetonů na žeton
po nich</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>návrat-
nost</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 zásahů</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Zásahy ve 20 koulích bez žolíkové koule, v procentech všech trubic:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Zásahy ve 20 koulích se žolíkovou koulí (počítá se jako zásah), v procentech všech trubic:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zavřít</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Starší hry  (Page Down)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Novější hry  (Page Up)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Přehled her</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Od spuštění hry:   hry %1,   vsazeno %2,   vyhráno %3,   bilance %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zavřít</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Zatím žádné uložené hry.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Strana %1, nejnovější nahoře:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 čísel  %3 x %4   výhra %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Výplatní  Tabulka </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>zavřít tabulku</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>šance</translation>
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
        <translation>STISKNĚTE E (SMAZAT) PRO ZOBRAZENÍ HRACÍ PLOCHY</translation>
    </message>
</context>
</TS>
