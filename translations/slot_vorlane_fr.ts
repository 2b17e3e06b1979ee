<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DisplayProbe</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 est injoignable</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY ne sont définis</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n&apos;est pas défini</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no graphical display was found: %1</source>
        <translation>aucun affichage graphique n&apos;a été trouvé : %1</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>PLAY FIELD</source>
        <translation>TABLE DE JEU</translation>
    </message>
    <message>
        <source>%1 HITS</source>
        <translation>%1 TOUCHES</translation>
    </message>
    <message>
        <source>%1 HITS PAY %2</source>
        <translation>%1 TOUCHES PAIENT %2</translation>
    </message>
    <message>
        <source>FLUTES</source>
        <translation>TUBES</translation>
    </message>
    <message>
        <source>FLUTE %1</source>
        <translation>TUBE %1</translation>
    </message>
    <message>
        <source>FLUTE %1:   %2 HITS   WIN %3</source>
        <translation>TUBE %1 :   %2 TOUCHES   GAIN %3</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>COINS</source>
        <translation>JETONS</translation>
    </message>
    <message>
        <source>EXTRA BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>BOULES EXTRA</translation>
    </message>
    <message>
        <source>AUTO SELECT</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>CHOIX AUTO</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>BET %1</source>
        <translation>MISE %1</translation>
    </message>
    <message>
        <source>PLAY %1</source>
        <translation>JOUER %1</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>CRÉDIT</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>MISE</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GAIN</translation>
    </message>
    <message>
        <source>LUCKY BALLS</source>
        <extracomment>Drawn on two lines, broken at the first blank.</extracomment>
        <translation>BOULES CHANCE</translation>
    </message>
    <message>
        <source>GOOD LUCK</source>
        <translation>BONNE CHANCE</translation>
    </message>
    <message>
        <source>SELECT 3 TO 10 SPOTS</source>
        <translation>CHOISISSEZ 3 À 10 NUMÉROS</translation>
    </message>
    <message>
        <source>MISS</source>
        <translation>RATÉ</translation>
    </message>
    <message>
        <source>FAST MONEY</source>
        <translation>ARGENT RAPIDE</translation>
    </message>
</context>
<context>
    <name>HistoryNotices</name>
    <message>
        <source>The play history could not be written (%1).<byte value="xd"/>Your credit and statistics are kept as always; the game will go on trying to keep your plays.</source>
        <translation>L&apos;historique des parties n&apos;a pas pu être écrit (%1).<byte value="xd"/>Votre crédit et vos statistiques sont conservés comme toujours ; le jeu continuera d&apos;essayer de garder vos parties.</translation>
    </message>
    <message>
        <source>The play history was damaged. It was moved aside as<byte value="xd"/>%1<byte value="xd"/>and a fresh history has been started.</source>
        <translation>L&apos;historique des parties était endommagé. Il a été mis de côté sous le nom<byte value="xd"/>%1<byte value="xd"/>et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The play history<byte value="xd"/>%1<byte value="xd"/>comes from a newer version of the game. It is shown as it is, and no new plays are added to it.</source>
        <translation>L&apos;historique des parties<byte value="xd"/>%1<byte value="xd"/>vient d&apos;une version plus récente du jeu. Il est affiché tel quel et aucune nouvelle partie n&apos;y est ajoutée.</translation>
    </message>
</context>
<context>
    <name>OddsTable</name>
    <message>
        <source>1 in %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.</source>
        <translation>Chances d&apos;un tube, par jeton misé : les 20 boules de la partie, puis les 3 boules extra si elles sont gagnées.</translation>
    </message>
    <message>
        <source>The wild ball is among a flute&apos;s 23 balls in 23 of every 487 flutes (%1 %):</source>
        <translation>La boule joker figure parmi les 23 boules d&apos;un tube dans 23 tubes sur 487 (%1 %) :</translation>
    </message>
    <message>
        <source>drawn with 23 of the 81 balls, it is kept only on every eighth turn.</source>
        <translation>tirée avec 23 des 81 boules, elle n&apos;est gardée qu&apos;un tour sur huit.</translation>
    </message>
    <message>
        <source>spots</source>
        <translation>numéros</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>gain de ligne</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>gros lot</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>boules extra</translation>
    </message>
    <message>
        <source>paid after them</source>
        <translation>payé ensuite</translation>
    </message>
    <message>
        <source>return to player</source>
        <translation>taux de retour</translation>
    </message>
    <message>
        <source>%1 coins</source>
        <translation>%1 jetons</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of flutes:</source>
        <translation>Touches dans les 20 boules sans la boule joker, en pourcentage des tubes :</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:</source>
        <translation>Touches dans les 20 boules avec la boule joker (comptée comme une touche), en pourcentage des tubes :</translation>
    </message>
</context>
<context>
    <name>PaySheet</name>
    <message>
        <source>spots marked</source>
        <translation>numéros cochés</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>touches</translation>
    </message>
    <message>
        <source>The numbers marked in RED signify the hits needed to win the 3 extra balls.</source>
        <translation>Les nombres en ROUGE indiquent les touches nécessaires pour gagner les 3 boules extra.</translation>
    </message>
    <message>
        <source>Balls marked with a W are wild balls and pay double when used.</source>
        <translation>Les boules marquées d&apos;un W sont des boules joker et paient double quand elles servent.</translation>
    </message>
</context>
<context>
    <name>RecordNotices</name>
    <message>
        <source>The file was kept unchanged as<byte value="xd"/>%1</source>
        <translation>Le fichier a été conservé tel quel sous<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>No copy of it could be made, so it was left as it was and nothing will be saved to it.</source>
        <translation>Aucune copie n&apos;a pu en être faite : il reste tel quel et rien n&apos;y sera enregistré.</translation>
    </message>
    <message>
        <source>The player records in<byte value="xd"/>%1<byte value="xd"/>could not be read, so the game starts without them.<byte value="xd"/></source>
        <translation>Les fiches des joueurs dans<byte value="xd"/>%1<byte value="xd"/>n&apos;ont pas pu être lues : le jeu démarre sans elles.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The player records cannot be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>You can play, but nothing won or put in will be kept.</source>
        <translation>Les fiches des joueurs ne peuvent pas être enregistrées dans<byte value="xd"/>%1<byte value="xd"/>car : %2.<byte value="xd"/>Vous pouvez jouer, mais rien de ce qui est gagné ou misé ne sera conservé.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game goes on, but coins won from now on may be lost when it closes.</source>
        <translation>Les fiches des joueurs n&apos;ont pas pu être enregistrées dans<byte value="xd"/>%1<byte value="xd"/>car : %2.<byte value="xd"/>Le jeu continue, mais les jetons gagnés désormais peuvent être perdus à la fermeture.</translation>
    </message>
    <message>
        <source>The player records could not be saved to<byte value="xd"/>%1<byte value="xd"/>because %2.<byte value="xd"/>The game is closing.</source>
        <translation>Les fiches des joueurs n&apos;ont pas pu être enregistrées dans<byte value="xd"/>%1<byte value="xd"/>car : %2.<byte value="xd"/>Le jeu se ferme.</translation>
    </message>
    <message>
        <source>Player %1 in<byte value="xd"/>%2<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Le joueur %1 dans<byte value="xd"/>%2<byte value="xd"/>a des valeurs que le jeu ne peut pas lire comme nombre :<byte value="xd"/></translation>
    </message>
    <message>
        <source>Player %1 (%2) in<byte value="xd"/>%3<byte value="xd"/>has what the game cannot take as a number:<byte value="xd"/></source>
        <translation>Le joueur %1 (%2) dans<byte value="xd"/>%3<byte value="xd"/>a des valeurs que le jeu ne peut pas lire comme nombre :<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts it as 0.<byte value="xd"/></source>
        <translation>Le jeu la compte comme 0.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The game counts them as 0.<byte value="xd"/></source>
        <translation>Le jeu les compte comme 0.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>StatisticsLines</name>
    <message>
        <source>Games Played      </source>
        <translation>Parties jouées      </translation>
    </message>
    <message>
        <source>Total Wagered     </source>
        <translation>Total misé     </translation>
    </message>
    <message>
        <source>Total Won      </source>
        <translation>Total gagné      </translation>
    </message>
    <message>
        <source>Winning/Losing     </source>
        <translation>Gain/Perte     </translation>
    </message>
    <message>
        <source>Returned To Player     </source>
        <translation>Taux de retour     </translation>
    </message>
    <message>
        <source>Total Invested      </source>
        <translation>Total investi      </translation>
    </message>
    <message>
        <source>Games Played          </source>
        <translation>Parties jouées          </translation>
    </message>
    <message>
        <source>Total Wagered         </source>
        <translation>Total misé         </translation>
    </message>
    <message>
        <source>Total Won          </source>
        <translation>Total gagné          </translation>
    </message>
    <message>
        <source>Winning/Losing      </source>
        <translation>Gain/Perte      </translation>
    </message>
    <message>
        <source>Returned To Player </source>
        <translation>Taux de retour </translation>
    </message>
    <message>
        <source>Total Invested     </source>
        <translation>Total investi     </translation>
    </message>
    <message>
        <source>Returned To Player     % </source>
        <translation>Taux de retour     % </translation>
    </message>
    <message>
        <source>Games Played            %1</source>
        <translation>Parties jouées            %1</translation>
    </message>
    <message>
        <source>Total Wagered           %1</source>
        <translation>Total misé           %1</translation>
    </message>
    <message>
        <source>Total Won                   %1</source>
        <translation>Total gagné                   %1</translation>
    </message>
    <message>
        <source>Winning/Losing           %1</source>
        <translation>Gain/Perte           %1</translation>
    </message>
    <message>
        <source>Total Invested             %1</source>
        <translation>Total investi             %1</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Current Player</source>
        <translation>Joueur actuel</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Carnival keno: mark 3 to 10 of 80 balls and watch them drop.</source>
        <translation>Keno de fête foraine : cochez 3 à 10 des 80 boules et regardez-les tomber.</translation>
    </message>
    <message>
        <source>Print the exact odds and the return to player, then quit.</source>
        <translation>Affiche les chances exactes et le taux de retour, puis quitte.</translation>
    </message>
    <message>
        <source>Speak this language (de, fr, pt_BR...) instead of the desktop&apos;s; English where the game has no translation.</source>
        <translation>Parle cette langue (de, fr, pt_BR...) au lieu de celle du bureau ; anglais là où le jeu n&apos;a pas de traduction.</translation>
    </message>
</context>
<context>
    <name>windows::AutoPlayer</name>
    <message>
        <source>AUTO PLAY
%1 left</source>
        <translation>JEU AUTO
encore %1</translation>
    </message>
</context>
<context>
    <name>windows::FieldScene</name>
    <message>
        <source>%1   (key %2)</source>
        <translation>%1   (touche %2)</translation>
    </message>
</context>
<context>
    <name>windows::GameMenu</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Payout Schedule</source>
        <translation>&amp;Table des gains</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>1:-Insert some credit via the coins button or the Fast credit button in </source>
        <translation>1:-Ajoutez du crédit avec le bouton JETONS ou le bouton Argent rapide du </translation>
    </message>
    <message>
        <source> the &apos;Options&apos; menu.</source>
        <translation> menu &apos;Options&apos;.</translation>
    </message>
    <message>
        <source>2:-Click on the numbered balls until</source>
        <translation>2:-Cliquez sur les boules numérotées jusqu&apos;à</translation>
    </message>
    <message>
        <source> you have the desired amount of SPOTS marked,(from 3 to 10)</source>
        <translation> avoir coché le nombre voulu de NUMÉROS (de 3 à 10)</translation>
    </message>
    <message>
        <source>3:-Click on desired BET(BET 1 through to BET 10), </source>
        <translation>3:-Cliquez sur la MISE voulue (de MISE 1 à MISE 10), </translation>
    </message>
    <message>
        <source> This is the amount you will be betting on each FLUTE </source>
        <translation> c&apos;est le montant que vous misez sur chaque TUBE </translation>
    </message>
    <message>
        <source>4:-Clicking on Auto Select will generate your numbers for you </source>
        <translation>4:-Un clic sur Choix auto choisit vos numéros pour vous </translation>
    </message>
    <message>
        <source>5:-Click on PLAY 1,Play 3,Play 5,or PLAY 10:-</source>
        <translation>5:-Cliquez sur JOUER 1, JOUER 3, JOUER 5 ou JOUER 10 :-</translation>
    </message>
    <message>
        <source> PLAY 1 plays only the 1st.FLUTE.</source>
        <translation> JOUER 1 ne joue que le 1er TUBE.</translation>
    </message>
    <message>
        <source> PLAY 3 plays the First 3 FLUTES and so on.</source>
        <translation> JOUER 3 joue les 3 premiers TUBES, et ainsi de suite.</translation>
    </message>
    <message>
        <source>6:-If amount of HITS exceed the line by &gt; 1  then you will be awarded 3 extra balls.</source>
        <translation>6:-Si les TOUCHES dépassent la ligne de plus de 1, vous gagnez 3 boules extra.</translation>
    </message>
    <message>
        <source>7:-Any WILD ball included in a win results in the prize being doubled.</source>
        <translation>7:-Toute boule JOKER comprise dans un gain double le prix.</translation>
    </message>
    <message>
        <source>8:-To change the amount of SPOTS marked click on ERASE then repeat process (2).</source>
        <translation>8:-Pour changer le nombre de NUMÉROS, cliquez sur EFFACER puis refaites l&apos;étape (2).</translation>
    </message>
    <message>
        <source>9:-To change the numbers selected whilst retaining the same amount of SPOTS marked click on AUTOSELECT.</source>
        <translation>9:-Pour changer les numéros en gardant le même nombre de NUMÉROS, cliquez sur CHOIX AUTO.</translation>
    </message>
    <message>
        <source>10:-To change speed of execution goto&apos;Options&apos;.</source>
        <translation>10:-Pour changer la vitesse, allez dans &apos;Options&apos;.</translation>
    </message>
    <message>
        <source>11:-To change Player goto&apos;Options&apos;.</source>
        <translation>11:-Pour changer de joueur, allez dans &apos;Options&apos;.</translation>
    </message>
    <message>
        <source>12:-To Gain entry to the SELECTION Screen click on ERASE.</source>
        <translation>12:-Pour revenir à l&apos;écran de SÉLECTION, cliquez sur EFFACER.</translation>
    </message>
    <message>
        <source>13:-Keys: the arrows move the frame on the board, SPACE or ENTER marks its number.</source>
        <translation>13:-Touches : les flèches déplacent le cadre sur la grille, ESPACE ou ENTRÉE coche son numéro.</translation>
    </message>
    <message>
        <source> C COINS, A AUTO SELECT, E ERASE, X EXTRA BALLS, 1 2 5 0 BET, Ctrl+1 3 5 0 PLAY.</source>
        <translation> C JETONS, A CHOIX AUTO, E EFFACER, X BOULES EXTRA, 1 2 5 0 MISE, Ctrl+1 3 5 0 JOUER.</translation>
    </message>
    <message>
        <source>14:-SPACE or a click on the FLUTES finishes the balls falling; + faster, - slower.</source>
        <translation>14:-ESPACE ou un clic sur les TUBES termine la chute des boules ; + plus vite, - plus lent.</translation>
    </message>
    <message>
        <source> Ctrl+M sound on/off, F1 this help, Esc closes a window, Ctrl+Q exit.</source>
        <translation> Ctrl+M son oui/non, F1 cette aide, Échap ferme une fenêtre, Ctrl+Q quitter.</translation>
    </message>
</context>
<context>
    <name>windows::HistoryMenu</name>
    <message>
        <source>&amp;Recall</source>
        <translation>&amp;Rappel</translation>
    </message>
    <message>
        <source>&amp;Fairness</source>
        <translation>É&amp;quité</translation>
    </message>
    <message>
        <source>A&amp;uto Play</source>
        <translation>Jeu a&amp;uto</translation>
    </message>
</context>
<context>
    <name>windows::HitsChart</name>
    <message>
        <source>hits:  observed (yellow)  and a fair draw (white)</source>
        <translation>touches :  observées (jaune)  et tirage équitable (blanc)</translation>
    </message>
</context>
<context>
    <name>windows::Presenter</name>
    <message>
        <source>YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS<byte value="xd"/> CLICK ON COINS BUTTON</source>
        <translation>VOUS N&apos;AVEZ PLUS DE CRÉDIT...AJOUTEZ DES JETONS<byte value="xd"/> CLIQUEZ SUR LE BOUTON JETONS</translation>
    </message>
    <message>
        <source>MARK FROM 3 TO 10 SPOTS (Click on the Numbered Balls) !!</source>
        <translation>COCHEZ DE 3 À 10 NUMÉROS (Cliquez sur les boules numérotées) !!</translation>
    </message>
    <message>
        <source>You Are Trying To Bet  %1<byte value="xd"/>Coins...But You Only Have  %2<byte value="xd"/>Use COINS Button To Insert More Credit</source>
        <translation>Vous Voulez Miser  %1<byte value="xd"/>Jetons...Mais Vous N&apos;avez Que  %2<byte value="xd"/>Ajoutez Du Crédit Avec Le Bouton JETONS</translation>
    </message>
    <message>
        <source>How Much Do You Want To Bet ??<byte value="xd"/> Click One Of The Bet Buttons  </source>
        <translation>Combien Voulez-Vous Miser ??<byte value="xd"/> Cliquez Sur Un Des Boutons MISE  </translation>
    </message>
    <message>
        <source>Sorry... You&apos;ve reached the limit, <byte value="xd"/>Please lose some more first<byte value="xd"/>(Shouldn&apos;t take long !!!)</source>
        <translation>Désolé... Vous Avez Atteint La Limite, <byte value="xd"/>Perdez D&apos;abord Un Peu<byte value="xd"/>(Ça Ne Devrait Pas Être Long !!!)</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Rien Saisi</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nom Trop Long</translation>
    </message>
    <message>
        <source>SPEED %1 OF 5   (+ FASTER,  - SLOWER)</source>
        <translation>VITESSE %1 SUR 5   (+ PLUS VITE,  - PLUS LENT)</translation>
    </message>
    <message>
        <source>EXTRA BALLS WON!   CLICK EXTRA BALLS OR PRESS X</source>
        <translation>BOULES EXTRA GAGNÉES !   CLIQUEZ BOULES EXTRA OU APPUYEZ SUR X</translation>
    </message>
    <message>
        <source>BALLS ARE FALLING:   SPACE FINISHES THEM</source>
        <translation>LES BOULES TOMBENT :   ESPACE TERMINE LA CHUTE</translation>
    </message>
    <message>
        <source>TEN SPOTS ARE MARKED:   UNMARK ONE FIRST</source>
        <translation>DIX NUMÉROS COCHÉS :   DÉCOCHEZ-EN UN D&apos;ABORD</translation>
    </message>
    <message>
        <source>NO EXTRA BALLS ARE OFFERED</source>
        <translation>AUCUNE BOULE EXTRA N&apos;EST OFFERTE</translation>
    </message>
    <message>
        <source>THE COINS WAGERED ARE AT THEIR LIMIT</source>
        <translation>LA MISE EN JETONS EST À SA LIMITE</translation>
    </message>
    <message>
        <source>WIN %1   CREDIT %2</source>
        <translation>GAIN %1   CRÉDIT %2</translation>
    </message>
</context>
<context>
    <name>windows::aboutvorlane</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Arrêter sur un gain d&apos;au moins</translation>
    </message>
    <message>
        <source>Stop after a loss of</source>
        <translation>Arrêter après une perte de</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>%1 plays</source>
        <translation>%1 parties</translation>
    </message>
    <message>
        <source> coins</source>
        <translation> pièces</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Repeat the last play (same spots, bet and flutes)</source>
        <translation>Rejouer la dernière partie (mêmes numéros, mise et tubes)</translation>
    </message>
</context>
<context>
    <name>windows::fairnesswindow</name>
    <message>
        <source>consistent with a fair draw (p = %1)</source>
        <translation>compatible avec un tirage équitable (p = %1)</translation>
    </message>
    <message>
        <source>not enough flutes yet: about %1 more</source>
        <translation>pas encore assez de tubes : environ %1 de plus</translation>
    </message>
    <message>
        <source>not consistent: p = %1</source>
        <translation>non compatible : p = %1</translation>
    </message>
    <message>
        <source>Return so far: %1 % of the %2 coins bet (%3 won). A fair draw returns %4 %, and 95 times in 100 between %5 % and %6 %.</source>
        <translation>Retour jusqu&apos;ici : %1 % des %2 pièces misées (%3 gagnées). Un tirage équitable rend %4 %, et 95 fois sur 100 entre %5 % et %6 %.</translation>
    </message>
    <message>
        <source>Fairness Check</source>
        <translation>Contrôle d&apos;équité</translation>
    </message>
    <message>
        <source>No flutes played yet: the check begins with your first play.</source>
        <translation>Aucun tube joué : le contrôle commence avec votre première partie.</translation>
    </message>
    <message>
        <source>Your %1 flutes played against the exact odds of a fair draw. A test says &quot;not consistent&quot; only when a fair draw would stray so far less than once in a thousand times.</source>
        <translation>Vos %1 tubes joués comparés aux chances exactes d&apos;un tirage équitable. Un test ne dit « non compatible » que si un tirage équitable s&apos;écartait autant moins d&apos;une fois sur mille.</translation>
    </message>
    <message>
        <source>%1 flutes. Chi-square %2 with %3 degrees of freedom: %4.</source>
        <translation>%1 tubes. Khi-deux %2 avec %3 degrés de liberté : %4.</translation>
    </message>
    <message>
        <source>%1 spots</source>
        <translation>%1 numéros</translation>
    </message>
    <message>
        <source>All plays together. </source>
        <translation>Toutes les parties ensemble. </translation>
    </message>
    <message>
        <source>The wild ball was among the 23 balls of %1 of %2 flutes (%3 %); a fair draw: 23 in 487 (%4 %).</source>
        <translation>La boule joker était parmi les 23 boules de %1 des %2 tubes (%3 %) ; tirage équitable : 23 sur 487 (%4 %).</translation>
    </message>
    <message>
        <source>How often each number was drawn (hot red, cold blue): %1.</source>
        <translation>Fréquence de tirage de chaque numéro (chaud en rouge, froid en bleu) : %1.</translation>
    </message>
    <message>
        <source>Every number has the same chance in every draw: a number that came often or seldom so far is no more and no less likely next time.</source>
        <translation>Chaque numéro a la même chance à chaque tirage : un numéro sorti souvent ou rarement jusqu&apos;ici n&apos;est ni plus ni moins probable la prochaine fois.</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
</context>
<context>
    <name>windows::frmvorlaneoptions</name>
    <message>
        <source>VorLane Options</source>
        <translation>Options VorLane</translation>
    </message>
    <message>
        <source>Vorlane Options</source>
        <translation>Options Vorlane</translation>
    </message>
    <message>
        <source>Input Player Name</source>
        <translation>Nom Du Joueur</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>Puis Entrée</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Fermer et enregistrer</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <translation>&lt;&lt;&lt;Plus vite</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Plus lent&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Delete Currentplayer  (%1) Details</source>
        <translation>Effacer Les Données Du Joueur  (%1)</translation>
    </message>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Vitesse actuelle =   %1</translation>
    </message>
    <message>
        <source>Delete every detail of player %1 (%2): the credit, the statistics and the play history?<byte value="xd"/>This cannot be undone.</source>
        <translation>Effacer toutes les données du joueur %1 (%2) : le crédit, les statistiques et l&apos;historique des parties ?<byte value="xd"/>Cela ne peut pas être annulé.</translation>
    </message>
</context>
<context>
    <name>windows::oddswindow</name>
    <message>
        <source>%1 spots</source>
        <translation>%1 numéros</translation>
    </message>
    <message>
        <source>Odds and Return to Player</source>
        <translation>Chances et taux de retour</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>One flute, the 20 balls of a play and then the 3 extra balls when won:</source>
        <translation>Un tube, les 20 boules d&apos;une partie puis les 3 boules extra si elles sont gagnées :</translation>
    </message>
    <message>
        <source>line prize</source>
        <translation>gain de ligne</translation>
    </message>
    <message>
        <source>top prize</source>
        <translation>gros lot</translation>
    </message>
    <message>
        <source>extra balls</source>
        <translation>boules extra</translation>
    </message>
    <message>
        <source>coins per coin
after them</source>
        <translation>jetons par jeton
ensuite</translation>
    </message>
    <message>
        <source>return
to player</source>
        <translation>taux de
retour</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 touches</translation>
    </message>
    <message>
        <source>Hits in the 20 balls without the wild ball, in percent of all flutes:</source>
        <translation>Touches dans les 20 boules sans la boule joker, en pourcentage de tous les tubes :</translation>
    </message>
    <message>
        <source>Hits in the 20 balls with the wild ball (counted as a hit), in percent of all flutes:</source>
        <translation>Touches dans les 20 boules avec la boule joker (comptée comme une touche), en pourcentage de tous les tubes :</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
</context>
<context>
    <name>windows::recallwindow</name>
    <message>
        <source>Older plays  (Page Down)</source>
        <translation>Parties plus anciennes  (Page suiv.)</translation>
    </message>
    <message>
        <source>Newer plays  (Page Up)</source>
        <translation>Parties plus récentes  (Page préc.)</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Rappel des parties</translation>
    </message>
    <message>
        <source>Since the game started:   plays %1,   coins bet %2,   coins won %3,   net %4</source>
        <translation>Depuis le début du jeu :   parties %1,   pièces misées %2,   pièces gagnées %3,   net %4</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>No plays kept yet.</source>
        <translation>Aucune partie gardée.</translation>
    </message>
    <message>
        <source>Page %1, newest first:</source>
        <translation>Page %1, la plus récente d&apos;abord :</translation>
    </message>
    <message>
        <source>%1   %2 spots  %3 x %4   won %5</source>
        <translation>%1   %2 numéros  %3 x %4   gain %5</translation>
    </message>
</context>
<context>
    <name>windows::tarvopaysheet</name>
    <message>
        <source>Payout  Schedule </source>
        <translation>Table  Des Gains </translation>
    </message>
    <message>
        <source>close pay sheet</source>
        <translation>fermer la table</translation>
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
        <translation>APPUYEZ SUR E (EFFACER) POUR VOIR LA GRILLE</translation>
    </message>
</context>
</TS>
