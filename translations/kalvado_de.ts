<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Stein setzen</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Setzt deinen Stein auf dieses Feld</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Die Pfeiltasten bewegen den Feldcursor; die Leertaste oder die Eingabetaste setzt dort einen Stein. F2 startet ein neues Spiel, Alt+P steht für Passen.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, schwarz</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, weiß</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Keine Quelle Skin, Standard ist benutzen, du kannst Skin nicht wechseln.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Keine Skinquelle</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Neues Spiel! Willst du anfangen?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Schon besetzt!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Ungültige Position!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Du musst zuerst ein Spiel starten! Drück F2, um ein neues Spiel zu starten!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Kein Spiel definier!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>du hast verloren</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>du hast gewonnen</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ich habe keinen weg zu gehen, jetzt ist dein zug!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>du kannst nicht ziehen, drück auf „Passen“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>du hast verloren!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>du hast gewonnen!</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <extracomment>The Control key as a menu writes it in a shortcut (Ctrl+F4).</extracomment>
        <translation>Strg</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation>Neues Spiel: Du spielst Schwarz.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Neues Spiel: Du spielst Weiß.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Du hast auf %1 gesetzt und %n Stein umgedreht.</numerusform>
            <numerusform>Du hast auf %1 gesetzt und %n Steine umgedreht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Der Computer hat auf %1 gesetzt und %n Stein umgedreht.</numerusform>
            <numerusform>Der Computer hat auf %1 gesetzt und %n Steine umgedreht.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Du %1, Computer %2.</translation>
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
        <translation>Pennalt (Schwarz und Weiß)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Mauszeiger X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Mauszeiger Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passen</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Helles Holz</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Helles Holz 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Zeiger X, Pixel</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Zeiger Y, Pixel</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Spalte unter dem Zeiger</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Zeile unter dem Zeiger</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Spieler:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Computer:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Schwarz und Weiß), entwickelt vom Kalvado-Team: einschließen, umdrehen und am Ende mehr Steine haben als der Computer.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Über Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Spiel beenden?</translation>
    </message>
</context>
</TS>
