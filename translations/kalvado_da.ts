<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Sæt brik</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Sætter din brik på dette felt</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spillebræt</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Piletasterne flytter feltmarkøren; mellemrumstasten eller Enter sætter en brik på feltet. F2 starter et nyt spil, og med Alt+P melder du pas.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, sort</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, hvid</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, tomt</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Ingen kilde tema, standard er bruge, du kan ikke skifte tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Ingen temakilde</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nyt spil! Vil du begynde?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Allerede optaget!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Ugyldig placering!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Hovsa!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Du skal starte et spil først! Tryk på F2 for at starte et nyt spil!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Intet spil definere!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>du tabte</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>du vandt</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>jeg har ingen vej at gå, nu er din tur!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>du har ingen mulige træk, tryk på »Pas«!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>du tabte!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>du vandt!</translation>
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
        <translation>Nyt spil: Du spiller sort.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nyt spil: Du spiller hvid.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Du satte på %1 og vendte %n brik.</numerusform>
            <numerusform>Du satte på %1 og vendte %n brikker.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Computeren satte på %1 og vendte %n brik.</numerusform>
            <numerusform>Computeren satte på %1 og vendte %n brikker.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Du %1, computeren %2.</translation>
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
        <translation>Pennalt (Sort og hvid)</translation>
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
        <translation>Musemarkør X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Musemarkør Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stilling</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Spil</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nyt spil</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Standard *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Lyst træ</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Lyst træ 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Musemarkør X, pixels</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Musemarkør Y, pixels</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Kolonne under musemarkøren</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Række under musemarkøren</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Spiller:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Computer:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Sort og hvid), udviklet af Kalvado-teamet: Indeslut, vend og få flere brikker end computeren.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Om Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Afslut spillet?</translation>
    </message>
</context>
</TS>
