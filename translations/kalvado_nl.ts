<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Schijf plaatsen</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Plaatst je schijf op dit veld</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Met de pijltjestoetsen verplaats je de veldcursor; met de spatiebalk of Enter plaats je daar een schijf. Met F2 start je een nieuw spel, met Alt+P pas je.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, zwart</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, wit</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, leeg</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Geen bron skin, standaard is gebruiken, je kan skin niet veranderen.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Geen skinbron</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nieuw spel! Wil jij beginnen?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Al bezet!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Ongeldige positie!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Oeps!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Je moet eerst een spel beginnen! Druk op F2 om een nieuw spel te beginnen!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Geen spel gedefinieer!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>je hebt verloren</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>je hebt gewonnen</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ik heb geen weg om te gaan, nu is jouw beurt!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>je kunt geen zet doen, druk op ‘Passen’!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>je hebt verloren!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>je hebt gewonnen!</translation>
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
        <translation>&amp;Nee</translation>
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
        <translation>Nieuw spel: jij speelt zwart.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nieuw spel: jij speelt wit.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Je hebt %1 gespeeld en %n schijf omgedraaid.</numerusform>
            <numerusform>Je hebt %1 gespeeld en %n schijven omgedraaid.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>De computer heeft %1 gespeeld en %n schijf omgedraaid.</numerusform>
            <numerusform>De computer heeft %1 gespeeld en %n schijven omgedraaid.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Jij %1, computer %2.</translation>
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
        <translation>Pennalt (Zwart en wit)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>O&amp;ver</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coörd.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Muisaanwijzer X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Muisaanwijzer Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passen</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Standaard *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Licht hout</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Licht hout 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Muisaanwijzer X, pixels</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Muisaanwijzer Y, pixels</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Kolom onder de muisaanwijzer</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rij onder de muisaanwijzer</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Speler:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Computer:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Zwart en wit), gemaakt door het Kalvado-team: insluiten, omdraaien en meer schijven hebben dan de computer.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Over Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Spel afsluiten?</translation>
    </message>
</context>
</TS>
