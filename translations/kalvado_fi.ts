<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Aseta nappula</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Asettaa nappulasi tähän ruutuun</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Pelilauta</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Nuolinäppäimet siirtävät valintaa ruudusta toiseen; välilyönti tai Enter asettaa nappulan valittuun ruutuun. F2 aloittaa uuden pelin, Alt+O ohittaa vuoron.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, musta nappula</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, valkoinen nappula</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, tyhjä ruutu</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Ei ulkoasu lähdettä, oletus on käyttää, et voi vaihtaa ulkoasu.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Ei ulkoasu lähdettä</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Uusi peli! Aloitatko sinä?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Ruutu on jo varattu!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Laiton siirto!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Hups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Aloita ensin peli! Paina F2, niin uusi peli alkaa!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Ei peli määritelty!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>hävisit</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>voitit</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>minulla ei ole tietä mennä, nyt on sinun vuoro!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>sinulla ei ole yhtään mahdollista siirtoa, paina ”Ohita”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>hävisit!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>voitit!</translation>
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
        <translation>&amp;Kyllä</translation>
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
        <translation>Uusi peli: pelaat mustilla.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Uusi peli: pelaat valkoisilla.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Pelasit ruutuun %1 ja käänsit %n nappulan.</numerusform>
            <numerusform>Pelasit ruutuun %1 ja käänsit %n nappulaa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Tietokone pelasi ruutuun %1 ja käänsi %n nappulan.</numerusform>
            <numerusform>Tietokone pelasi ruutuun %1 ja käänsi %n nappulaa.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Sinä %1, tietokone %2.</translation>
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
        <translation>Pennalt (musta ja valkoinen)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tietoja</translation>
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
        <translation>Hiiren osoitin X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Hiiren osoitin Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Osoitin</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Ohita</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Peli</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Oletus *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Vaalea puu</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Vaalea puu 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Osoitin X, pikseleinä</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Osoitin Y, pikseleinä</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Sarake osoittimen alla</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Rivi osoittimen alla</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Pelaaja:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Tietokone:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (musta ja valkoinen), tekijänä Kalvado-tiimi: saarra, käännä ja kerää enemmän nappuloita kuin tietokone.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Tietoja Pennaltista</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Lopetetaanko peli?</translation>
    </message>
</context>
</TS>
