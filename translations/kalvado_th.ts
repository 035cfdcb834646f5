<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>วางหมาก</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>วางหมากของคุณลงในช่องนี้</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>ใช้แป้นลูกศรเลื่อนเคอร์เซอร์ไปตามช่อง กด Space หรือ Enter เพื่อวางหมากในช่องนั้น กด F2 เพื่อเริ่มเกมใหม่ และกด Alt+P เพื่อผ่าน</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1 หมากดำ</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1 หมากขาว</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1 ช่องว่าง</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>ไม่มีธีมต้นทาง ค่าเริ่มต้นถูกใช้ คุณเปลี่ยนธีมไม่ได้</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>ไม่มีต้นทางธีม</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>เกมใหม่! คุณจะเริ่มก่อนไหม?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>ช่องนี้มีหมากอยู่แล้ว!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>วางตรงนี้ไม่ได้!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>อุ๊ย!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>ต้องเริ่มเกมก่อนนะ! กด F2 เพื่อเริ่มเกมใหม่!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>ไม่มีเกมถูกกำหนด!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>คุณแพ้แล้ว</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>คุณชนะแล้ว</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ฉันไม่มีทางจะไป ตอนนี้คือตาของคุณ!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>คุณไม่มีที่ให้วางหมากแล้ว กด “ผ่าน” เลย!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>คุณแพ้แล้ว!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>คุณชนะแล้ว!</translation>
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
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>ใช่(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>ไม่ใช่(&amp;N)</translation>
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
        <translation>เกมใหม่: คุณเล่นหมากดำ</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>เกมใหม่: คุณเล่นหมากขาว</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>คุณเดินที่ %1 และพลิกหมากได้ %n ตัว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>คอมพิวเตอร์เดินที่ %1 และพลิกหมากได้ %n ตัว</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>คะแนน คุณ %1 คอมพิวเตอร์ %2</translation>
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
        <translation>Pennalt (ขาวดำ)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>เกี่ยวกับ(&amp;A)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>ช่อง</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>ตัวชี้เมาส์ X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>ตัวชี้เมาส์ Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>ตัวชี้</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>คะแนน</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>ผ่าน(&amp;P)</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>เกม(&amp;G)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>ตัวเลือก(&amp;O)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>เกมใหม่</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>ค่าเริ่มต้น *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>ไม้สีอ่อน</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>ไม้สีอ่อน 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>ตัวชี้ X หน่วยพิกเซล</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>ตัวชี้ Y หน่วยพิกเซล</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>คอลัมน์ใต้ตัวชี้</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>แถวใต้ตัวชี้</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>ผู้เล่น:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>คอมพิวเตอร์:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (ขาวดำ) สร้างโดยทีม Kalvado: ขนาบ พลิก และเอาชนะคอมพิวเตอร์ด้วยจำนวนหมากที่มากกว่า</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>เกี่ยวกับ Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>ออกจากเกมหรือไม่?</translation>
    </message>
</context>
</TS>
