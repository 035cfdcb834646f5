<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Nolikt kauliņu</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Noliek tavu kauliņu šajā lauciņā</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spēles galdiņš</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Ar bultiņu taustiņiem pārvieto kursoru pa lauciņiem; ar atstarpi vai Enter noliec tur kauliņu. F2 – jauna spēle, Alt+I – izlaist gājienu.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, melns kauliņš</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, balts kauliņš</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, tukšs</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Nav avota izskata, noklusētais ir lietot, tu nevari mainīt izskatu.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Nav izskata avota</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Jauna spēle! Vai sāc tu?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Lauciņš jau aizņemts!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Šeit likt nevar!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oi!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Vispirms jāsāk spēle! Nospied F2, lai sāktu jaunu spēli!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Nav spēle definēt!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>tu zaudēji</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>tu uzvarēji</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>man nav ceļa, kur iet, tagad ir tavs gājiens!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>tev nav kur iet, nospied „Izlaist”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>tu zaudēji!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>tu uzvarēji!</translation>
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
        <translation>Labi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Nē</translation>
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
        <translation>Jauna spēle: tu spēlē ar melnajiem.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Jauna spēle: tu spēlē ar baltajiem.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tu liki uz %1 un apgriezi %n kauliņu.</numerusform>
            <numerusform>Tu liki uz %1 un apgriezi %n kauliņus.</numerusform>
            <numerusform>Tu liki uz %1 un apgriezi %n kauliņu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Dators lika uz %1 un apgrieza %n kauliņu.</numerusform>
            <numerusform>Dators lika uz %1 un apgrieza %n kauliņus.</numerusform>
            <numerusform>Dators lika uz %1 un apgrieza %n kauliņu.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tev %1, datoram %2.</translation>
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
        <translation>Pennalt (Melnie un baltie)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Par spēli</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informācija</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Peles rādītājs X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Peles rādītājs Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Pele</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Rezultāts</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>I&amp;ziet</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Izlaist</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Spēle</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opcijas</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Jauna spēle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Noklusētais *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Gaišs koks</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Gaišs koks2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Rādītāja X pikseļos</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Rādītāja Y pikseļos</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Rādītāja kolonna</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rādītāja rinda</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Spēlētājs:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Dators:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Melnie un baltie), ko veidojusi Kalvado komanda: ielenc, apgriez un pārspēj datoru kauliņu skaitā.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Par Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Iziet no spēles?</translation>
    </message>
</context>
</TS>
