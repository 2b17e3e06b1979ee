<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>no se puede acceder a %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no está definido ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definido</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY no está definido</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>no se encontró ninguna pantalla gráfica: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>MESA DE JUEGO</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>%1 ACIERTOS</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>%1 ACIERTOS PAGAN %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>TUBOS</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>TUBO %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>TUBO %1:   %2 ACIERTOS   PREMIO %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>MONEDAS</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>BOLAS EXTRA</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>AUTO SELECCIÓN</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>APUESTA %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>JUGAR %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>CRÉDITO</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>APUESTA</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>PREMIO</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>BOLAS DE SUERTE</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>BUENA SUERTE</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>ELIJA DE 3 A 10 NÚMEROS</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>NADA</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>DINERO RÁPIDO</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>No se pudo escribir el historial de jugadas (%1).<byte value="xd"/>Tu crédito y tus estadísticas se guardan como siempre; el juego seguirá intentando guardar tus jugadas.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>El historial de jugadas estaba dañado. Se apartó como<byte value="xd"/>%1<byte value="xd"/>y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>El historial de jugadas<byte value="xd"/>%1<byte value="xd"/>viene de una versión más nueva del juego. Se muestra tal cual y no se le añaden jugadas nuevas.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 de cada %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Probabilidades de un tubo, por moneda apostada: las 20 bolas de la jugada y luego las 3 bolas extra si se ganan.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>La bola comodín está entre las 23 bolas de un tubo en 23 de cada 487 tubos (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>sacada con 23 de las 81 bolas, solo se conserva una vez de cada ocho.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>números</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>premio de línea</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>premio mayor</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>bolas extra</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>pagado después</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>retorno al jugador</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 monedas</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Aciertos en las 20 bolas sin la bola comodín, en porcentaje de tubos:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Aciertos en las 20 bolas con la bola comodín (contada como acierto), en porcentaje de tubos:</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>números marcados</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>aciertos</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>Los números marcados en ROJO indican los aciertos necesarios para ganar las 3 bolas extra.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Las bolas marcadas con una W son bolas comodín y pagan el doble cuando se usan.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>El archivo se guardó sin cambios como<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>No se pudo hacer una copia, así que se dejó como estaba y no se guardará nada en él.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>Los registros de jugadores en<byte value="xd"/>%1<byte value="xd"/>no se pudieron leer, así que el juego empieza sin ellos.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>Los registros de jugadores no se pueden guardar en<byte value="xd"/>%1<byte value="xd"/>porque: %2.<byte value="xd"/>Puede jugar, pero no se conservará nada de lo ganado ni de lo ingresado.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>Los registros de jugadores no se pudieron guardar en<byte value="xd"/>%1<byte value="xd"/>porque: %2.<byte value="xd"/>El juego sigue, pero las monedas ganadas a partir de ahora pueden perderse al cerrarlo.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>Los registros de jugadores no se pudieron guardar en<byte value="xd"/>%1<byte value="xd"/>porque: %2.<byte value="xd"/>El juego se cierra.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>El jugador %1 en<byte value="xd"/>%2<byte value="xd"/>tiene valores que el juego no puede leer como número:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>El jugador %1 (%2) en<byte value="xd"/>%3<byte value="xd"/>tiene valores que el juego no puede leer como número:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>El juego lo cuenta como 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>El juego los cuenta como 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Partidas jugadas      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Total apostado     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Total ganado      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Ganancia/Pérdida     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Retorno al jugador     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Total invertido      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Partidas jugadas          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Total apostado         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Total ganado          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Ganancia/Pérdida      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Retorno al jugador </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Total invertido     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Retorno al jugador     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Partidas jugadas            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Total apostado           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Total ganado                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Ganancia/Pérdida           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Total invertido             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Jugador actual</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Keno de feria: marca de 3 a 10 de las 80 bolas y míralas caer.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Muestra las probabilidades exactas y el retorno al jugador, y sale.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Habla este idioma (de, fr, pt_BR...) en vez del del escritorio; inglés donde el juego no tiene traducción.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>AUTOJUEGO
quedan %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (tecla %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Tabla de premios</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Añada crédito con el botón MONEDAS o con el botón Dinero rápido del </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> menú &apos;Opciones&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Haga clic en las bolas numeradas hasta</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> tener marcada la cantidad deseada de NÚMEROS (de 3 a 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Haga clic en la APUESTA deseada (de APUESTA 1 a APUESTA 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> es la cantidad que apostará en cada TUBO </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Al hacer clic en Auto selección el juego elige sus números </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Haga clic en JUGAR 1, JUGAR 3, JUGAR 5 o JUGAR 10:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> JUGAR 1 juega solo el 1.er TUBO.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> JUGAR 3 juega los 3 primeros TUBOS, y así sucesivamente.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Si los ACIERTOS superan la línea en más de 1, recibe 3 bolas extra.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Toda bola COMODÍN incluida en un premio lo duplica.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Para cambiar la cantidad de NÚMEROS, haga clic en BORRAR y repita el paso (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Para cambiar los números elegidos conservando la misma cantidad de NÚMEROS, haga clic en AUTO SELECCIÓN.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Para cambiar la velocidad, vaya a &apos;Opciones&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Para cambiar de jugador, vaya a &apos;Opciones&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Para volver a la pantalla de SELECCIÓN, haga clic en BORRAR.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Teclas: las flechas mueven el marco en el tablero, ESPACIO o INTRO marca su número.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C MONEDAS, A AUTO SELECCIÓN, E BORRAR, X BOLAS EXTRA, 1 2 5 0 APUESTA, Ctrl+1 3 5 0 JUGAR.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-ESPACIO o un clic en los TUBOS termina la caída de las bolas; + más rápido, - más lento.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M sonido sí/no, F1 esta ayuda, Esc cierra una ventana, Ctrl+Q salir.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Repaso</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Equidad</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>A&amp;utojuego</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>aciertos:  observados (amarillo)  y sorteo justo (blanco)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>NO TIENE CRÉDITO...INTRODUZCA MONEDAS<byte value="xd"/> HAGA CLIC EN EL BOTÓN MONEDAS</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>MARQUE DE 3 A 10 NÚMEROS (Haga clic en las bolas numeradas) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Intenta Apostar  %1<byte value="xd"/>Monedas...Pero Solo Tiene  %2<byte value="xd"/>Use El Botón MONEDAS Para Añadir Crédito</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>¿¿Cuánto Quiere Apostar ??<byte value="xd"/> Haga Clic En Uno De Los Botones APUESTA  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Lo Sentimos... Ha Llegado Al Límite, <byte value="xd"/>Pierda Un Poco Primero<byte value="xd"/>(¡¡¡No Tardará Mucho !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>No Se Ha Escrito Nada</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nombre Demasiado Largo</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>VELOCIDAD %1 DE 5   (+ MÁS RÁPIDO,  - MÁS LENTO)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>¡BOLAS EXTRA GANADAS!   HAGA CLIC EN BOLAS EXTRA O PULSE X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>LAS BOLAS ESTÁN CAYENDO:   ESPACIO TERMINA LA CAÍDA</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>HAY DIEZ NÚMEROS MARCADOS:   DESMARQUE UNO ANTES</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>NO SE OFRECEN BOLAS EXTRA</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>LA APUESTA EN MONEDAS ESTÁ EN SU LÍMITE</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>PREMIO %1   CRÉDITO %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>windows::autoplaydialog</name>
    <message>
        <source>Stop at a win of at least</source>
        <translation>Parar con un premio de al menos</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Parar tras perder</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 jugadas</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> monedas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Repetir la última jugada (mismos números, apuesta y tubos)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>compatible con un sorteo justo (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>aún faltan tubos: unos %1 más</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>no compatible: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Retorno hasta ahora: %1 % de las %2 monedas apostadas (%3 ganadas). Un sorteo justo devuelve %4 %, y 95 veces de cada 100 entre %5 % y %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Prueba de equidad</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Aún no se ha jugado ningún tubo: la prueba empieza con tu primera jugada.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Tus %1 tubos jugados frente a las probabilidades exactas de un sorteo justo. Una prueba solo dice «no compatible» cuando un sorteo justo se desviaría tanto menos de una vez entre mil.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>%1 tubos. Chi cuadrado %2 con %3 grados de libertad: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 números</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Todas las jugadas juntas. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>La bola comodín estuvo entre las 23 bolas de %1 de %2 tubos (%3 %); un sorteo justo: 23 de cada 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Cuántas veces salió cada número (caliente en rojo, frío en azul): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Cada número tiene la misma probabilidad en cada sorteo: un número que ha salido mucho o poco no es ni más ni menos probable la próxima vez.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>Opciones de VorLane</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Opciones de Vorlane</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Nombre Del Jugador</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Luego Intro</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>Aceptar: cerrar y guardar</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Más rápido</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Más lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Borrar Los Datos Del Jugador  (%1)</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Velocidad actual =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>¿Borrar todos los datos del jugador %1 (%2): el crédito, las estadísticas y el historial de jugadas?<byte value="xd"/>No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 números</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Probabilidades y retorno al jugador</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Un tubo, las 20 bolas de una jugada y luego las 3 bolas extra si se ganan:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>premio de línea</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>premio mayor</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>bolas extra</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>monedas por moneda
después</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>retorno
al jugador</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 aciertos</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Aciertos en las 20 bolas sin la bola comodín, en porcentaje de todos los tubos:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Aciertos en las 20 bolas con la bola comodín (contada como acierto), en porcentaje de todos los tubos:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Jugadas anteriores  (Av Pág)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Jugadas recientes  (Re Pág)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Repaso de jugadas</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Desde el inicio del juego:   jugadas %1,   apostado %2,   ganado %3,   neto %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Aún no hay jugadas guardadas.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Página %1, la más reciente primero:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 números  %3 x %4   premio %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Tabla  De Premios </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>cerrar la tabla</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>probabilidades</translation>
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
        <translation>PULSE E (BORRAR) PARA VER EL TABLERO</translation>
    </message>
</context>
</TS>
