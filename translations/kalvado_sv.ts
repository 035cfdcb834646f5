<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Lägg bricka</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Lägger din bricka på den här rutan</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Piltangenterna flyttar rutmarkören; Blanksteg eller Retur lägger en bricka där. F2 startar ett nytt spel, och Alt+P är knappen Passa.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, svart</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, vit</translation>
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
        <translation>Ingen källa tema, standard är använda, du kan inte byta tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Ingen temakälla</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nytt spel! Vill du börja?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Redan upptagen!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Ogiltig plats!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Hoppsan!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Du måste starta ett spel först! Tryck på F2 för att starta ett nytt spel!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Inget spel definiera!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>du förlorade</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>du vann</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>jag har ingen väg att gå, nu är din tur!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>du har inga möjliga drag, tryck på ”Passa”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>du förlorade!</translation>
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
        <translation>&amp;Nej</translation>
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
        <translation>Nytt spel: du spelar vit.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Du spelade %1 och vände %n bricka.</numerusform>
            <numerusform>Du spelade %1 och vände %n brickor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Datorn spelade %1 och vände %n bricka.</numerusform>
            <numerusform>Datorn spelade %1 och vände %n brickor.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Du %1, datorn %2.</translation>
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
        <translation>Pennalt (svart och vitt)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Muspekare X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Muspekare Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Pixlar</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passa</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Ljust trä</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Ljust trä 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Muspekare X, pixlar</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Muspekare Y, pixlar</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Kolumn under muspekaren</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rad under muspekaren</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Spelare:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Dator:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (svart och vitt), skapat av Kalvado-teamet: stäng in, vänd och få fler brickor än datorn.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Om Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Avsluta spelet?</translation>
    </message>
</context>
</TS>
