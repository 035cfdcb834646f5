<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Đặt quân</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Đặt quân của bạn vào ô này</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bàn cờ</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Dùng các phím mũi tên để di chuyển giữa các ô; phím cách hoặc Enter để đặt quân vào ô đang chọn. F2 để bắt đầu ván mới, Alt+B để bỏ lượt.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, quân đen</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, quân trắng</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, ô trống</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Không có giao diện nguồn, mặc định là dùng, bạn không đổi giao diện được.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Không nguồn giao diện</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Ván mới! Bạn đi trước nhé?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Ô này đã có quân!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Vị trí không hợp lệ!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Úi!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Bạn cần bắt đầu một ván trước! Nhấn F2 để bắt đầu ván mới!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Không có ván định nghĩa!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>bạn đã thua</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>bạn đã thắng</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>tôi không có đường đi, giờ là lượt bạn!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>bạn không còn ô nào đặt quân được, hãy nhấn “Bỏ lượt”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>bạn đã thua!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>bạn đã thắng!</translation>
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
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Không</translation>
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
        <translation>Ván mới: bạn cầm quân đen.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Ván mới: bạn cầm quân trắng.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Bạn đi %1 và lật %n quân.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Máy tính đi %1 và lật %n quân.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Bạn %1, máy tính %2.</translation>
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
        <translation>Pennalt (Đen trắng)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Giới thiệu</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Thông tin</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Tọa độ</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Con trỏ chuột X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Con trỏ chuột Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Chuột</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Điểm số</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Th&amp;oát</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Bỏ lượt</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Trò chơi</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>Tùy &amp;chọn</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Ván mới</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Mặc định *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Gỗ sáng</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Gỗ sáng2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Con trỏ X, pixel</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Con trỏ Y, pixel</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Cột dưới con trỏ</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Hàng dưới con trỏ</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Người chơi:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Máy tính:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Đen trắng), do nhóm Kalvado phát triển: vây, lật quân và áp đảo máy tính về số quân.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Giới thiệu Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Thoát trò chơi?</translation>
    </message>
</context>
</TS>
