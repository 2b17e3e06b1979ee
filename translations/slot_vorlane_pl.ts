<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 jest nieosiągalny</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>nie ustawiono DISPLAY</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>nie ustawiono WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>nie znaleziono ekranu graficznego: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>POLE GRY</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>TRAFIENIA: %1</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>TRAFIENIA: %1, WYPŁATA %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>RURKI</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>RURKA %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>RURKA %1:   TRAFIENIA: %2   WYGRANA %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>ŻETONY</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>DODATKOWE KULE</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>AUTO WYBÓR</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>WYCZYŚĆ</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>STAWKA %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>GRAJ %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>KREDYT</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>STAWKA</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>WYGRANA</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>SZCZĘŚLIWE KULE</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>POWODZENIA</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>WYBIERZ OD 3 DO 10 LICZB</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>PUDŁO</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>SZYBKA GOTÓWKA</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>Nie udało się zapisać historii gier (%1).<byte value="xd"/>Kredyt i statystyki są zachowane jak zawsze; gra będzie dalej próbować zapisywać twoje gry.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>Historia gier była uszkodzona. Odłożono ją jako<byte value="xd"/>%1<byte value="xd"/>i rozpoczęto nową historię.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>Historia gier<byte value="xd"/>%1<byte value="xd"/>pochodzi z nowszej wersji gry. Jest pokazywana bez zmian i nie dopisuje się do niej nowych gier.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 na %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Szanse jednej rurki na postawiony żeton: 20 kul gry, a potem 3 dodatkowe kule, jeśli zostaną wygrane.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>Kula joker jest wśród 23 kul rurki w 23 na każde 487 rurek (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>losowana z 23 spośród 81 kul, zostaje tylko w co ósmej turze.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>liczby</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>nagroda za linię</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>główna nagroda</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>dodatkowe kule</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>wypłata po nich</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>zwrot dla gracza</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 żetonów</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Trafienia w 20 kulach bez kuli joker, w procentach rurek:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Trafienia w 20 kulach z kulą joker (liczoną jako trafienie), w procentach rurek:</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>zaznaczone liczby</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>trafienia</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>Liczby zaznaczone na CZERWONO to trafienia potrzebne do wygrania 3 dodatkowych kul.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Kule oznaczone literą W to kule joker i płacą podwójnie, gdy zostaną użyte.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>Plik zachowano bez zmian jako<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Nie udało się zrobić kopii, więc pozostawiono go bez zmian i nic nie zostanie w nim zapisane.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>Nie udało się odczytać danych graczy z<byte value="xd"/>%1<byte value="xd"/>więc gra zaczyna się bez nich.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>Nie można zapisać danych graczy w<byte value="xd"/>%1<byte value="xd"/>ponieważ: %2.<byte value="xd"/>Możesz grać, ale nic wygranego ani wpłaconego nie zostanie zachowane.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>Nie udało się zapisać danych graczy w<byte value="xd"/>%1<byte value="xd"/>ponieważ: %2.<byte value="xd"/>Gra toczy się dalej, ale wygrane od teraz żetony mogą przepaść przy zamknięciu.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>Nie udało się zapisać danych graczy w<byte value="xd"/>%1<byte value="xd"/>ponieważ: %2.<byte value="xd"/>Gra zostaje zamknięta.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Gracz %1 w<byte value="xd"/>%2<byte value="xd"/>ma wartości, których gra nie może odczytać jako liczby:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Gracz %1 (%2) w<byte value="xd"/>%3<byte value="xd"/>ma wartości, których gra nie może odczytać jako liczby:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>Gra liczy ją jako 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>Gra liczy je jako 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Rozegrane gry      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Łączna stawka     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Łączna wygrana      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Zysk/Strata     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Zwrot dla gracza     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Łącznie wpłacono      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Rozegrane gry          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Łączna stawka         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Łączna wygrana          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Zysk/Strata      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Zwrot dla gracza </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Łącznie wpłacono     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Zwrot dla gracza     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Rozegrane gry            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Łączna stawka           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Łączna wygrana                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Zysk/Strata           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Łącznie wpłacono             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Bieżący gracz</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Jarmarczne keno: zaznacz od 3 do 10 z 80 kul i patrz, jak spadają.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Wypisuje dokładne szanse i zwrot dla gracza, po czym kończy.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Używa tego języka (de, fr, pt_BR...) zamiast języka pulpitu; angielskiego, gdzie gra nie ma tłumaczenia.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>AUTOGRA
zostało %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (klawisz %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Tabela wypłat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Dodaj kredyt przyciskiem ŻETONY albo przyciskiem Szybka gotówka w </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> menu &apos;Opcje&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Klikaj na numerowane kule, aż</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> zaznaczysz wybraną ilość LICZB (od 3 do 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Kliknij wybraną STAWKĘ (od STAWKA 1 do STAWKA 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> to kwota, którą postawisz na każdą RURKĘ </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Kliknięcie Auto wybór wybierze liczby za ciebie </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Kliknij GRAJ 1, GRAJ 3, GRAJ 5 lub GRAJ 10:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> GRAJ 1 gra tylko 1. RURKĄ.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> GRAJ 3 gra pierwszymi 3 RURKAMI i tak dalej.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Jeśli TRAFIENIA przekroczą linię o więcej niż 1, dostaniesz 3 dodatkowe kule.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Każda kula JOKER w wygranej podwaja nagrodę.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Aby zmienić ilość LICZB, kliknij WYCZYŚĆ i powtórz krok (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Aby zmienić wybrane liczby, zachowując tę samą ilość LICZB, kliknij AUTO WYBÓR.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Aby zmienić szybkość, przejdź do &apos;Opcje&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Aby zmienić gracza, przejdź do &apos;Opcje&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Aby wrócić do ekranu WYBORU, kliknij WYCZYŚĆ.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Klawisze: strzałki przesuwają ramkę na planszy, SPACJA lub ENTER zaznacza jej liczbę.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C ŻETONY, A AUTO WYBÓR, E WYCZYŚĆ, X DODATKOWE KULE, 1 2 5 0 STAWKA, Ctrl+1 3 5 0 GRAJ.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-SPACJA lub kliknięcie w RURKI kończy spadanie kul; + szybciej, - wolniej.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M dźwięk wł./wył., F1 ta pomoc, Esc zamyka okno, Ctrl+Q wyjście.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Przegląd</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Uczciwość</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>Auto&amp;gra</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>trafienia:  zaobserwowane (żółte)  i przy uczciwym losowaniu (białe)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>NIE MASZ KREDYTU...WRZUĆ ŻETONY<byte value="xd"/> KLIKNIJ PRZYCISK ŻETONY</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>ZAZNACZ OD 3 DO 10 LICZB (Kliknij numerowane kule) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Próbujesz Postawić  %1<byte value="xd"/>Żetonów...Ale Masz Tylko  %2<byte value="xd"/>Dodaj Kredyt Przyciskiem ŻETONY</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Ile Chcesz Postawić ??<byte value="xd"/> Kliknij Jeden Z Przycisków STAWKA  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Przykro Nam... Osiągnięto Limit, <byte value="xd"/>Najpierw Coś Przegraj<byte value="xd"/>(To Nie Potrwa Długo !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nic Nie Wpisano</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Za Długie Imię</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>SZYBKOŚĆ %1 Z 5   (+ SZYBCIEJ,  - WOLNIEJ)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>WYGRANE DODATKOWE KULE!   KLIKNIJ DODATKOWE KULE LUB NACIŚNIJ X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>KULE SPADAJĄ:   SPACJA KOŃCZY SPADANIE</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>ZAZNACZONO DZIESIĘĆ LICZB:   NAJPIERW ODZNACZ JEDNĄ</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>NIE MA OFERTY DODATKOWYCH KUL</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>STAWKA W ŻETONACH JEST NA GRANICY</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>WYGRANA %1   KREDYT %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>O grze %1</translation>
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
        <translation>Zatrzymaj przy wygranej co najmniej</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Zatrzymaj po stracie</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Gra automatyczna</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>Gier: %1</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> monet</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Powtórz ostatnią grę (te same liczby, stawka i rurki)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>zgodne z uczciwym losowaniem (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>za mało rurek: potrzeba jeszcze około %1</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>niezgodne: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Dotychczasowy zwrot: %1 % z %2 postawionych monet (wygrane %3). Uczciwe losowanie zwraca %4 %, a w 95 przypadkach na 100 od %5 % do %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Test uczciwości</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Nie rozegrano jeszcze żadnej rurki: test zaczyna się od pierwszej gry.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Twoje rozegrane rurki (%1) w porównaniu z dokładnymi szansami uczciwego losowania. Test mówi „niezgodne” tylko wtedy, gdy uczciwe losowanie odbiegałoby tak daleko rzadziej niż raz na tysiąc.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>Rurki: %1. Chi-kwadrat %2 przy %3 stopniach swobody: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 liczb</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Wszystkie gry razem. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>Kula joker była wśród 23 kul w %1 z %2 rurek (%3 %); uczciwe losowanie: 23 na 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Jak często losowano każdą liczbę (gorące czerwone, zimne niebieskie): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Każda liczba ma w każdym losowaniu tę samą szansę: liczba, która dotąd padała często lub rzadko, nie jest następnym razem ani bardziej, ani mniej prawdopodobna.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>Opcje VorLane</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Opcje Vorlane</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Imię Gracza</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Potem Enter</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Zamknij i zapisz</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Szybciej</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Wolniej&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Wolne</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Usuń Dane Gracza  (%1)</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Obecna szybkość =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Usunąć wszystkie dane gracza %1 (%2): kredyt, statystyki i historię gier?<byte value="xd"/>Tego nie można cofnąć.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 liczb</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Szanse i zwrot dla gracza</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Jedna rurka, 20 kul gry, a potem 3 dodatkowe kule, jeśli zostaną wygrane:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>nagroda za linię</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>główna nagroda</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>dodatkowe kule</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>żetony na żeton
po nich</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>zwrot dla
gracza</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 trafień</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Trafienia w 20 kulach bez kuli joker, w procentach wszystkich rurek:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Trafienia w 20 kulach z kulą joker (liczoną jako trafienie), w procentach wszystkich rurek:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Starsze gry  (Page Down)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Nowsze gry  (Page Up)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Przegląd gier</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Od uruchomienia gry:   gry %1,   postawione %2,   wygrane %3,   bilans %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>zamknij</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Brak zapisanych gier.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Strona %1, od najnowszej:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 liczb  %3 x %4   wygrana %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Tabela  Wypłat </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>zamknij tabelę</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>szanse</translation>
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
        <translation>NACIŚNIJ E (WYCZYŚĆ), ABY ZOBACZYĆ PLANSZĘ</translation>
    </message>
</context>
</TS>
