<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>돌 놓기</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>이 칸에 내 돌을 놓아요</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>게임판</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>화살표 키로 칸 커서를 옮기고, 스페이스바나 Enter 키로 그 칸에 돌을 놓아요. F2 키는 새 게임, Alt+P 키는 패스예요.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, 검은 돌</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, 흰 돌</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, 빈칸</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>소스 스킨 없음, 기본이 사용, 스킨을 못 바꿔요.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>스킨 소스 없음</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>새 게임! 먼저 두시겠어요?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>이미 돌이 있어요!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>둘 수 없는 자리예요!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>앗!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>먼저 게임을 시작해야 해요! F2 키를 눌러 새 게임을 시작하세요!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>게임 정의 없어요!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>졌어요</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>이겼어요</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>나는 갈 길이 없어요, 지금 당신 차례예요!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>둘 곳이 없어요. ‘패스’를 누르세요!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>졌어요!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>이겼어요!</translation>
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
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>아니요(&amp;N)</translation>
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
        <translation>새 게임: 플레이어는 검은 돌로 둬요.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>새 게임: 플레이어는 흰 돌로 둬요.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>플레이어가 %1에 두어 돌 %n개를 뒤집었어요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>컴퓨터가 %1에 두어 돌 %n개를 뒤집었어요.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>플레이어 %1개, 컴퓨터 %2개.</translation>
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
        <translation>Pennalt (흑과 백)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>칸 좌표</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>마우스 포인터 X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>마우스 포인터 Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>포인터</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>종료(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>패스(&amp;P)</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>기본 *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>밝은 나뭇결</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>밝은 나뭇결2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>포인터 X 좌표(픽셀)</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>포인터 Y 좌표(픽셀)</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>포인터가 있는 열</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>포인터가 있는 행</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>플레이어 합계:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>컴퓨터 합계:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Kalvado 팀이 만든 Pennalt (흑과 백). 컴퓨터의 돌을 사이에 끼워 뒤집고, 돌을 더 많이 차지해 이겨 보세요.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Pennalt 정보</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>게임을 종료할까요?</translation>
    </message>
</context>
</TS>
