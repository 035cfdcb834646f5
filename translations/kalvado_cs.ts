<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Položit kámen</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Položí tvůj kámen na toto pole</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací deska</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Šipky posouvají kurzor po polích; mezerník nebo Enter na vybrané pole položí kámen. F2 spustí novou hru, Alt+P ohlásí pas.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, černý kámen</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, bílý kámen</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, prázdné</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Žádný zdrojový vzhled, výchozí je použít, nemůžeš měnit vzhled.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Žádný zdroj vzhledu</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nová hra! Začínáš ty?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Už je obsazeno!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Neplatný tah!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Jejda!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Nejdřív musíš začít hru! Novou hru spustíš klávesou F2!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Žádná hra definovat!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>prohra</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>vítězství</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>já nemám cestu kam jít, teď je tvůj tah!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>nemáš kam táhnout, stiskni „Pas“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>prohra!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>vítězství!</translation>
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
        <translation>&amp;Ano</translation>
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
        <translation>Nová hra: hraješ za černé.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nová hra: hraješ za bílé.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Tvůj tah: %1, otočen %n kámen.</numerusform>
            <numerusform>Tvůj tah: %1, otočeny %n kameny.</numerusform>
            <numerusform>Tvůj tah: %1, otočeno %n kamenů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Tah počítače: %1, otočen %n kámen.</numerusform>
            <numerusform>Tah počítače: %1, otočeny %n kameny.</numerusform>
            <numerusform>Tah počítače: %1, otočeno %n kamenů.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Ty %1, počítač %2.</translation>
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
        <translation>Pennalt (Černé a bílé)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O hře</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Ukazatel myši X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Ukazatel myši Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kurzor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Výchozí *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Světlé dřevo</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Světlé dřevo2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Ukazatel X, v pixelech</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Ukazatel Y, v pixelech</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Sloupec pod ukazatelem</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Řádek pod ukazatelem</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Hráč:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Počítač:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Černé a bílé) od týmu Kalvado: obkličuj, otáčej a přečísli počítač.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>O hře Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Ukončit hru?</translation>
    </message>
</context>
</TS>
