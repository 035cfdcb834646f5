<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Postavi žeton</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Postavlja tvoj žeton na ovo polje</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Igraća ploča</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Strelice pomiču kursor po poljima; razmaknica ili Enter ondje postavlja žeton. F2 pokreće novu igru, Alt+P preskače potez.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, crni žeton</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, bijeli žeton</translation>
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
        <translation>Nema izvor izgleda, zadani je u koristi, ne možeš mijenjati izgled.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Nema izvor izgleda</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nova igra! Počinješ ti?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Već zauzeto!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Nedopušten potez!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Joj!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Najprije trebaš pokrenuti igru! Pritisni F2 za novu igru!</translation>
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
        <translation>tvoja pobjeda</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ja nemam put za ići, sad je tvoj potez!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>nemaš nijedan mogući potez, pritisni „Preskoči“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>tvoj poraz!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>tvoja pobjeda!</translation>
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
        <translation>U redu</translation>
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
        <translation>Nova igra: igraš crnim žetonima.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nova igra: igraš bijelim žetonima.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tvoj potez: %1, okrenut je %n žeton.</numerusform>
            <numerusform>Tvoj potez: %1, okrenuta su %n žetona.</numerusform>
            <numerusform>Tvoj potez: %1, okrenuto je %n žetona.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Potez računala: %1, okrenut je %n žeton.</numerusform>
            <numerusform>Potez računala: %1, okrenuta su %n žetona.</numerusform>
            <numerusform>Potez računala: %1, okrenuto je %n žetona.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Ti %1, računalo %2.</translation>
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
        <translation>Pennalt (Crno i bijelo)</translation>
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
        <translation>Pokazivač miša X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Pokazivač miša Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kursor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>I&amp;zlaz</translation>
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
        <translation>&amp;Mogućnosti</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nova igra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Zadano *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Svijetlo drvo</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Svijetlo drvo 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Pokazivač X, pikseli</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Pokazivač Y, pikseli</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Stupac pod pokazivačem</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Redak pod pokazivačem</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Igrač:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Računalo:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Crno i bijelo), djelo tima Kalvado: okruži, okreni i nadmaši računalo brojem žetona.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>O igri Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Izaći iz igre?</translation>
    </message>
</context>
</TS>
