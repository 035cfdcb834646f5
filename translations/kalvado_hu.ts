<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Korong lerakása</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Lerakja a korongodat erre a mezőre</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Játéktábla</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>A nyílbillentyűkkel mozoghatsz a mezők között; a Szóköz vagy az Enter oda rakja le a korongot. Az F2 új játékot indít, az Alt+P kihagyja a lépést (passz).</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, fekete korong</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, fehér korong</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, üres mező</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Nincs forrás kinézet, alapértelmezett használva, kinézetet nem tudsz váltani.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Nincs kinézet forrás</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Új játék! Te kezdesz?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Már foglalt!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Érvénytelen lépés!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Hoppá!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Előbb indíts egy játékot! Új játékhoz nyomd meg az F2-t!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Nincs játék definiál!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>vesztettél</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>nyertél</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>nekem nincs utam, amerre mehetnék, most te lépsz!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>nincs szabályos lépésed, nyomd meg a „Passz” gombot!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>vesztettél!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>nyertél!</translation>
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
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Nem</translation>
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
        <translation>Új játék: feketével játszol.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Új játék: fehérrel játszol.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Lépésed: %1, %n korongot fordítottál át.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>A számítógép lépése: %1, %n korongot fordított át.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Állás: te %1, számítógép %2.</translation>
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
        <translation>Pennalt (Fekete és fehér)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Egérmutató X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Egérmutató Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kurzor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Állás</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passz</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Játék</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Alapértelmezett *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Világos fa</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Világos fa 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Mutató X, képpontban</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Mutató Y, képpontban</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Mutató alatti oszlop</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Mutató alatti sor</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Játékos:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Számítógép:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Fekete és fehér), a Kalvado-csapat munkája: kerítsd be és fordítsd át a számítógép korongjait, hogy a végén neked legyen több.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>A Pennalt névjegye</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Kilépsz a játékból?</translation>
    </message>
</context>
</TS>
