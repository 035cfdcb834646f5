<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Aseta nupp</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Asetab sinu nupu sellele ruudule</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mängulaud</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Nooleklahvid liigutavad valikut ruudult ruudule; tühik või Enter asetab sinna nupu. F2 alustab uut mängu, Alt+J jätab käigu vahele.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, must nupp</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, valge nupp</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, tühi ruut</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Pole allikkujundust, vaikimisi on kasutusel, sa ei saa kujundust vahetada.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Pole kujundusallikat</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Uus mäng! Kas sina alustad?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Ruut on juba hõivatud!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Lubamatu käik!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oih!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Alusta kõigepealt mängu! Uue mängu alustamiseks vajuta F2!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Pole mäng määratud!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>sa kaotasid</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>sa võitsid</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>minul pole teed minna, nüüd on sinu käik!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>sul pole ühtegi võimalikku käiku, vajuta „Jäta vahele“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>sa kaotasid!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>sa võitsid!</translation>
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
        <translation>&amp;Jah</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Ei</translation>
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
        <translation>Uus mäng: sa mängid mustadega.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Uus mäng: sa mängid valgetega.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Sa käisid ruudule %1 ja pöörasid ümber %n nupu.</numerusform>
            <numerusform>Sa käisid ruudule %1 ja pöörasid ümber %n nuppu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Arvuti käis ruudule %1 ja pööras ümber %n nupu.</numerusform>
            <numerusform>Arvuti käis ruudule %1 ja pööras ümber %n nuppu.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Sina %1, arvuti %2.</translation>
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
        <translation>Pennalt (Must ja valge)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Teave</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Hiirekursor X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Hiirekursor Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kursor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Jäta vahele</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Mäng</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Seaded</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Uus mäng</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Vaikimisi *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Hele puit</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Hele puit 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Kursor X, pikslites</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Kursor Y, pikslites</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Veerg kursori all</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rida kursori all</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Mängija:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Arvuti:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Must ja valge), loonud Kalvado meeskond: piira sisse, pööra ümber ja kogu arvutist rohkem nuppe.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Pennalti teave</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Kas väljuda mängust?</translation>
    </message>
</context>
</TS>
