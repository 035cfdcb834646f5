<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Col·loca una fitxa</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Col·loca la teva fitxa en aquesta casella</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tauler</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Les tecles de fletxa mouen el cursor per les caselles; Espai o Retorn hi col·loquen una fitxa. F2 comença una partida nova i Alt+P passa el torn.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, fitxa negra</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, fitxa blanca</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, buida</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Sense tema font, predeterminat és usat, no pots canviar tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Sense font de tema</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Partida nova! Comences tu?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Ja està ocupada!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Posició no vàlida!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ui!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Primer has de començar una partida! Prem F2 per començar-ne una de nova!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Cap partida definit!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>has perdut</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>has guanyat</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>jo no tinc camí per anar, ara és teu torn!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>no tens cap jugada possible, prem «Passa»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>has perdut!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>has guanyat!</translation>
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
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;No</translation>
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
        <translation>Partida nova: jugues amb les negres.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Partida nova: jugues amb les blanques.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Has jugat a %1 i has girat %n fitxa.</numerusform>
            <numerusform>Has jugat a %1 i has girat %n fitxes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>L&apos;ordinador ha jugat a %1 i ha girat %n fitxa.</numerusform>
            <numerusform>L&apos;ordinador ha jugat a %1 i ha girat %n fitxes.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tu %1, ordinador %2.</translation>
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
        <translation>Pennalt (Blanc i negre)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Quant a</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informació</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Punter X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Punter Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Ratolí</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuació</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passa</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opcions</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nova</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Predeterminat *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Fusta clara</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Fusta clara2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Punter X, en píxels</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Punter Y, en píxels</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Columna sota el punter</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Fila sota el punter</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Jugador:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Ordinador:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Blanc i negre), creat per l&apos;equip de Kalvado: flanqueja, gira i supera en nombre l&apos;ordinador.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Quant a Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Vols sortir del joc?</translation>
    </message>
</context>
</TS>
