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
        <translation>Strzałki przesuwają kursor pola; Spacja lub Enter stawia tam pionek. F2 zaczyna nową grę, Alt+P pasuje.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, czarny</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, biały</translation>
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
        <translation>Brak źródło skórki, domyślna jest używać, nie możesz zmienić skórka.</translation>
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
        <translation>Nieprawidłowa pozycja!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Najpierw powinieneś zacząć grę! Naciśnij F2, aby zacząć nową grę!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Nie ma gra zdefiniować!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>ty przegrać</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>ty wygrywać</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ja nie mam droga do iść, teraz twoja kolej!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>ty nie masz droga do iść, naciśnij &apos;Pas&apos;!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>ty przegrać!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>ty wygrywać!</translation>
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
            <numerusform>Zagrałeś %1 i odwróciłeś %n pionek.</numerusform>
            <numerusform>Zagrałeś %1 i odwróciłeś %n pionki.</numerusform>
            <numerusform>Zagrałeś %1 i odwróciłeś %n pionków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Komputer zagrał %1 i odwrócił %n pionek.</numerusform>
            <numerusform>Komputer zagrał %1 i odwrócił %n pionki.</numerusform>
            <numerusform>Komputer zagrał %1 i odwrócił %n pionków.</numerusform>
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
        <translation>Pennalt (Czarne i Białe)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
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
        <translation>Wskaźnik X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Wskaźnik Y:</translation>
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
        <translation>Wskaźnik X, piksele</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Wskaźnik Y, piksele</translation>
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
        <translation>Gracz razem:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Komputer razem:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Czarne i Białe), stworzone przez zespół Kalvado: otaczaj, odwracaj i przewyższ komputer liczbą.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>O Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Zakończyć grę?</translation>
    </message>
</context>
</TS>
