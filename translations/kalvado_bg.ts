<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Поставяне на пул</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Поставя твоя пул на това поле</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Дъска</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Стрелките местят курсора по полетата; Интервал или Enter поставя пул там. F2 — нова игра, Alt+П — пас.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, черен пул</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, бял пул</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, празно</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Няма скин източник, по подразбиране е използва, не можеш да смениш скина.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Няма източник на скин</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Нова игра! Ти ли започваш?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Вече е заето!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Невалиден ход!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Опа!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Първо трябва да започнеш игра! Натисни F2, за да започнеш нова игра!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Няма игра определена!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>ти загуби</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>ти спечели</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>аз нямам път да ходя, сега е твоят ход!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>нямаш къде да ходиш, натисни „Пас“!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>ти загуби!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>ти спечели!</translation>
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
        <translation>Добре</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Не</translation>
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
        <translation>Нова игра: играеш с черните.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Нова игра: играеш с белите.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Твоят ход: %1, обърнат %n пул.</numerusform>
            <numerusform>Твоят ход: %1, обърнати %n пула.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Ход на компютъра: %1, обърнат %n пул.</numerusform>
            <numerusform>Ход на компютъра: %1, обърнати %n пула.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Резултат: ти %1, компютърът %2.</translation>
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
        <translation>Pennalt (Черни и бели)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;За играта</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Показалец X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Показалец Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Пикс.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Резултат</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Из&amp;ход</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Пас</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>По подразбиране *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Светло дърво</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Светло дърво2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Показалец X, в пиксели</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Показалец Y, в пиксели</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Колона под показалеца</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Ред под показалеца</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Играч:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Компютър:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Черни и бели) — игра на екипа на Kalvado: обграждай, обръщай и надвий компютъра по брой пулове.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>За играта Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Изход от играта?</translation>
    </message>
</context>
</TS>
