<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Поставить фишку</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Ставит твою фишку на эту клетку</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Доска</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Стрелки перемещают курсор по клеткам; Пробел или Enter ставит туда фишку. F2 — новая игра, Alt+П — пас.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, чёрная фишка</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, белая фишка</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, пусто</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Нет источник скина, по умолчанию использован, ты не можешь менять скин.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Нет источника скина</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Новая игра! Начинаешь ты?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Уже занято!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Недопустимый ход!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ой!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Сначала нужно начать игру! Нажми F2, чтобы начать новую игру!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Нет игра определена!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>поражение</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>победа</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>у меня нет дороги идти, теперь твой ход!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>тебе некуда ходить, нажми «Пас»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>поражение!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>победа!</translation>
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
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Нет</translation>
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
        <translation>Новая игра: ты играешь чёрными.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Новая игра: ты играешь белыми.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Твой ход: %1, перевёрнута %n фишка.</numerusform>
            <numerusform>Твой ход: %1, перевёрнуто %n фишки.</numerusform>
            <numerusform>Твой ход: %1, перевёрнуто %n фишек.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Ход компьютера: %1, перевёрнута %n фишка.</numerusform>
            <numerusform>Ход компьютера: %1, перевёрнуто %n фишки.</numerusform>
            <numerusform>Ход компьютера: %1, перевёрнуто %n фишек.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>У тебя %1, у компьютера %2.</translation>
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
        <translation>Pennalt (Чёрные и белые)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Об игре</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Клетка</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Указатель мыши X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Указатель мыши Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Указ.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
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
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>По умолчанию *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Светлое дерево</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Светлое дерево2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Указатель X, в пикселях</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Указатель Y, в пикселях</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Столбец под указателем</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Строка под указателем</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Игрок:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Компьютер:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Чёрные и белые) — игра от команды Kalvado: окружай, переворачивай и превзойди компьютер числом.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Об игре Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Выйти из игры?</translation>
    </message>
</context>
</TS>
