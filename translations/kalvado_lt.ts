<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Padėti žetoną</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Padeda tavo žetoną į šį langelį</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Žaidimo lenta</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Rodyklių klavišais judinamas langelių žymeklis, tarpo arba Enter klavišu ten padedamas žetonas. F2 pradeda naują žaidimą, o Alt+P praleidžia ėjimą.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, juodas žetonas</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, baltas žetonas</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, tuščias</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Nėra šaltinio išvaizdos, numatytoji yra naudoti, tu negali pakeisti išvaizdos.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Nėra išvaizdos šaltinio</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Naujas žaidimas! Pradedi tu?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Langelis jau užimtas!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Čia dėti negalima!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oi!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Pirma reikia pradėti žaidimą! Paspausk F2, kad pradėtum naują žaidimą!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Nėra žaidimo apibrėžtas!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>tu pralaimėjai</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>tu laimėjai</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>aš neturiu kelio, kur eiti, dabar tavo ėjimas!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>tu neturi kur eiti, spausk „Praleisti“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>tu pralaimėjai!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>tu laimėjai!</translation>
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
        <translation>Gerai</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Taip</translation>
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
        <translation>Naujas žaidimas: tu žaidi juodaisiais.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Naujas žaidimas: tu žaidi baltaisiais.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tavo ėjimas: %1, apverstas %n žetonas.</numerusform>
            <numerusform>Tavo ėjimas: %1, apversti %n žetonai.</numerusform>
            <numerusform>Tavo ėjimas: %1, apversta %n žetonų.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Kompiuterio ėjimas: %1, apverstas %n žetonas.</numerusform>
            <numerusform>Kompiuterio ėjimas: %1, apversti %n žetonai.</numerusform>
            <numerusform>Kompiuterio ėjimas: %1, apversta %n žetonų.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tu %1, kompiuteris %2.</translation>
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
        <translation>Pennalt (Juodi ir balti)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Apie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacija</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Pelės žymeklis X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Pelės žymeklis Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Pelė</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultatas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Praleisti</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>Žai&amp;dimas</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Nuostatos</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Naujas žaidimas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Numatytoji *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Šviesus medis</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Šviesus medis2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Žymeklio X pikseliais</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Žymeklio Y pikseliais</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Žymeklio stulpelis</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Žymeklio eilutė</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Žaidėjas:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Kompiuteris:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Juodi ir balti), sukūrė Kalvado komanda: apsupk, apversk ir pranok kompiuterį žetonų skaičiumi.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Apie Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Išeiti iš žaidimo?</translation>
    </message>
</context>
</TS>
