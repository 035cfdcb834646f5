<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Colocar peça</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Coloca a tua peça nesta casa</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>As teclas de seta movem o cursor pelas casas; Espaço ou Enter coloca lá uma peça. F2 inicia um novo jogo e Alt+P passa a vez.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, peça preta</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, peça branca</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vazia</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Sem tema fonte, predefinido é usado, não podes mudar de tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Sem fonte de tema</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Novo jogo! Começas tu?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Já está ocupada!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Posição inválida!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Primeiro tens de começar um jogo! Prime F2 para começar um novo jogo!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Nenhum jogo definida!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>perdeste</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>ganhaste</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>eu não tenho caminho para ir, agora é tua vez!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>não tens nenhuma jogada possível, prime «Passar»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>perdeste!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>ganhaste!</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Não</translation>
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
        <translation>Novo jogo: jogas com as pretas.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Novo jogo: jogas com as brancas.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Jogaste em %1 e viraste %n peça.</numerusform>
            <numerusform>Jogaste em %1 e viraste %n peças.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>O computador jogou em %1 e virou %n peça.</numerusform>
            <numerusform>O computador jogou em %1 e virou %n peças.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Tu %1, computador %2.</translation>
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
        <translation>Pennalt (Preto e branco)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Coord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Ponteiro X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Ponteiro Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Passar</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Predefinido *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Madeira clara</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Madeira clara2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Ponteiro X, em píxeis</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Ponteiro Y, em píxeis</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Coluna sob o ponteiro</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Linha sob o ponteiro</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Jogador:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Computador:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Preto e branco), criado pela equipa Kalvado: cerca, vira e supera o computador em número.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Acerca do Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Sair do jogo?</translation>
    </message>
</context>
</TS>
