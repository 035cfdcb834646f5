<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Colocar ficha</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Coloca tu ficha en esta casilla</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Las teclas de flecha mueven el cursor por las casillas; Espacio o Intro colocan ahí una ficha. F2 empieza una nueva partida y Alt+P pasa el turno.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, ficha negra</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, ficha blanca</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vacía</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Sin tema fuente, predeterminado es usado, no puedes cambiar tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Sin fuente de tema</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>¡Nueva partida! ¿Empiezas tú?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>¡Ya está ocupada!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>¡Posición no válida!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>¡¡¡Uy!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>¡Primero tienes que empezar una partida! ¡Pulsa F2 para empezar una nueva partida!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>¡Ninguna partida definido!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>has perdido</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>has ganado</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>yo no tengo camino para ir, ¡ahora es tu turno!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>no tienes ninguna jugada posible, ¡pulsa «Pasar»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>¡has perdido!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>¡has ganado!</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Sí</translation>
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
        <translation>Control</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation>Nueva partida: juegas con las negras.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Nueva partida: juegas con las blancas.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Has jugado %1 y has volteado %n ficha.</numerusform>
            <numerusform>Has jugado %1 y has volteado %n fichas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>El ordenador ha jugado %1 y ha volteado %n ficha.</numerusform>
            <numerusform>El ordenador ha jugado %1 y ha volteado %n fichas.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tú %1, ordenador %2.</translation>
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
        <translation>Pennalt (Blanco y negro)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Puntero X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Puntero Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pasar</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Predeterminado *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Madera clara</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Madera clara2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Puntero X, en píxeles</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Puntero Y, en píxeles</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Columna bajo el puntero</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Fila bajo el puntero</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Jugador:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Ordenador:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Blanco y negro), creado por el equipo Kalvado: flanquea, voltea y supera en número al ordenador.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Acerca de Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>¿Salir del juego?</translation>
    </message>
</context>
</TS>
