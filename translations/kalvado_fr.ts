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
        <translation>Les flèches déplacent le curseur de case ; Espace ou Entrée y place un pion. F2 commence une nouvelle partie, Alt+P passe.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, noir</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, blanc</translation>
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
        <translation>Pas de source skin, défaut est utiliser, tu peux pas changer skin.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Pas de source de skin</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nouvelle partie ! Tu commences ?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Déjà occupé !</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Position invalide !</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Tu dois d&apos;abord commencer une partie ! Appuie sur F2 pour commencer une nouvelle partie !</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Pas de partie défini !</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>tu as perdu</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>tu gagnes</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>je n&apos;ai pas de route pour aller, maintenant c&apos;est ton tour !</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>tu n&apos;as pas de route pour aller, appuie sur &apos;Passer&apos; !</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>tu as perdu !</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>tu gagnes !</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation>Nouvelle partie : tu joues les noirs.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nouvelle partie : tu joues les blancs.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tu as joué %1 et retourné %n pion.</numerusform>
            <numerusform>Tu as joué %1 et retourné %n pions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>L&apos;ordinateur a joué %1 et retourné %n pion.</numerusform>
            <numerusform>L&apos;ordinateur a joué %1 et retourné %n pions.</numerusform>
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
        <translation>Pennalt (Noir et Blanc)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À p&amp;ropos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Pointeur X :</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Pointeur Y :</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Case</translation>
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
        <translation>Pointeur X, pixels</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Pointeur Y, pixels</translation>
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
        <translation>Total joueur:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Total ordinateur:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Noir et Blanc), fait par l&apos;équipe Kalvado : encerclez, retournez et dépassez l&apos;ordinateur en nombre.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>À propos de Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Quitter le jeu ?</translation>
    </message>
</context>
</TS>
