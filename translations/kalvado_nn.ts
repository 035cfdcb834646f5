<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Plasser brikke</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Plasserer brikka di på denne ruta</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Piltastane flyttar rutemarkøren; mellomrom eller Enter plasserer ei brikke der. F2 startar eit nytt spel, og med Alt+P seier du pass.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, svart</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, kvit</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, tom</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Inga kjelde tema, standard er bruke, du kan ikkje byte tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Inga temakjelde</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nytt spel! Vil du byrje?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Allereie oppteken!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Ugyldig plassering!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oisann!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Du må starte eit spel først! Trykk på F2 for å starte eit nytt spel!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Ingen spel definere!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>du tapte</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>du vann</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>eg har ingen veg å gå, no er din tur!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>du har ingen moglege trekk, trykk på «Pass»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>du tapte!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>du vann!</translation>
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
        <translation>&amp;Nei</translation>
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
        <translation>Nytt spel: du spelar svart.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nytt spel: du spelar kvit.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Du spelte %1 og snudde %n brikke.</numerusform>
            <numerusform>Du spelte %1 og snudde %n brikker.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Datamaskina spelte %1 og snudde %n brikke.</numerusform>
            <numerusform>Datamaskina spelte %1 og snudde %n brikker.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Du %1, datamaskina %2.</translation>
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
        <translation>Pennalt (Svart og kvitt)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om spelet</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Musepeikar X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Musepeikar Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Peikar</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stilling</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pass</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Innstillingar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Lyst tre</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Lyst tre 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Musepeikar X, pikslar</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Musepeikar Y, pikslar</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Kolonne under musepeikaren</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rad under musepeikaren</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Spelar:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Datamaskin:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Svart og kvitt), laga av Kalvado-teamet: steng inne, snu og få fleire brikker enn datamaskina.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Om Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Avslutte spelet?</translation>
    </message>
</context>
</TS>
