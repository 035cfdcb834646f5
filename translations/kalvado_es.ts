<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you win!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How two sentences of the summary follow each other: a space where the language puts one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Pennalt (Black and White)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kalvado::frmGame</name>
    <message>
        <source>Player total:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
