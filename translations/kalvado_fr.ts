<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Placer un pion</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Place ton pion sur cette case</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Les touches fléchées déplacent le curseur de case en case&#x202f;; Espace ou Entrée y place un pion. F2 lance une nouvelle partie, Alt+P passe ton tour.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, pion noir</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, pion blanc</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Pas de source thème, défaut est utilisé, tu ne peux pas changer de thème.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Pas de source de thème</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nouvelle partie&#x202f;! Tu commences&#x202f;?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Case déjà occupée&#x202f;!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Position invalide&#x202f;!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oups&#x202f;!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Tu dois d&apos;abord commencer une partie&#x202f;! Appuie sur F2 pour lancer une nouvelle partie&#x202f;!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Pas de partie défini&#x202f;!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>tu as perdu</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>tu as gagné</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>je n&apos;ai pas de route pour aller, maintenant c&apos;est ton tour&#x202f;!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>tu ne peux jouer nulle part, appuie sur «&#xa0;Passer&#xa0;»&#x202f;!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>tu as perdu&#x202f;!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>tu as gagné&#x202f;!</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction this language is written in: LTR or RTL, in these Latin letters.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <extracomment>The Control key as a menu writes it in a shortcut (Ctrl+F4).</extracomment>
        <translation>Ctrl</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation>Nouvelle partie&#xa0;: tu joues les noirs.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nouvelle partie&#xa0;: tu joues les blancs.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tu as joué en %1 et retourné %n pion.</numerusform>
            <numerusform>Tu as joué en %1 et retourné %n pions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>L&apos;ordinateur a joué en %1 et retourné %n pion.</numerusform>
            <numerusform>L&apos;ordinateur a joué en %1 et retourné %n pions.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Toi %1, ordinateur %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How two sentences of the summary follow each other: a space where the language puts one.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Pennalt (Black and White)</source>
        <translation>Pennalt (Noir et blanc)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À p&amp;ropos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Pointeur X&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Pointeur Y&#xa0;:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passer</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Par défaut *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Bois clair</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Bois clair2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Pointeur X, en pixels</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Pointeur Y, en pixels</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Colonne sous le pointeur</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Ligne sous le pointeur</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Total joueur&#xa0;:&#xa0;%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Total ordinateur&#xa0;:&#xa0;%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Noir et blanc), créé par l&apos;équipe Kalvado&#xa0;: encadre, retourne et surpasse l&apos;ordinateur en nombre.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>À propos de Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Quitter le jeu&#x202f;?</translation>
    </message>
</context>
</TS>
