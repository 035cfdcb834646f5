<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Posa una pedina</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Posa la tua pedina su questa casella</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Scacchiera</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>I tasti freccia spostano il cursore tra le caselle; Spazio o Invio posano una pedina su quella casella. F2 avvia una nuova partita, Alt+P passa il turno.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, pedina nera</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, pedina bianca</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vuota</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Nessuna sorgente tema, predefinito è usato, non puoi cambiare tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Nessuna sorgente di tema</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Nuova partita! Inizi tu?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Casella già occupata!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Posizione non valida!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ops!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Prima devi iniziare una partita! Premi F2 per avviarne una nuova!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Nessuna partita definito!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>hai perso</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>hai vinto</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>io non ho strada per andare, adesso è tuo turno!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>non hai mosse possibili, premi «Passa»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>hai perso!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>hai vinto!</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;No</translation>
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
        <translation>Nuova partita: giochi con il nero.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nuova partita: giochi con il bianco.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Hai giocato in %1 e capovolto %n pedina.</numerusform>
            <numerusform>Hai giocato in %1 e capovolto %n pedine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Il computer ha giocato in %1 e capovolto %n pedina.</numerusform>
            <numerusform>Il computer ha giocato in %1 e capovolto %n pedine.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tu %1, computer %2.</translation>
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
        <translation>Pennalt (Nero e bianco)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Crediti</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Puntatore X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Puntatore Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passa</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Predefinito *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Legno chiaro</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Legno chiaro2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Puntatore X, in pixel</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Puntatore Y, in pixel</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Colonna sotto il puntatore</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Riga sotto il puntatore</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Totale giocatore:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Totale computer:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Nero e bianco), creato dal team Kalvado: accerchia, capovolgi e supera in numero il computer.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Informazioni su Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Uscire dal gioco?</translation>
    </message>
</context>
</TS>
