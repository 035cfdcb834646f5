<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>落子</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>在这一格落下你的棋子</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>方向键移动格子光标，按空格键或回车键在该格落子。按 F2 开始新游戏，按 Alt+P 跳过。</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1，黑子</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1，白子</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1，空位</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>没有源皮肤，默认的被使用，你不能换皮肤。</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>没有皮肤源</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>新游戏！你先下？</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>这里已经有棋子了！</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>位置无效！</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>哎哟！！！</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>你得先开始一局游戏！按 F2 开始新游戏！</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>没有游戏定义！</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>你输了</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>我没有路走了，现在是你的回合！</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>你无路可走了，按“跳过”吧！</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>你输了！</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>你赢了！</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>否(&amp;N)</translation>
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
        <translation>新游戏：你执黑。</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>新游戏：你执白。</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>你下在 %1，翻转了 %n 枚棋子。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>电脑下在 %1，翻转了 %n 枚棋子。</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>棋子数：你 %1，电脑 %2。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How two sentences of the summary follow each other: a space where the language puts one.</extracomment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Pennalt (Black and White)</source>
        <translation>Pennalt（黑与白）</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>鼠标指针 X：</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>鼠标指针 Y：</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>指针</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>比分</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>跳过(&amp;P)</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>默认 *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>浅色木纹</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>浅色木纹 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>指针 X 坐标（像素）</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>指针 Y 坐标（像素）</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>指针所在列</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>指针所在行</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>玩家：%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>电脑：%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt（黑与白），由 Kalvado 团队制作：包夹、翻转，以棋子数量胜过电脑。</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>关于 Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>退出游戏？</translation>
    </message>
</context>
</TS>
