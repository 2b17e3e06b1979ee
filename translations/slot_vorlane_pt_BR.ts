<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 não pode ser acessado</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nem DISPLAY nem WAYLAND_DISPLAY estão definidos</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definido</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY não está definido</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>nenhuma tela gráfica foi encontrada: %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>MESA DE JOGO</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>%1 ACERTOS</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>%1 ACERTOS PAGAM %2</translation>
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
        <translation>TUBO %1:   %2 ACERTOS   GANHO %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>MOEDAS</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>BOLAS EXTRAS</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>SELEÇÃO AUTOMÁTICA</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>APAGAR</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>APOSTA %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>JOGAR %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>CRÉDITO</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>APOSTA</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GANHO</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>BOLAS DA SORTE</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>BOA SORTE</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>ESCOLHA DE 3 A 10 NÚMEROS</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>NADA</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>DINHEIRO RÁPIDO</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>Não foi possível gravar o histórico de jogadas (%1).<byte value="xd"/>Seu crédito e suas estatísticas são guardados como sempre; o jogo continuará tentando guardar suas jogadas.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>O histórico de jogadas estava danificado. Ele foi separado como<byte value="xd"/>%1<byte value="xd"/>e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>O histórico de jogadas<byte value="xd"/>%1<byte value="xd"/>vem de uma versão mais nova do jogo. Ele é mostrado como está, e nenhuma jogada nova é acrescentada.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 em %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Chances de um tubo, por moeda apostada: as 20 bolas da jogada e depois as 3 bolas extras, quando ganhas.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>A bola coringa está entre as 23 bolas de um tubo em 23 de cada 487 tubos (%1 %):</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>sorteada com 23 das 81 bolas, ela só é mantida a cada oitava rodada.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>números</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>prêmio da linha</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>prêmio máximo</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>bolas extras</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>pago depois</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>retorno ao jogador</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 moedas</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Acertos nas 20 bolas sem a bola coringa, em porcentagem dos tubos:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Acertos nas 20 bolas com a bola coringa (contada como acerto), em porcentagem dos tubos:</translation>
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
        <translation>acertos</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>Os números marcados em VERMELHO indicam os acertos necessários para ganhar as 3 bolas extras.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>As bolas marcadas com um W são bolas coringa e pagam em dobro quando usadas.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>O arquivo foi mantido sem alterações como<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Não foi possível fazer uma cópia, então ele ficou como estava e nada será salvo nele.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>Os registros dos jogadores em<byte value="xd"/>%1<byte value="xd"/>não puderam ser lidos, então o jogo começa sem eles.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>Os registros dos jogadores não podem ser salvos em<byte value="xd"/>%1<byte value="xd"/>porque: %2.<byte value="xd"/>Você pode jogar, mas nada que ganhar ou colocar será mantido.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>Os registros dos jogadores não puderam ser salvos em<byte value="xd"/>%1<byte value="xd"/>porque: %2.<byte value="xd"/>O jogo continua, mas as moedas ganhas a partir de agora podem se perder ao fechar.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>Os registros dos jogadores não puderam ser salvos em<byte value="xd"/>%1<byte value="xd"/>porque: %2.<byte value="xd"/>O jogo será fechado.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>O jogador %1 em<byte value="xd"/>%2<byte value="xd"/>tem valores que o jogo não consegue ler como número:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>O jogador %1 (%2) em<byte value="xd"/>%3<byte value="xd"/>tem valores que o jogo não consegue ler como número:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>O jogo o conta como 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>O jogo os conta como 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Partidas jogadas      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Total apostado     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Total ganho      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Ganho/Perda     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Retorno ao jogador     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Total investido      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Partidas jogadas          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Total apostado         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Total ganho          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Ganho/Perda      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Retorno ao jogador </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Total investido     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Retorno ao jogador     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Partidas jogadas            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Total apostado           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Total ganho                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Ganho/Perda           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Total investido             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Jogador atual</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Keno de parque de diversões: marque de 3 a 10 das 80 bolas e veja-as cair.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Mostra as chances exatas e o retorno ao jogador, depois sai.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Fala este idioma (de, fr, pt_BR...) em vez do da área de trabalho; inglês onde o jogo não tem tradução.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>JOGO AUTO
faltam %1</translation>
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
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Tabela de prêmios</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Insira crédito pelo botão MOEDAS ou pelo botão Dinheiro rápido no </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> menu &apos;Opções&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Clique nas bolas numeradas até</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> ter marcado a quantidade desejada de NÚMEROS (de 3 a 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Clique na APOSTA desejada (de APOSTA 1 a APOSTA 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> é o valor que você vai apostar em cada TUBO </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Clicar em Seleção automática escolhe seus números para você </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Clique em JOGAR 1, JOGAR 3, JOGAR 5 ou JOGAR 10:-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> JOGAR 1 joga só o 1º TUBO.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> JOGAR 3 joga os 3 primeiros TUBOS, e assim por diante.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Se os ACERTOS passarem a linha em mais de 1, você ganha 3 bolas extras.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Qualquer bola CORINGA incluída num ganho dobra o prêmio.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Para mudar a quantidade de NÚMEROS, clique em APAGAR e repita o passo (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Para mudar os números escolhidos mantendo a mesma quantidade de NÚMEROS, clique em SELEÇÃO AUTOMÁTICA.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Para mudar a velocidade, vá em &apos;Opções&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Para trocar de jogador, vá em &apos;Opções&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Para voltar à tela de SELEÇÃO, clique em APAGAR.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Teclas: as setas movem a moldura no cartão, ESPAÇO ou ENTER marca o seu número.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C MOEDAS, A SELEÇÃO AUTOMÁTICA, E APAGAR, X BOLAS EXTRAS, 1 2 5 0 APOSTA, Ctrl+1 3 5 0 JOGAR.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-ESPAÇO ou um clique nos TUBOS termina a queda das bolas; + mais rápido, - mais lento.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M som liga/desliga, F1 esta ajuda, Esc fecha uma janela, Ctrl+Q sair.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Rever</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>&amp;Justiça</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>Jogo a&amp;uto</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>acertos:  observados (amarelo)  e sorteio justo (branco)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>VOCÊ NÃO TEM CRÉDITO...INSIRA MOEDAS<byte value="xd"/> CLIQUE NO BOTÃO MOEDAS</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>MARQUE DE 3 A 10 NÚMEROS (Clique nas bolas numeradas) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Você Está Tentando Apostar  %1<byte value="xd"/>Moedas...Mas Só Tem  %2<byte value="xd"/>Use O Botão MOEDAS Para Inserir Mais Crédito</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Quanto Você Quer Apostar ??<byte value="xd"/> Clique Num Dos Botões APOSTA  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Desculpe... Você Chegou Ao Limite, <byte value="xd"/>Perca Um Pouco Primeiro<byte value="xd"/>(Não Deve Demorar !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nada Digitado</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nome Longo Demais</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>VELOCIDADE %1 DE 5   (+ MAIS RÁPIDO,  - MAIS LENTO)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>BOLAS EXTRAS GANHAS!   CLIQUE EM BOLAS EXTRAS OU APERTE X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>AS BOLAS ESTÃO CAINDO:   ESPAÇO TERMINA A QUEDA</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>DEZ NÚMEROS MARCADOS:   DESMARQUE UM ANTES</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>NENHUMA BOLA EXTRA OFERECIDA</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>A APOSTA EM MOEDAS ESTÁ NO LIMITE</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>GANHO %1   CRÉDITO %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
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
        <translation>Parar com um prêmio de pelo menos</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Parar após uma perda de</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Jogo automático</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 jogadas</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> moedas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Repetir a última jogada (mesmos números, aposta e tubos)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>compatível com um sorteio justo (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>ainda faltam tubos: cerca de %1 a mais</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>não compatível: p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Retorno até agora: %1 % das %2 moedas apostadas (%3 ganhas). Um sorteio justo devolve %4 %, e 95 vezes em 100 entre %5 % e %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Teste de justiça</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Nenhum tubo jogado ainda: o teste começa com a sua primeira jogada.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Seus %1 tubos jogados comparados às chances exatas de um sorteio justo. Um teste só diz &quot;não compatível&quot; quando um sorteio justo se desviaria tanto menos de uma vez em mil.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>%1 tubos. Qui-quadrado %2 com %3 graus de liberdade: %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 números</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Todas as jogadas juntas. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>A bola coringa esteve entre as 23 bolas de %1 de %2 tubos (%3 %); um sorteio justo: 23 em 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Quantas vezes cada número foi sorteado (quente em vermelho, frio em azul): %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Todo número tem a mesma chance em cada sorteio: um número que saiu muito ou pouco até agora não fica mais nem menos provável da próxima vez.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>Opções do VorLane</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Opções do Vorlane</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Nome Do Jogador</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Depois Enter</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Fechar e salvar</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Rápido</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Apagar Os Dados Do Jogador  (%1)</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Velocidade atual =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Apagar todos os dados do jogador %1 (%2): o crédito, as estatísticas e o histórico de jogadas?<byte value="xd"/>Isso não pode ser desfeito.</translation>
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
        <translation>Chances e retorno ao jogador</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Um tubo, as 20 bolas de uma jogada e depois as 3 bolas extras, quando ganhas:</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>prêmio da linha</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>prêmio máximo</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>bolas extras</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>moedas por moeda
depois</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>retorno
ao jogador</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 acertos</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Acertos nas 20 bolas sem a bola coringa, em porcentagem de todos os tubos:</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Acertos nas 20 bolas com a bola coringa (contada como acerto), em porcentagem de todos os tubos:</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Jogadas anteriores  (Page Down)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Jogadas recentes  (Page Up)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Rever jogadas</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Desde o início do jogo:   jogadas %1,   apostado %2,   ganho %3,   saldo %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Nenhuma jogada guardada ainda.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Página %1, mais recente primeiro:</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 números  %3 x %4   prêmio %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Tabela  De Prêmios </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>fechar a tabela</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>chances</translation>
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
        <translation>APERTE E (APAGAR) PARA VER O CARTÃO</translation>
    </message>
</context>
</TS>
