<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Postavi žeton</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Postavi svoj žeton na to polje</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Igralna plošča</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>S puščičnimi tipkami se premikaš po poljih; preslednica ali Enter postavi žeton na izbrano polje. F2 začne novo igro, Alt+P preskoči potezo.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, črn žeton</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, bel žeton</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, prazno polje</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Ni izvornega videza, privzeti je uporabiti, ne moreš spremeniti videza.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Ni vira videza</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nova igra! Začneš ti?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Že zasedeno!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Neveljavna poteza!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Joj!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Najprej moraš začeti igro! Pritisni F2 za novo igro!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Igra ne definirana!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>tvoj poraz</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>tvoja zmaga</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>jaz nimam ceste za naprej, zdaj je tvoja poteza!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>nimaš nobene možne poteze, pritisni „Preskoči“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>tvoj poraz!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>tvoja zmaga!</translation>
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
        <translation>V redu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Ne</translation>
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
        <translation>Nova igra: igraš s črnimi žetoni.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nova igra: igraš z belimi žetoni.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tvoja poteza: %1, obrnjen je %n žeton.</numerusform>
            <numerusform>Tvoja poteza: %1, obrnjena sta %n žetona.</numerusform>
            <numerusform>Tvoja poteza: %1, obrnjeni so %n žetoni.</numerusform>
            <numerusform>Tvoja poteza: %1, obrnjenih je %n žetonov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Poteza računalnika: %1, obrnjen je %n žeton.</numerusform>
            <numerusform>Poteza računalnika: %1, obrnjena sta %n žetona.</numerusform>
            <numerusform>Poteza računalnika: %1, obrnjeni so %n žetoni.</numerusform>
            <numerusform>Poteza računalnika: %1, obrnjenih je %n žetonov.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Ti %1, računalnik %2.</translation>
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
        <translation>Pennalt (Črno in belo)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O igri</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacije</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Kazalec miške X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Kazalec miške Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Miška</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Končaj</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Preskoči</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Igra</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nova igra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Končaj</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Privzeto *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Svetli les</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Svetli les 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Kazalec X, v slikovnih pikah</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Kazalec Y, v slikovnih pikah</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Stolpec pod kazalcem</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Vrstica pod kazalcem</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Igralec:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Računalnik:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Črno in belo), delo ekipe Kalvado: obkoli, obrni in prekosi računalnik po številu žetonov.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>O igri Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Želiš končati igro?</translation>
    </message>
</context>
</TS>
