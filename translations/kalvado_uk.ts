<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Поставити фішку</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Ставить твою фішку на цю клітинку</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Дошка</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Клавіші зі стрілками переміщують курсор по клітинках; пробіл або Enter ставить туди фішку. F2 — нова гра, Alt+П — пас.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, чорна фішка</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, біла фішка</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, порожньо</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Немає джерело скіна, типовий є використаний, ти не можеш змінити скін.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Немає джерела скіна</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Нова гра! Починаєш ти?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Уже зайнято!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Неприпустимий хід!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ой!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Спершу треба розпочати гру! Натисни F2, щоб почати нову гру!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Немає гра визначена!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>поразка</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>перемога</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>у мене немає дороги йти, тепер твій хід!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>тобі нікуди ходити, натисни «Пас»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>поразка!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>перемога!</translation>
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
        <translation>Т&amp;ак</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Ні</translation>
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
        <translation>Нова гра: ти граєш чорними.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Нова гра: ти граєш білими.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Твій хід: %1, перевернуто %n фішку.</numerusform>
            <numerusform>Твій хід: %1, перевернуто %n фішки.</numerusform>
            <numerusform>Твій хід: %1, перевернуто %n фішок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Хід комп’ютера: %1, перевернуто %n фішку.</numerusform>
            <numerusform>Хід комп’ютера: %1, перевернуто %n фішки.</numerusform>
            <numerusform>Хід комп’ютера: %1, перевернуто %n фішок.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>У тебе %1, у комп’ютера %2.</translation>
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
        <translation>Pennalt (Чорні й білі)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Пр&amp;о гру</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Коорд.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Вказівник миші X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Вказівник миші Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Вказ.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Пас</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Типовий *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Світле дерево</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Світле дерево2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Вказівник X, у пікселях</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Вказівник Y, у пікселях</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Стовпець під вказівником</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Рядок під вказівником</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Гравець:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Комп’ютер:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Чорні й білі) — гра, створена командою Kalvado: оточуй, перевертай і переважай комп’ютер кількістю фішок.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Про гру Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Вийти з гри?</translation>
    </message>
</context>
</TS>
