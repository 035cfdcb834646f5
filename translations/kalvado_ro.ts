<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Plasează piesa</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Plasează piesa ta în această căsuță</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabla de joc</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Tastele cu săgeți mută cursorul de la o căsuță la alta; Spațiu sau Enter plasează acolo o piesă. F2 pornește un joc nou, Alt+P dă pas.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, piesă neagră</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, piesă albă</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, căsuță goală</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Nicio sursă aspect, implicit este folosit, nu poți schimba aspect.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Fără sursă aspect</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Joc nou! Începi tu?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Căsuța e deja ocupată!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Mutare nepermisă!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Hopa!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Mai întâi trebuie să începi un joc! Apasă F2 pentru un joc nou!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Niciun joc defini!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>ai pierdut</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>ai câștigat</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>eu nu am drum de mers, acum muți tu!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>nu ai nicio mutare posibilă, apasă „Pas”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>ai pierdut!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>ai câștigat!</translation>
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
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Nu</translation>
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
        <translation>Joc nou: joci cu piesele negre.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Joc nou: joci cu piesele albe.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Ai jucat %1 și ai întors %n piesă.</numerusform>
            <numerusform>Ai jucat %1 și ai întors %n piese.</numerusform>
            <numerusform>Ai jucat %1 și ai întors %n de piese.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Calculatorul a jucat %1 și a întors %n piesă.</numerusform>
            <numerusform>Calculatorul a jucat %1 și a întors %n piese.</numerusform>
            <numerusform>Calculatorul a jucat %1 și a întors %n de piese.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tu %1, calculatorul %2.</translation>
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
        <translation>Pennalt (Alb și negru)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Despre</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informații</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Cursor mouse X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Cursor mouse Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opțiuni</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Joc nou</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Implicit *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Lemn deschis</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Lemn deschis 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Poziția X a cursorului mouse-ului, în pixeli</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Poziția Y a cursorului mouse-ului, în pixeli</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Coloana de sub cursorul mouse-ului</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rândul de sub cursorul mouse-ului</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Jucător:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Calculator:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Alb și negru), realizat de echipa Kalvado: încadrează, întoarce și întrece calculatorul la numărul de piese.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Despre Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Ieși din joc?</translation>
    </message>
</context>
</TS>
