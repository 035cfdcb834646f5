<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Postaw pionek</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Stawia twój pionek na tym polu</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Strzałki przesuwają kursor po polach; Spacja lub Enter stawia tam pionek. F2 zaczyna nową grę, Alt+P – pas.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, czarny pionek</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, biały pionek</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, puste</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Nie ma skórki źródła, domyślna jest używać, nie możesz zmienić skórki.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Brak źródła skórki</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nowa gra! Ty zaczynasz?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Już zajęte!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Niedozwolony ruch!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Najpierw trzeba zacząć grę! Naciśnij F2, aby rozpocząć nową grę!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Brak gra zdefiniowana!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>porażka</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>zwycięstwo</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ja nie mam drogi do pójścia, teraz twój ruch!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>nie masz dokąd pójść, naciśnij „Pas”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>porażka!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>zwycięstwo!</translation>
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
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Nie</translation>
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
        <translation>Nowa gra: grasz czarnymi.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nowa gra: grasz białymi.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Twój ruch: %1, odwrócono %n pionek.</numerusform>
            <numerusform>Twój ruch: %1, odwrócono %n pionki.</numerusform>
            <numerusform>Twój ruch: %1, odwrócono %n pionków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Ruch komputera: %1, odwrócono %n pionek.</numerusform>
            <numerusform>Ruch komputera: %1, odwrócono %n pionki.</numerusform>
            <numerusform>Ruch komputera: %1, odwrócono %n pionków.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Ty %1, komputer %2.</translation>
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
        <translation>Pennalt (Czarne i białe)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O g&amp;rze</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Wskaźnik myszy X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Wskaźnik myszy Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kursor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Domyślna *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Jasne drewno</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Jasne drewno2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Wskaźnik X, w pikselach</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Wskaźnik Y, w pikselach</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Kolumna pod wskaźnikiem</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Wiersz pod wskaźnikiem</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Gracz:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Komputer:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Czarne i białe) autorstwa zespołu Kalvado: otaczaj, odwracaj i przewyższ liczebnie komputer.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>O grze Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Zakończyć grę?</translation>
    </message>
</context>
</TS>
