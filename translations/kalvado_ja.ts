<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>石を置く</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>このマスにあなたの石を置きます</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>矢印キーでマスのカーソルを動かし、スペースキーか Enter キーでそのマスに石を置きます。F2 キーで新しいゲームを始め、Alt+P キーでパスします。</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1、黒の石</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1、白の石</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1、空き</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>スキンのソースない、標準スキン使う、スキン変えられない。</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>スキンのソースなし</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>新しいゲーム！&#x3000;先に打ちますか？</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>そこにはもう石があります！</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>そこには置けません！</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>おっと！！！</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>先にゲームを始めてください！&#x3000;F2 キーで新しいゲームを始められます！</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>ゲーム定義ない！</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>あなたの負け</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ぼく行く道がない、今あなたの番だ！</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>打てる手がありません。「パス」を押してください！</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>あなたの負け！</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>あなたの勝ち！</translation>
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
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>いいえ(&amp;N)</translation>
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
        <translation>新しいゲーム：あなたは黒です。</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>新しいゲーム：あなたは白です。</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>あなたは %1 に置き、石を %n 個裏返しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>コンピューターは %1 に置き、石を %n 個裏返しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>石の数はあなた %1、コンピューター %2。</translation>
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
        <translation>Pennalt（黒と白）</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>情報(&amp;A)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>マス</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>ポインター X：</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>ポインター Y：</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>パス(&amp;P)</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>標準 *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>明るい木目</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>明るい木目2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>ポインターの X 座標（ピクセル）</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>ポインターの Y 座標（ピクセル）</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>ポインターの下の列</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>ポインターの下の行</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>プレイヤー合計：%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>コンピューター合計：%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt（黒と白）は Kalvado チームが作りました。はさんで、裏返して、石の数でコンピューターに勝ちましょう。</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Pennalt について</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>ゲームを終了しますか？</translation>
    </message>
</context>
</TS>
