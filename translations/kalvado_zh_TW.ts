<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>落子</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>在這一格放下你的棋子</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盤</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>用方向鍵移動格子游標，按空白鍵或 Enter 鍵在該格落子。按 F2 開始新遊戲，按 Alt+P 跳過。</translation>
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
        <translation>沒有來源外觀，預設的被使用，你不能換外觀。</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>沒有外觀來源</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>新遊戲！你先下？</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>這裡已經有棋子了！</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>位置無效！</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>哎喲！！！</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>你得先開始一局遊戲！按 F2 開始新遊戲！</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>沒有遊戲定義！</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>你輸了</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>你贏了</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>我沒有路走了，現在是你的回合！</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>你無路可走了，按「跳過」吧！</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>你輸了！</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>你贏了！</translation>
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
        <translation>確定</translation>
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
        <translation>新遊戲：你執黑。</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>新遊戲：你執白。</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>你下在 %1，翻轉了 %n 顆棋子。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>電腦下在 %1，翻轉了 %n 顆棋子。</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>棋子數：你 %1，電腦 %2。</translation>
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
        <translation>Pennalt（黑與白）</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>座標</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>滑鼠指標 X：</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>滑鼠指標 Y：</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>指標</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>比分</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>跳過(&amp;P)</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新遊戲</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>預設 *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>淺色木紋</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>淺色木紋 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>指標 X 座標（像素）</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>指標 Y 座標（像素）</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>指標所在欄</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>指標所在列</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>玩家：%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>電腦：%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt（黑與白），由 Kalvado 團隊製作：包夾、翻轉，以棋子數量勝過電腦。</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>關於 Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>結束遊戲？</translation>
    </message>
</context>
</TS>
